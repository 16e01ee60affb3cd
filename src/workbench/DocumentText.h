// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace rumbela {

// Documents are read with the library's tembusa::ReadTextFile (UTF-8, else
// Windows-1252), from platform/TextCodec.h.

// Writes text as UTF-8 to path through a temporary file in the same folder
// that is renamed into place, so a failed save leaves the old file whole.
// On failure returns false with a message naming the file in error.
bool WriteDocumentText(const QString& path, const QString& text, QString& error);

} // namespace rumbela
