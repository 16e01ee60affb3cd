#!/usr/bin/env bash
# Renders the application icon's PNG sizes from its SVG. The PNGs are kept in
# the tree, so building needs no SVG renderer; run this after changing the SVG
# (needs rsvg-convert, Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../data/desktop/icons"
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$size"
  rsvg-convert -w "$size" -h "$size" org.example.rumbela.svg -o "$size/org.example.rumbela.png"
done
