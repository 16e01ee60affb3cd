// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace rumbela {

// Text of a file: UTF-8 (a leading byte order mark dropped), or Windows-1252
// when the bytes are not valid UTF-8, so legacy files keep their accented
// letters. NUL bytes stay characters.
QString DecodeFileText(const QByteArray& bytes);

// Reads a document's text. On failure returns false, leaves text as it was
// and puts into error a message naming the file and the problem.
bool ReadDocumentText(const QString& path, QString& text, QString& error);

// Writes text as UTF-8 to path through a temporary file in the same folder
// that is renamed into place, so a failed save leaves the old file whole.
// On failure returns false with a message naming the file in error.
bool WriteDocumentText(const QString& path, const QString& text, QString& error);

} // namespace rumbela
