#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Builds the benchmark corpus: English prose paragraphs taken from Debian's
documentation packages, one paragraph a line.

Only the English files listed in SOURCES are read. Several of these packages
also ship translations (the Debian Administrator's Handbook ships an
Indonesian one among others); those are never read, and any path that names
another language is refused.

usage: corpus.py OUTDIR   writes corpus-1mb.txt, corpus-10mb.txt and
                          corpus-100mb.txt (the 10 MB text ten times over)
"""
import glob
import gzip
import html.parser
import os
import re
import sys

# (pattern, kind): kind "html" takes the text of <p> elements; "text" takes
# paragraphs separated by blank lines.
SOURCES = [
    ("/usr/share/doc/debian-handbook/html/en-US/*.html", "html"),
    ("/usr/share/doc/debian-reference-en/docs/*.en.html", "html"),
    ("/usr/share/doc/harden-doc/html/en-US/*.html", "html"),
    ("/usr/share/doc/debian/FAQ/*.en.html", "html"),
    ("/usr/share/doc/debian-edu-doc-en/*manual.html", "html"),
    ("/usr/share/doc/debian-policy/policy.txt.gz", "text"),
    ("/usr/share/doc/debian-policy/upgrading-checklist.txt.gz", "text"),
    ("/usr/share/developers-reference/_sources/*.rst.txt", "text"),
    ("/usr/share/doc/debmake-doc/debmake-doc.en.txt.gz", "text"),
    ("/usr/share/doc/installation-guide-amd64/en/*.html", "html"),
    ("/usr/share/doc/maint-guide/html/*.en.html", "html"),
    ("/usr/share/doc/aptitude/html/en/*.html", "html"),
    ("/usr/share/doc/apt-doc/guide.html/*.html", "html"),
    ("/usr/share/doc/apt-doc/offline.html/*.html", "html"),
    ("/usr/share/doc/debian-kernel-handbook/kernel-handbook.html/*.html", "html"),
    ("/usr/share/doc/live-manual/html/live-manual/*.en.html", "html"),
]

OTHER_LANGUAGE = re.compile(r"(^|[/._-])(id|ID|id-ID|[a-z]{2}-(?!US)[A-Z]{2})([/._-]|$)")


class Paragraphs(html.parser.HTMLParser):
    SKIP = {"script", "style", "pre", "code", "table"}

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.found, self.text, self.depth, self.skip = [], [], 0, 0

    # Publican's pages hold their paragraphs in <div class="para">.
    def is_paragraph(self, tag, attrs):
        return tag == "p" or (tag == "div" and ("class", "para") in attrs)

    def handle_starttag(self, tag, attrs):
        if tag in self.SKIP:
            self.skip += 1
        if self.is_paragraph(tag, attrs) and not self.depth:
            self.depth, self.tag, self.nested, self.text = 1, tag, 0, []
        elif self.depth and tag == self.tag:
            self.nested += 1

    def handle_endtag(self, tag):
        if tag in self.SKIP and self.skip:
            self.skip -= 1
        if self.depth and tag == self.tag:
            if self.nested:
                self.nested -= 1
            else:
                self.depth = 0
                self.found.append("".join(self.text))

    def handle_data(self, data):
        if self.depth and not self.skip:
            self.text.append(data)


def read(path):
    opener = gzip.open if path.endswith(".gz") else open
    with opener(path, "rt", encoding="utf-8", errors="replace") as f:
        return f.read()


def paragraphs(path, kind):
    text = read(path)
    if kind == "html":
        parser = Paragraphs()
        parser.feed(text)
        return parser.found
    found = []
    for block in re.split(r"\n\s*\n", text):
        lines = block.split("\n")
        # Indented or marked-up blocks are examples, tables or headings.
        if any(l.startswith(("    ", "\t", "..", "::", "*", "=", "-", "+", "|", "$", "#")) for l in lines):
            continue
        found.append(" ".join(lines))
    return found


def is_prose(p):
    words = p.split()
    if len(words) < 8 or not p.rstrip().endswith((".", "?", "!", ":")):
        return False
    letters = sum(c.isalpha() or c in " ,.;:'\"()?!-" for c in p)
    code = sum(c in "{}<>=_\\`$|@#%&*~[]" for c in p)
    return letters >= 0.9 * len(p) and code <= 0.01 * len(p)


def collect():
    seen, by_source = set(), []
    for pattern, kind in SOURCES:
        found = []
        for path in sorted(glob.glob(pattern)):
            if OTHER_LANGUAGE.search(os.path.relpath(path, "/usr/share")) and "en-US" not in path:
                sys.exit("refusing a file that is not English: " + path)
            for p in paragraphs(path, kind):
                p = " ".join(p.split())
                if is_prose(p) and p not in seen:
                    seen.add(p)
                    found.append(p)
        by_source.append(found)
    # Taken in turn from each source, so any prefix mixes all of them.
    mixed = []
    for i in range(max(map(len, by_source), default=0)):
        mixed += [s[i] for s in by_source if i < len(s)]
    return mixed


def write(path, paras, size):
    out, total = [], 0
    while total < size and paras:
        for p in paras:
            out.append(p)
            total += len(p.encode()) + 1
            if total >= size:
                break
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(out) + "\n")
    return total


def main():
    outdir = sys.argv[1]
    paras = collect()
    unique = sum(len(p.encode()) + 1 for p in paras)
    if unique < 1 << 20:
        sys.exit("too little English prose found (%d bytes); install the packages first" % unique)
    os.makedirs(outdir, exist_ok=True)
    write(os.path.join(outdir, "corpus-1mb.txt"), paras, 1 << 20)
    write(os.path.join(outdir, "corpus-10mb.txt"), paras, 10 << 20)
    with open(os.path.join(outdir, "corpus-10mb.txt"), "rb") as f:
        ten = f.read()
    with open(os.path.join(outdir, "corpus-100mb.txt"), "wb") as f:
        for _ in range(10):
            f.write(ten)
    print("corpus: %d distinct paragraphs, %.1f MB of distinct prose" % (len(paras), unique / 1e6))


if __name__ == "__main__":
    main()
