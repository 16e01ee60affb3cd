// SPDX-License-Identifier: GPL-3.0-or-later
#include "Dictzip.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace tembusa::test {
namespace {

void PutLe(QByteArray& bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.append(char((value >> (8 * i)) & 0xff));
}

} // namespace

QByteArray DictdNumber(qint64 value)
{
    static const char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    QByteArray text;
    do {
        text.prepend(digits[value % 64]);
        value /= 64;
    } while (value > 0);
    return text;
}

QByteArray Dictzip(const QByteArray& text)
{
    EXPECT_LT(text.size(), 65536);
    z_stream stream{};
    EXPECT_EQ(
        deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY),
        Z_OK);
    QByteArray packed(int(compressBound(uLong(text.size()))) + 16, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.constData()));
    stream.avail_in = uInt(text.size());
    stream.next_out = reinterpret_cast<Bytef*>(packed.data());
    stream.avail_out = uInt(packed.size());
    EXPECT_EQ(deflate(&stream, Z_FINISH), Z_STREAM_END);
    packed.resize(qsizetype(stream.total_out));
    deflateEnd(&stream);

    QByteArray file("\x1f\x8b\x08\x04", 4); // gzip, deflate, extra field present
    PutLe(file, 0, 4);                      // time
    file.append("\x02\x03", 2);             // best compression, Unix
    PutLe(file, 12, 2);                     // extra field length
    file.append("RA", 2);
    PutLe(file, 8, 2);                      // subfield length
    PutLe(file, 1, 2);                      // version
    PutLe(file, quint32(text.size()), 2);   // chunk length
    PutLe(file, 1, 2);                      // chunk count
    PutLe(file, quint32(packed.size()), 2); // size of the one chunk
    file.append(packed);
    PutLe(file,
          quint32(crc32(0, reinterpret_cast<const Bytef*>(text.constData()), uInt(text.size()))),
          4);
    PutLe(file, quint32(text.size()), 4);
    return file;
}

} // namespace tembusa::test
