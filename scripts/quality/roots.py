#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes data/id-roots.tsv, the Indonesian verb roots of the natural mode,
from the hunspell Indonesian dictionary of the Debian package hunspell-id
(/usr/share/hunspell/id_ID.dic, LGPL-3).

id_ID.dic marks each root with the affix classes it takes; the ones used here:
  M0, M1  meN-        D0, D1  di-
  Mk      meN-...-kan Dk      di-...-kan
  Mi      meN-...-i   Di      di-...-i
A root is written with the forms it takes: M, Mk, Mi, D, Dk, Di.
"""

import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
SOURCE = "/usr/share/hunspell/id_ID.dic"

FORMS = [("M", ("M0", "M1")), ("Mk", ("Mk",)), ("Mi", ("Mi",)),
         ("D", ("D0", "D1")), ("Dk", ("Dk",)), ("Di", ("Di",))]

HEADER = """\
# Indonesian verb roots for the natural mode: a root, TAB, the forms it takes
# (M meN-, Mk meN-...-kan, Mi meN-...-i, D di-, Dk di-...-kan, Di di-...-i,
# blank between). Made by scripts/quality/roots.py from id_ID.dic of the
# Debian package hunspell-id, Copyright (C) 2017 Ali Ahmadi, LGPL-3.
"""


def main():
    if not os.path.exists(SOURCE):
        sys.exit(f"{SOURCE} is missing: apt-get install hunspell-id")
    rows = []
    with open(SOURCE, encoding="utf-8", errors="replace") as f:
        next(f)  # the word count
        for line in f:
            word, _, flags = line.strip().partition("/")
            if not word.isalpha() or not word.islower() or not flags:
                continue
            pairs = {flags[i:i + 2] for i in range(0, len(flags) - 1, 2)}
            forms = [name for name, codes in FORMS if pairs & set(codes)]
            if forms:
                rows.append(f"{word}\t{' '.join(forms)}")
    with open(os.path.join(ROOT, "data", "id-roots.tsv"), "w", encoding="utf-8") as f:
        f.write(HEADER)
        f.write("\n".join(sorted(set(rows))) + "\n")
    print(f"data/id-roots.tsv: {len(rows)} roots")


if __name__ == "__main__":
    main()
