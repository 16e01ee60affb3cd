// SPDX-License-Identifier: GPL-3.0-or-later
#include <tembusa/CWords.h>

#include <tembusa/Error.h>

#include "platform/AppFolder.h"
#include "platform/AsciiCase.h"
#include "platform/TextCodec.h"
#include "platform/TextLines.h"

#include <QFileInfo>

namespace tembusa {

CWords::CWords() = default;
CWords::~CWords() = default;

void CWords::Load()
{
    const QString path = SharedFilePath(QStringLiteral("Kamus.txt"));
    QString text;
    QString error;
    if (!ReadTextFile(path, text, error)) {
        throw Error(QFileInfo::exists(path) ? Error::kInvalidArgument : Error::kFileNotFound,
                    error);
    }
    QStringList lines;
    for (const QString& line : SplitLines(text)) {
        if (!line.isEmpty() && line.front().unicode() > 20)
            lines << line;
    }
    m_Lines = lines;
}

void CWords::Add(const QString&) {}

qint32 CWords::count() const
{
    return 0;
}

QString CWords::Words() const
{
    return QString();
}

void CWords::Words(const QString&) {}

QString CWords::Arti(const QString& sKata) const
{
    if (sKata.isEmpty())
        return QString();
    const QString wanted = AsciiUpper(sKata);
    for (const QString& line : m_Lines) {
        if (AsciiUpper(line.left(sKata.size())) == wanted)
            return line.section(QLatin1Char('\t'), 1, 1);
    }
    return sKata;
}

} // namespace tembusa
