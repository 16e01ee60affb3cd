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

// Counts the well-formed multi-byte UTF-8 characters and the bytes that
// belong to none.
void CountUtf8(const QByteArray& bytes, qsizetype& multiByte, qsizetype& stray)
{
    multiByte = 0;
    stray = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n;) {
        const auto b = static_cast<unsigned char>(bytes.at(i));
        const int length = b < 0x80                 ? 1
                           : b >= 0xC2 && b <= 0xDF ? 2
                           : b >= 0xE0 && b <= 0xEF ? 3
                           : b >= 0xF0 && b <= 0xF4 ? 4
                                                    : 0;
        bool ok = length > 0 && i + length <= n;
        for (int k = 1; ok && k < length; ++k)
            ok = (static_cast<unsigned char>(bytes.at(i + k)) & 0xC0) == 0x80;
        if (!ok) {
            ++stray;
            ++i;
            continue;
        }
        if (length > 1)
            ++multiByte;
        i += length;
    }
}

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

QString DecodeText(const QByteArray& bytes, TextDecoding* how)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    TextDecoding chosen = TextDecoding::Utf8;
    if (decoder.hasError()) {
        qsizetype multiByte = 0;
        qsizetype stray = 0;
        CountUtf8(bytes, multiByte, stray);
        // One stray byte in a UTF-8 file must not turn its letters into
        // Windows-1252 pairs ("caf\u00c3\u00a9").
        chosen = multiByte > 0 && stray <= multiByte ? TextDecoding::Utf8Repaired
                                                     : TextDecoding::Windows1252;
        if (chosen == TextDecoding::Windows1252)
            text = DecodeWindows1252(bytes);
    }
    if (how)
        *how = chosen;
    if (chosen != TextDecoding::Windows1252 && text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

bool ReadAllBytes(QFileDevice& device, const QString& name, QByteArray& bytes, QString& error)
{
    bytes.clear();
    constexpr qint64 kChunk = 1 << 20;
    for (;;) {
        const QByteArray chunk = device.read(kChunk);
        if (chunk.isEmpty()) {
            if (device.error() == QFileDevice::NoError)
                return true;
            break;
        }
        if (bytes.size() + chunk.size() > kMaxTextBytes) {
            bytes.clear();
            error = QStringLiteral("cannot read %1: it is larger than %2 MiB, the most a text "
                                   "may hold")
                        .arg(name)
                        .arg(kMaxTextBytes / (1024 * 1024));
            return false;
        }
        bytes += chunk;
    }
    error = QStringLiteral("cannot read %1: %2").arg(name, device.errorString());
    return false;
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
    return ReadAllBytes(file, QLatin1Char('"') + path + QLatin1Char('"'), bytes, error);
}

bool ReadTextFile(const QString& path, QString& text, QString& error, TextDecoding* how)
{
    QByteArray bytes;
    if (!ReadFileBytes(path, bytes, error))
        return false;
    text = DecodeText(bytes, how);
    return true;
}

} // namespace tembusa
