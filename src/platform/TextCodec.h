// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <tembusa/Export.h>

#include <QByteArray>
#include <QString>

namespace tembusa {

// Text files are read as UTF-8 (a leading byte order mark is dropped); a file
// that is not valid UTF-8 is read as Windows-1252, so legacy files keep their
// accented letters. NUL bytes are kept as characters. Exported for the
// workbench, which reads its documents the same way.
TEMBUSA_EXPORT QString DecodeText(const QByteArray& bytes);

bool IsValidUtf8(const QByteArray& bytes);
QString DecodeWindows1252(const QByteArray& bytes);

// Reads a whole file. On failure returns false and puts into error a message
// that names the file and the problem.
TEMBUSA_EXPORT bool ReadFileBytes(const QString& path, QByteArray& bytes, QString& error);

// ReadFileBytes and DecodeText in one step.
TEMBUSA_EXPORT bool ReadTextFile(const QString& path, QString& text, QString& error);

} // namespace tembusa
