// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <tembusa/Export.h>

#include <QByteArray>
#include <QString>

class QFileDevice;

namespace tembusa {

// How DecodeText read a text.
enum class TextDecoding {
    Utf8,
    Utf8Repaired, // UTF-8 apart from a few stray bytes, which became U+FFFD
    Windows1252,
};

// Text files are read as UTF-8 (a leading byte order mark is dropped); a file
// that is not valid UTF-8 is read as Windows-1252, so legacy files keep their
// accented letters, unless it is UTF-8 apart from a few stray bytes (no more
// of them than valid multi-byte characters): then those bytes are replaced.
// NUL bytes are kept as characters. how, when given, receives the choice.
// Exported for the workbench, which reads its documents the same way.
TEMBUSA_EXPORT QString DecodeText(const QByteArray& bytes, TextDecoding* how = nullptr);

// The most a text file may hold: larger input is refused rather than read
// until memory runs out (a device such as /dev/zero never ends).
constexpr qint64 kMaxTextBytes = qint64(256) * 1024 * 1024;

// Reads a device to its end, refusing more than kMaxTextBytes; name is used
// in the message.
TEMBUSA_EXPORT bool ReadAllBytes(QFileDevice& device, const QString& name, QByteArray& bytes,
                                 QString& error);

bool IsValidUtf8(const QByteArray& bytes);
QString DecodeWindows1252(const QByteArray& bytes);

// Reads a whole file. On failure returns false and puts into error a message
// that names the file and the problem.
TEMBUSA_EXPORT bool ReadFileBytes(const QString& path, QByteArray& bytes, QString& error);

// ReadFileBytes and DecodeText in one step.
TEMBUSA_EXPORT bool ReadTextFile(const QString& path, QString& text, QString& error,
                                 TextDecoding* how = nullptr);

} // namespace tembusa
