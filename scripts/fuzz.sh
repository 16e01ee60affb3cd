#!/usr/bin/env bash
# Builds the fuzz programs in build-fuzz/ (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs each one on its seeds in tests/fuzz/seeds
# for FUZZ_SECONDS seconds (30 unless set). Inputs that fail are kept in
# build-fuzz/findings/<program>/. tests/fuzz/dicts/ gives each program the
# markers and separators of its format.
#   bash scripts/fuzz.sh [PROGRAM...]     e.g. bash scripts/fuzz.sh fuzz_recent
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"

SECONDS_EACH="${FUZZ_SECONDS:-30}"
PROGRAMS=("$@")
if [ "${#PROGRAMS[@]}" -eq 0 ]; then
  PROGRAMS=(fuzz_segmentation fuzz_translate fuzz_wordfile fuzz_kamusfile fuzz_recent fuzz_freedict)
fi

configure build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DBUILD_FUZZERS=ON -DBUILD_TESTING=OFF \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$ROOT/build-fuzz" -j "$JOBS" --target "${PROGRAMS[@]}"

for program in "${PROGRAMS[@]}"; do
  seeds="$ROOT/tests/fuzz/seeds/${program#fuzz_}"
  dict="$ROOT/tests/fuzz/dicts/${program#fuzz_}.dict"
  findings="$ROOT/build-fuzz/findings/$program"
  # New inputs go to a scratch corpus; the seeds in the tree stay as written.
  corpus="$(mktemp -d)"
  mkdir -p "$findings"
  echo "Fuzzing $program for $SECONDS_EACH s"
  status=0
  "$ROOT/build-fuzz/tests/fuzz/$program" -max_total_time="$SECONDS_EACH" -timeout=25 \
    -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$findings/" -dict="$dict" \
    "$corpus" "$seeds" 2>"$findings/log" || status=$?
  grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$findings/log" || true
  rm -rf "$corpus"
  if [ "$status" -ne 0 ]; then
    tail -n 60 "$findings/log" >&2
    echo "$program failed; the input is in $findings/" >&2
    exit 1
  fi
done

echo "Fuzzing found nothing."
