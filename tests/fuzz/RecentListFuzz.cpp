// SPDX-License-Identifier: GPL-3.0-or-later
// The reader of the workbench's recent-file list "recent.rct" on any bytes,
// from memory and from a file; a list read is written and read once more.
#include "FuzzSupport.h"
#include "platform/AppFolder.h"
#include "workbench/RecentList.h"

using namespace rumbela;

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    tembusa::fuzz::UseFuzzFolder();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes = tembusa::fuzz::InputBytes(data, size);
    const RecentList read = RecentList::FromBytes(bytes);
    if (read.Entries().size() != RecentList::kCount)
        tembusa::fuzz::Fail("the list does not hold six entries");

    const QString path = tembusa::AppFilePath(QStringLiteral("recent.rct"));
    tembusa::fuzz::WriteAppFile(QStringLiteral("recent.rct"), bytes);
    RecentList loaded;
    if (!loaded.Load(path) || loaded.Entries() != read.Entries())
        tembusa::fuzz::Fail("the file reads different from its bytes");

    // Saved over the same file, the list reads back as it was saved: a file
    // longer than the new list keeps its tail, which readers ignore.
    const RecentList saved = RecentList::FromBytes(read.ToBytes());
    if (!saved.Save(path) || !loaded.Load(path) || loaded.Entries() != saved.Entries())
        tembusa::fuzz::Fail("a saved list reads back different");
    return 0;
}
