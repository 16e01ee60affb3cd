// SPDX-License-Identifier: GPL-3.0-or-later
// The text dictionary reader on any three files. The input holds the files
// "Kamus-indo.txt", "Kamus-indo-tolak.txt" and "Kamus-indo-idiom.txt" in that
// order, separated by the byte 0x1E; a file the input does not reach is
// empty. What was read is looked up, saved, and read again.
#include <tembusa/Collection.h>
#include <tembusa/Error.h>
#include <tembusa/KamusFile.h>

#include "FuzzSupport.h"
#include "dictionary/FileKamus.h"
#include "platform/AsciiCase.h"

#include <QList>

#include <utility>

using namespace tembusa;

namespace {

using Pairs = QList<std::pair<QString, QString>>;

Pairs PairsOf(Collection& collection)
{
    Pairs pairs;
    for (qint32 i = 1; i <= collection.XCount(); ++i)
        pairs.append({collection.XKey(i), collection.XItem(i)});
    return pairs;
}

// The lookup by key finds an item stored under that key, and a key
// that is not there gives "-1".
void CheckLookup(const Collection& collection, const Pairs& pairs, const QString& key)
{
    const QString found = collection.XItembyKey(key);
    for (const auto& [storedKey, item] : pairs) {
        if (storedKey == AsciiLower(key) && item == found)
            return;
    }
    if (found != QLatin1String("-1"))
        fuzz::Fail("a lookup by key gave an item stored under another key");
    for (const auto& pair : pairs) {
        if (pair.first == AsciiLower(key))
            fuzz::Fail("a lookup by key missed a key that is stored");
    }
}

// A file that begins with a second byte order mark loses it on saving and
// reading again; that is no entry a user can have typed.
bool StartsWithMark(const Pairs& pairs)
{
    return !pairs.isEmpty() && pairs.first().first.startsWith(QChar(0xFEFF));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    fuzz::UseFuzzFolder();
    fuzz::UseQuietUi();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QList<QByteArray> parts = fuzz::InputBytes(data, size).split('\x1e');
    fuzz::WriteAppFile(QStringLiteral("Kamus-indo.txt"), parts.value(0));
    fuzz::WriteAppFile(QStringLiteral("Kamus-indo-tolak.txt"), parts.value(1));
    fuzz::WriteAppFile(QStringLiteral("Kamus-indo-idiom.txt"), parts.value(2));

    KamusFile files;
    files.BukaFileKamus();
    const Pairs indo = PairsOf(KamusIndo());
    if (!indo.isEmpty()) {
        CheckLookup(KamusIndo(), indo, indo.first().first);
        CheckLookup(KamusIndo(), indo, indo.at(indo.size() / 2).first);
        CheckLookup(KamusIndo(), indo, indo.last().first);
    }
    CheckLookup(KamusIndo(), indo, QStringLiteral("\t"));

    // Pairs of key and meaning come back from their file as they were saved.
    const Pairs idiom = PairsOf(KamusIdiom());
    try {
        files.SaveAll();
    } catch (const Error&) {
        fuzz::Fail("the text dictionaries cannot be saved");
    }
    files.BukaFileKamus();
    if ((!StartsWithMark(indo) && PairsOf(KamusIndo()) != indo) ||
        (!StartsWithMark(idiom) && PairsOf(KamusIdiom()) != idiom))
        fuzz::Fail("a text dictionary reads back different from what was saved");
    return 0;
}
