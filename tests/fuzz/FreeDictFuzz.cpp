// SPDX-License-Identifier: GPL-3.0-or-later
// The FreeDict readers on any index and data file. The input is the index,
// the byte 0x1E and the entry texts; the entry texts are packed as gzip
// here, so the readers behind the decompression see what the input holds.
// An input that begins with "Z" gives its data part as the ".dict.dz" file
// unchanged, for the decompression's own checks.
#include "FuzzSupport.h"
#include "cli/FreeDict.h"
#include "platform/AppFolder.h"

#include <zlib.h>

using namespace tembusa;

namespace {

QByteArray Gzip(const QByteArray& text)
{
    z_stream stream{};
    if (deflateInit2(&stream, Z_DEFAULT_COMPRESSION, Z_DEFLATED, 16 + MAX_WBITS, 8,
                     Z_DEFAULT_STRATEGY) != Z_OK)
        fuzz::Fail("zlib cannot be started");
    QByteArray packed(qsizetype(deflateBound(&stream, uLong(text.size()))), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(text.constData()));
    stream.avail_in = uInt(text.size());
    stream.next_out = reinterpret_cast<Bytef*>(packed.data());
    stream.avail_out = uInt(packed.size());
    if (deflate(&stream, Z_FINISH) != Z_STREAM_END)
        fuzz::Fail("zlib cannot pack the entries");
    packed.resize(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return packed;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::UseFuzzFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray input = fuzz::InputBytes(data, size);
    const bool packedAlready = input.startsWith('Z');
    const qsizetype split = input.indexOf('\x1e');
    const QByteArray index = split < 0 ? input : input.left(split);
    const QByteArray entries = split < 0 ? QByteArray() : input.mid(split + 1);
    fuzz::WriteAppFile(QStringLiteral("fuzz.index"), index);
    fuzz::WriteAppFile(QStringLiteral("fuzz.dict.dz"), packedAlready ? entries : Gzip(entries));

    cli::FreeDictContent content;
    QString error;
    const bool read =
        cli::ReadFreeDict(AppFilePath(QStringLiteral("fuzz.index")),
                          AppFilePath(QStringLiteral("fuzz.dict.dz")), content, error);
    if (!read && (error.isEmpty() || !content.headwords.empty()))
        fuzz::Fail("a refused dictionary gives no reason or keeps headwords");
    for (const cli::KamusRow& row : content.headwords) {
        if (row.meanings.isEmpty() || row.meanings.size() > cli::kMaxMeanings)
            fuzz::Fail("a headword holds no meaning or too many");
    }
    return 0;
}
