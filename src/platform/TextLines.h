// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace tembusa {

// The lines of a text file's content, without their line ends. A line ends
// at CR LF, at LF or at a lone CR; a final line end opens no further line,
// and text after the last line end is a line of its own.
QStringList SplitLines(const QString& text);

} // namespace tembusa
