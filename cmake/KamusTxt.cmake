# SPDX-License-Identifier: GPL-3.0-or-later
# Run at build time: writes the word list Kamus.txt (English TAB meaning
# [TAB more meanings], CR LF line ends) from the core word list SOURCE into
# TARGET, leaving out comment and empty lines.
file(READ "${SOURCE}" text)
string(REPLACE "\r" "" text "${text}")
string(REGEX REPLACE "(^|\n)(#[^\n]*\n?)+" "\\1" text "${text}")
string(REGEX REPLACE "\n\n+" "\n" text "${text}")
string(REGEX REPLACE "^\n" "" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE "${TARGET}.tmp" "${text}")
file(RENAME "${TARGET}.tmp" "${TARGET}")
