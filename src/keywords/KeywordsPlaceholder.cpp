// SPDX-License-Identifier: GPL-3.0-or-later
// The keyword file reader and the HTML classifier are added here.
