// SPDX-License-Identifier: GPL-3.0-or-later
// Bytes as a file holds them: decoded, cut into units, and listed in the
// three tables, through the engine's own Parser and listings.
#include <tembusa/TlrEngine.h>

#include "FuzzSupport.h"
#include "engine/Segmentation.h"
#include "platform/TextCodec.h"

#include <memory>

using namespace tembusa;

namespace {

std::unique_ptr<TlrEngine> g_Engine;

// The listing written in pieces must be the listing built whole.
void CheckPieces(const UnitTable& table, const QString& text)
{
    QString joined;
    WriteUnits(table, text, [&joined](const QString& piece) { joined += piece; });
    if (joined != ListUnits(table, text))
        fuzz::Fail("the listing written in pieces differs from the whole listing");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::UseFuzzFolder();
    fuzz::UseQuietUi();
    // No dictionary: parsing and listing never need one.
    g_Engine = std::make_unique<TlrEngine>();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = DecodeText(fuzz::InputBytes(data, size));
    g_Engine->Parser(text);
    const QString paragraphs = g_Engine->ListParagraf(text);
    const QString sentences = g_Engine->ListKalimat(text);
    const QString words = g_Engine->ListKata(text);

    UnitTables tables;
    ParseUnits(text, tables);
    // An empty text leaves the engine's first units of the text before in
    // place, so only a text with something in it must list as a fresh parse.
    if (!text.isEmpty() && (ListUnits(*tables.paragraphs, text) != paragraphs ||
                            ListUnits(*tables.sentences, text) != sentences ||
                            ListUnits(*tables.words, text) != words))
        fuzz::Fail("the engine's listings differ from a fresh parse");
    CheckPieces(*tables.paragraphs, text);
    CheckPieces(*tables.sentences, text);
    CheckPieces(*tables.words, text);
    return 0;
}
