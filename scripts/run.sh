#!/usr/bin/env bash
# Builds Rumbela and starts the workbench. Without a display it says so and
# shows the command-line client at work instead.
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

ensure_packages "${BUILD_PACKAGES[@]}"
configure_and_build build -DBUILD_TESTING=OFF

BIN="$ROOT/build/bin"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$BIN/rumbela" "$@"
fi

SAMPLE="$ROOT/examples/story.txt"
echo
echo "No display found (neither DISPLAY nor WAYLAND_DISPLAY is set), so the workbench"
echo "cannot open its window. The command-line client works without one, for example:"
echo
echo "  $BIN/tembusa translate $SAMPLE"
echo
"$BIN/tembusa" translate "$SAMPLE"
echo
echo
echo "More: $BIN/tembusa --help, and README.md."
