#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Ranks English words by frequency in the English documentation of Debian
packages, plus the English of the training catalogues (never the held-out
ones), and checks the ranking against the default dictionary.

  wordfreq.py rank     writes build/quality/frequency.tsv: rank, word, count
  wordfreq.py review   lists the 5,000 most frequent words with the meaning
                       the default dictionary gives (tembusa lookup), for
                       reading by eye; words without one come first

The documentation is read where the packages put it (debian-handbook and
harden-doc: their en-US pages only; debian-reference-en, developers-reference,
debian-faq (.en pages), debmake-doc, debian-policy). Missing packages are
named and left out; `apt-get install` them first for the full ranking.
"""

import collections
import glob
import gzip
import html
import os
import re
import subprocess
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
WORK = os.path.join(ROOT, "build", "quality")

SOURCES = {
    "debian-handbook": "/usr/share/doc/debian-handbook/html/en-US/*.html",
    "harden-doc": "/usr/share/doc/harden-doc/html/en-US/*.html",
    "debian-reference-en": "/usr/share/debian-reference/*.en.html",
    "developers-reference": "/usr/share/developers-reference/*.html",
    "debian-faq": "/usr/share/doc/debian/FAQ/*.en.html",
    "debmake-doc": "/usr/share/doc/debmake-doc/html/*.html",
    "debian-policy": "/usr/share/doc/debian-policy/policy.html/*.html",
}

WORD = re.compile(r"[A-Za-z]+(?:'[a-z]+)?")


def page_text(path):
    opener = gzip.open if path.endswith(".gz") else open
    with opener(path, "rt", encoding="utf-8", errors="replace") as f:
        text = f.read()
    text = re.sub(r"(?is)<(script|style|pre|code|tt)\b.*?</\1>", " ", text)
    text = re.sub(r"(?s)<[^>]+>", " ", text)
    return html.unescape(text)


def rank():
    counts = collections.Counter()
    for package, pattern in SOURCES.items():
        files = sorted(glob.glob(pattern))
        if not files:
            print(f"{package}: not installed, left out", file=sys.stderr)
            continue
        before = sum(counts.values())
        for path in files:
            for word in WORD.findall(page_text(path)):
                # Names and acronyms aside: a word counts in lower case, and
                # one written only in capitals does not count.
                if word.isupper() and len(word) > 1:
                    continue
                counts[word.lower()] += 1
        print(f"{package}: {len(files)} pages, {sum(counts.values()) - before} words")
    train = os.path.join(WORK, "train.tsv")
    if os.path.exists(train):
        with open(train, encoding="utf-8") as f:
            for line in f:
                for word in WORD.findall(line.split("\t")[0]):
                    if not (word.isupper() and len(word) > 1):
                        # Weighted up: message text is what users translate.
                        counts[word.lower()] += 20
    os.makedirs(WORK, exist_ok=True)
    with open(os.path.join(WORK, "frequency.tsv"), "w", encoding="utf-8") as f:
        for i, (word, count) in enumerate(counts.most_common(), 1):
            if len(word) > 1 or word in ("a", "i"):
                f.write(f"{i}\t{word}\t{count}\n")
    print(f"{len(counts)} distinct words, {sum(counts.values())} in all")


def review(top=5000):
    words = []
    with open(os.path.join(WORK, "frequency.tsv"), encoding="utf-8") as f:
        for line in f:
            words.append(line.split("\t")[1])
            if len(words) >= top:
                break
    tembusa = os.path.join(ROOT, "build", "bin", "tembusa")
    result = subprocess.run([tembusa, "lookup"] + words, capture_output=True, text=True,
                            check=True)
    meanings = [line.split("\t") for line in result.stdout.split("\n")[:len(words)]]
    missing = [(i + 1, w) for i, (w, m) in enumerate(zip(words, meanings)) if m[1] == "100"]
    found = [(i + 1, w, m[0].strip()) for i, (w, m) in enumerate(zip(words, meanings))
             if m[1] != "100"]
    with open(os.path.join(WORK, "review.tsv"), "w", encoding="utf-8") as f:
        for rank_, word in missing:
            f.write(f"{rank_}\t{word}\t-\n")
        for rank_, word, meaning in found:
            f.write(f"{rank_}\t{word}\t{meaning}\n")
    print(f"{len(missing)} of the {len(words)} most frequent words have no meaning")


if __name__ == "__main__":
    {"rank": rank, "review": review}[sys.argv[1] if len(sys.argv) > 1 else "rank"]()
