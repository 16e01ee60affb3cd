// SPDX-License-Identifier: GPL-3.0-or-later
// The keyword file reader on any "WordFile.txt". Refusing a file with
// tembusa::Error is its documented answer; anything else must not escape.
#include <tembusa/Error.h>
#include <tembusa/WordFile.h>

#include "FuzzSupport.h"

using namespace tembusa;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::UseFuzzFolder();
    fuzz::UseQuietUi();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::WriteAppFile(QStringLiteral("WordFile.txt"), fuzz::InputBytes(data, size));
    WordFile words;
    try {
        words.Load();
    } catch (const Error&) {
        // A refused file; the values read before the failure stay readable.
    }
    const qsizetype total = words.Tags().size() + words.Attributes().size() +
                            words.Delimiters().size() + words.FunctionString().size() +
                            words.FileExtensions().size();
    // Every value is taken from a line of its own; none can be longer than
    // the file.
    if (total > qsizetype(size))
        fuzz::Fail("the keyword values hold more text than the file");
    return 0;
}
