#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The translation benchmark: builds the command-line client in build-bench/,
# makes a corpus of English prose from Debian's documentation packages, times
# `tembusa translate` on it with a copy of the default dictionary and prints
# one table. When Debian's apertium with apertium-eng-spa is installed, it is
# timed on the same text as a yardstick (English to Spanish: another system).
#
#   bash bench/run.sh [--runs N] [--quick] [--micro]
#     --quick  leaves out the 100 MB text
#     --micro  also runs the Google Benchmark programs
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/common.sh"

MICRO=0
ARGS=()
for arg in "$@"; do
  case "$arg" in
    --micro) MICRO=1 ;;
    *) ARGS+=("$arg") ;;
  esac
done

# English documentation only; the corpus builder reads nothing else.
DOC_PACKAGES=(debian-reference-en debian-policy developers-reference debian-faq debian-handbook
              harden-doc debmake-doc debian-edu-doc-en installation-guide-amd64 maint-guide
              aptitude-doc-en apt-doc debian-kernel-handbook live-manual-html)
# The yardstick is only timed, never read.
ensure_packages "${BUILD_PACKAGES[@]}" "${DOC_PACKAGES[@]}" python3 time apertium apertium-eng-spa

configure_and_build build-bench -DBUILD_TESTING=OFF -DBUILD_BENCH=ON -DCMAKE_BUILD_TYPE=Release

CORPUS="$ROOT/build-bench/corpus"
if [ ! -s "$CORPUS/corpus-100mb.txt" ]; then
  python3 "$ROOT/bench/corpus.py" "$CORPUS"
fi

echo "load before: $(uptime)"
python3 "$ROOT/bench/measure.py" "$ROOT/build-bench/bin" "$CORPUS" "$ROOT/build-bench/work" "${ARGS[@]}"
echo "load after: $(uptime)"

if [ "$MICRO" = 1 ]; then
  for program in "$ROOT"/build-bench/bench/bin/*_bench; do
    "$program"
  done
fi
