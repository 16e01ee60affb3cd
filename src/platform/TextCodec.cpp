// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/TextCodec.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace tembusa {
namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F. The five bytes the code
// page leaves undefined map to the C1 control of the same value, as Windows
// itself does.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

bool IsValidUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString ignored = decoder.decode(bytes);
    return !decoder.hasError();
}

QString DecodeWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        *out++ = QChar(b >= 0x80 && b < 0xA0 ? kCp1252High[b - 0x80] : char16_t(b));
    }
    return text;
}

QString DecodeText(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return DecodeWindows1252(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

bool ReadFileBytes(const QString& path, QByteArray& bytes, QString& error)
{
    const QFileInfo info(path);
    if (!info.exists()) {
        error = QStringLiteral("cannot read \"%1\": the file does not exist").arg(path);
        return false;
    }
    if (info.isDir()) {
        error = QStringLiteral("cannot read \"%1\": it is a folder, not a file").arg(path);
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot read \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        error = QStringLiteral("cannot read \"%1\": %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

bool ReadTextFile(const QString& path, QString& text, QString& error)
{
    QByteArray bytes;
    if (!ReadFileBytes(path, bytes, error))
        return false;
    text = DecodeText(bytes);
    return true;
}

} // namespace tembusa
