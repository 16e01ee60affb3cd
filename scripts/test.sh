#!/usr/bin/env bash
# Builds everything with warnings as errors and runs all tests, then runs them
# once more under AddressSanitizer and UndefinedBehaviorSanitizer.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}"

export QT_QPA_PLATFORM=offscreen

configure_and_build build -DBUILD_TESTING=ON -DENABLE_WERROR=ON
ctest --test-dir "$ROOT/build" --output-on-failure -j "$JOBS"

configure_and_build build-sanitize -DBUILD_TESTING=ON -DENABLE_WERROR=ON \
  -DENABLE_ASAN=ON -DENABLE_UBSAN=ON -DCMAKE_BUILD_TYPE=Debug
ctest --test-dir "$ROOT/build-sanitize" --output-on-failure -j "$JOBS"

echo "All tests passed."
