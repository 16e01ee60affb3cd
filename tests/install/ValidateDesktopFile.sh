#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# ValidateDesktopFile.sh TOOL ARGS...: runs a desktop file validator; skipped
# (exit 77) where the tool is not installed.
set -euo pipefail
if ! command -v "$1" > /dev/null 2>&1; then
  echo "$1 is not installed (scripts/common.sh installs it)"
  exit 77
fi
exec "$@"
