// SPDX-License-Identifier: GPL-3.0-or-later
// Translating a text file: FileOpenHTML and its line reader.
#include "engine/FileTranslation.h"

#include <tembusa/Error.h>

#include "platform/TextCodec.h"

#include <QFileInfo>

namespace tembusa {

QString ReadTextFileLines(const QString& path)
{
    QString text;
    QString error;
    if (!ReadTextFile(path, text, error))
        throw Error(QFileInfo::exists(path) ? Error::kInvalidArgument : Error::kFileNotFound,
                    error);
    // A line ends at CR or CR LF; a lone LF belongs to its line. Every line,
    // the last one included, gets CR LF.
    QString result;
    result.reserve(text.size() + 2);
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) != QLatin1Char('\r'))
            continue;
        result += QStringView(text).mid(lineStart, i - lineStart);
        result += QLatin1String("\r\n");
        if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        lineStart = i + 1;
    }
    if (lineStart < text.size()) {
        result += QStringView(text).mid(lineStart);
        result += QLatin1String("\r\n");
    }
    return result;
}

} // namespace tembusa
