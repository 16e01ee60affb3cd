// SPDX-License-Identifier: GPL-3.0-or-later
// The shared library's own translation unit; its content comes from the
// logic and window archives linked in whole.
