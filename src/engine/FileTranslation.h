// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tembusa {

// The text of a file for FileOpenHTML: its lines, each followed by CR LF. A
// line ends at CR or at CR LF; a lone LF belongs to its line. A missing file
// throws Error 53; one that cannot be read Error 5.
QString ReadTextFileLines(const QString& path);

} // namespace tembusa
