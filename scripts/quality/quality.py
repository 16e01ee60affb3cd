#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Translation quality check: scores `tembusa translate` against human
Indonesian translations taken from the gettext catalogues of Debian packages.

  quality.py fetch   downloads the packages below (apt-get download), extracts
                     their Indonesian catalogues and turns them into .po text
  quality.py pairs   cuts the catalogues into English-Indonesian sentence pairs:
                     train.tsv (the packages we may learn from) and heldout.tsv
                     (the packages we only ever score on)
  quality.py score   translates the held-out English in the default and the
                     natural mode and prints chrF (n = 1..6, beta = 2) and the
                     share of English words left untranslated

The work folder (default build/quality) holds everything fetched; nothing of
it goes into the repository. Needs the network for fetch only.

The two package sets never overlap, and a held-out pair whose English also
appears in the training catalogues is dropped, so a word list made while
looking at train.tsv cannot have seen the sentences we score on. Catalogues
of packages on this machine (dpkg says installed) are refused, as are
catalogue names this machine's own locale folder holds.
"""

import argparse
import collections
import os
import re
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))

# Learn from these: look at their English and their translations freely.
TRAIN_PACKAGES = [
    "thunar-data", "mousepad", "xfce4-panel", "xfce4-settings", "ristretto",
    "xfce4-terminal", "xfwm4", "parole", "xfce4-session", "catfish",
    "xfburn", "xfce4-taskmanager", "xfce4-screenshooter", "xfce4-appfinder",
    "caja-common", "pluma-common", "atril-common", "engrampa-common",
    "eom-common", "mate-panel-common", "nano", "cpio", "e2fsprogs-l10n",
    "parted", "hello", "sudo", "wdiff", "sharutils",
]

# Score on these only. Never open heldout.tsv while writing word lists.
HELDOUT_PACKAGES = [
    "gedit-common", "evince-common", "nautilus-data", "gnome-calculator",
    "totem-common", "file-roller", "gnome-disk-utility", "baobab",
    "gnome-system-monitor", "transmission-common", "geany-common",
    "network-manager", "bison", "texinfo", "util-linux-locales", "mc-data",
]

SKIP_CHARS = set("%{}<>\\$@|=[]#*/_&~^`\"")


def installed(package):
    result = subprocess.run(["dpkg-query", "-W", "-f=${Status}", package],
                            capture_output=True, text=True)
    return result.returncode == 0 and "install ok installed" in result.stdout


def machine_catalogues():
    names = set()
    for base in ("/usr/share/locale", "/usr/share/locale-langpack", "/usr/local/share/locale"):
        folder = os.path.join(base, "id", "LC_MESSAGES")
        if os.path.isdir(folder):
            names.update(os.listdir(folder))
    return names


def fetch(work):
    debs = os.path.join(work, "debs")
    tree = os.path.join(work, "tree")
    pos = os.path.join(work, "po")
    for folder in (debs, tree, pos):
        os.makedirs(folder, exist_ok=True)
    ours = machine_catalogues()
    for package in TRAIN_PACKAGES + HELDOUT_PACKAGES:
        if installed(package):
            print(f"skip {package}: installed on this machine", file=sys.stderr)
            continue
        if not any(name.startswith(package + "_") for name in os.listdir(debs)):
            subprocess.run(["apt-get", "download", package], cwd=debs, check=False,
                           stdout=subprocess.DEVNULL)
        found = [name for name in os.listdir(debs) if name.startswith(package + "_")]
        if not found:
            print(f"skip {package}: cannot download", file=sys.stderr)
            continue
        target = os.path.join(tree, package)
        subprocess.run(["dpkg-deb", "-x", os.path.join(debs, found[0]), target], check=True)
        count = 0
        for folder, _, files in os.walk(target):
            if not folder.endswith(os.path.join("id", "LC_MESSAGES")):
                continue
            for name in files:
                if not name.endswith(".mo"):
                    continue
                if name in ours:
                    print(f"skip {package}/{name}: this machine has that catalogue",
                          file=sys.stderr)
                    continue
                out = os.path.join(pos, f"{package}__{name[:-3]}.po")
                subprocess.run(["msgunfmt", os.path.join(folder, name), "-o", out], check=True)
                count += 1
        print(f"{package}: {count} catalogue(s)")


def po_entries(path):
    """(msgid, msgstr) of the singular, non-empty entries of a .po file."""
    entries = []
    current = {}
    key = None

    def unquote(text):
        text = text.strip()
        if not (text.startswith('"') and text.endswith('"')):
            return ""
        body = text[1:-1]
        return re.sub(r'\\(.)', lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)),
                      body)

    def flush():
        if "msgid" in current and "msgstr" in current and "msgid_plural" not in current:
            entries.append((current["msgid"], current["msgstr"]))

    with open(path, encoding="utf-8", errors="replace") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line.strip():
                flush()
                current = {}
                key = None
                continue
            if line.startswith("#"):
                continue
            match = re.match(r'^(msgctxt|msgid_plural|msgid|msgstr(\[\d+\])?)\s+(.*)$', line)
            if match:
                key = match.group(1)
                if key.startswith("msgstr["):
                    key = "msgstr_plural"
                current[key] = unquote(match.group(3))
            elif key and line.startswith('"'):
                current[key] = current.get(key, "") + unquote(line)
    flush()
    return entries


def clean_pair(english, indonesian):
    """A plain sentence pair, or None for markup, format strings and odd entries."""
    if not english or not indonesian or english == indonesian:
        return None
    if "\n" in english or "\n" in indonesian or "\t" in english + indonesian:
        return None
    # Accelerator marks of menu captions.
    english = re.sub(r"_(?=\w)", "", english)
    indonesian = re.sub(r"_(?=\w)", "", indonesian)
    if any(c in SKIP_CHARS for c in english + indonesian):
        return None
    words = english.split()
    if not 3 <= len(words) <= 25:
        return None
    if not re.search(r"[a-z]{3}", english):
        return None
    # Indonesian translations left in English or with untranslated gaps.
    if re.search(r"\b(the|and|with|you)\b", indonesian, re.IGNORECASE):
        return None
    return " ".join(words), " ".join(indonesian.split())


def collect(pos, packages):
    pairs = collections.OrderedDict()
    for name in sorted(os.listdir(pos)):
        package = name.split("__")[0]
        if package not in packages:
            continue
        for english, indonesian in po_entries(os.path.join(pos, name)):
            pair = clean_pair(english, indonesian)
            if pair and pair[0].lower() not in pairs:
                pairs[pair[0].lower()] = (pair[0], pair[1], package)
    return pairs


def make_pairs(work):
    pos = os.path.join(work, "po")
    assert not set(TRAIN_PACKAGES) & set(HELDOUT_PACKAGES)
    train = collect(pos, set(TRAIN_PACKAGES))
    heldout = collect(pos, set(HELDOUT_PACKAGES))
    for key in list(heldout):
        if key in train:
            del heldout[key]
    for name, pairs in (("train.tsv", train), ("heldout.tsv", heldout)):
        with open(os.path.join(work, name), "w", encoding="utf-8") as f:
            for english, indonesian, package in pairs.values():
                f.write(f"{english}\t{indonesian}\t{package}\n")
        print(f"{name}: {len(pairs)} pairs")


# chrF as sacreBLEU computes it at corpus level: character n-grams without
# blanks, statistics summed over all sentences, precision and recall averaged
# over the orders 1..6, then the F-score with beta 2.
def char_ngrams(text, n):
    text = "".join(text.split())
    return collections.Counter(text[i:i + n] for i in range(len(text) - n + 1))


def chrf(hypotheses, references, order=6, beta=2.0):
    stats = [[0, 0, 0] for _ in range(order)]  # matches, hypothesis, reference
    for hyp, ref in zip(hypotheses, references):
        for n in range(1, order + 1):
            h = char_ngrams(hyp, n)
            r = char_ngrams(ref, n)
            stats[n - 1][0] += sum((h & r).values())
            stats[n - 1][1] += sum(h.values())
            stats[n - 1][2] += sum(r.values())
    precision = recall = 0.0
    effective = 0
    for matches, hyp_count, ref_count in stats:
        if hyp_count > 0 and ref_count > 0:
            precision += matches / hyp_count
            recall += matches / ref_count
            effective += 1
    if effective == 0:
        return 0.0
    precision /= effective
    recall /= effective
    if precision + recall == 0:
        return 0.0
    b2 = beta * beta
    return 100.0 * (1 + b2) * precision * recall / (b2 * precision + recall)


WORD = re.compile(r"[A-Za-z][A-Za-z']*[A-Za-z]|[A-Za-z]")
GLUED = ("di", "me")


def untranslated_share(sources, hypotheses, references):
    """Share of English words that come back as written although the human
    translation does not keep them (names, "URL" and the like are kept by
    both and are not counted)."""
    total = left = 0
    for src, hyp, ref in zip(sources, hypotheses, references):
        hyp_words = set()
        for w in WORD.findall(hyp):
            hyp_words.add(w.lower())
            # An English word with an Indonesian prefix glued on is no
            # translation either ("didenied").
            for prefix in GLUED:
                if w.lower().startswith(prefix):
                    hyp_words.add(w.lower()[len(prefix):])
        ref_words = {w.lower() for w in WORD.findall(ref)}
        for word in WORD.findall(src):
            total += 1
            if word.lower() in hyp_words and word.lower() not in ref_words:
                left += 1
    return 100.0 * left / max(total, 1)


SEPARATOR = "ZQSEPARATORQZ"


def translate(tembusa, db, lines, natural):
    """One translation per line. The lines are sent as one text, each on its
    own line with a separator line between them (a word in capitals passes
    through untranslated), since a line without a closing mark runs into the
    next one in the translation."""
    with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False, encoding="utf-8") as f:
        f.write(("\n" + SEPARATOR + "\n").join(lines) + "\n")
        path = f.name
    try:
        command = [tembusa, "translate"]
        if db:
            command += ["--db", db]
        if natural:
            command.append("--natural")
        command.append(path)
        result = subprocess.run(command, capture_output=True, text=True, check=True)
    finally:
        os.unlink(path)
    out = [" ".join(part.split()) for part in result.stdout.split(SEPARATOR)]
    if len(out) != len(lines):
        sys.exit(f"the translation has {len(out)} parts for {len(lines)} sentences")
    return out


def has_natural(tembusa):
    result = subprocess.run([tembusa, "translate", "--help"], capture_output=True, text=True)
    return "--natural" in result.stdout


def read_pairs(path):
    pairs = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            fields = line.rstrip("\n").split("\t")
            if len(fields) >= 2:
                pairs.append((fields[0], fields[1]))
    return pairs


def score(work, tembusa, db, set_name, show):
    pairs = read_pairs(os.path.join(work, set_name + ".tsv"))
    sources = [english for english, _ in pairs]
    references = [indonesian for _, indonesian in pairs]
    print(f"{set_name}: {len(pairs)} sentence pairs, {sum(len(WORD.findall(s)) for s in sources)}"
          " English words")
    print(f"  {'English left as it is':28} chrF {chrf(sources, references):5.1f}")
    modes = [("default", False)] + ([("natural", True)] if has_natural(tembusa) else [])
    outputs = {}
    for name, natural in modes:
        hyps = translate(tembusa, db, sources, natural)
        outputs[name] = hyps
        print(f"  {'tembusa translate (' + name + ')':28} chrF {chrf(hyps, references):5.1f}"
              f"   untranslated {untranslated_share(sources, hyps, references):4.1f}%")
    if show:
        for i in range(min(show, len(pairs))):
            print(f"\nEN  {sources[i]}\nREF {references[i]}")
            for name in outputs:
                print(f"{name[:3].upper()} {outputs[name][i]}")


def main():
    parser = argparse.ArgumentParser(description=__doc__,
                                     formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("command", choices=["fetch", "pairs", "score"])
    parser.add_argument("--dir", default=os.path.join(ROOT, "build", "quality"),
                        help="work folder (default build/quality)")
    parser.add_argument("--tembusa", default=os.path.join(ROOT, "build", "bin", "tembusa"))
    parser.add_argument("--db", help="dictionary to translate with (default: the client's own)")
    parser.add_argument("--set", default="heldout", choices=["heldout", "train"])
    parser.add_argument("--show", type=int, default=0, help="print the first N translations")
    args = parser.parse_args()
    os.makedirs(args.dir, exist_ok=True)
    if args.command == "fetch":
        fetch(args.dir)
    elif args.command == "pairs":
        make_pairs(args.dir)
    else:
        score(args.dir, args.tembusa, args.db, args.set, args.show)


if __name__ == "__main__":
    main()
