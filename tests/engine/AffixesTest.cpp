// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Affixes.h"

#include "support/QtPrinters.h"

#include <QHash>

#include <gtest/gtest.h>

namespace tembusa {
namespace {

TEST(AffixRules, FindsTheStemOrBaseFormAndItsPrefixText)
{
    const QHash<QString, QString> dictionary = {
        {QStringLiteral("like"), QStringLiteral("suka")},
        {QStringLiteral("unlike"), QStringLiteral("beda")},
        {QStringLiteral("able"), QStringLiteral("mampu")},
        {QStringLiteral("run"), QStringLiteral("lari")},
        {QStringLiteral("use"), QStringLiteral("pakai")},
        {QStringLiteral("make"), QStringLiteral("buat")},
        {QStringLiteral("walk"), QStringLiteral("jalan")},
        {QStringLiteral("book"), QStringLiteral("buku")},
        {QStringLiteral("quick"), QStringLiteral("cepat")},
        {QStringLiteral("agree"), QStringLiteral("setuju")},
        {QStringLiteral("write"), QStringLiteral("tulis")},
        {QStringLiteral("take"), QStringLiteral("ambil")},
        {QStringLiteral("happy"), QStringLiteral("senang")},
        {QStringLiteral("teacher"), QStringLiteral("guru")},
        {QStringLiteral("do"), QStringLiteral("lakukan")},
    };
    struct Case
    {
        const char* word;
        const char* meaning;
        const char* prefix;
        QStringList tried; // every lookup, in order
    } const cases[] = {
        {"unlike", "beda", "", {"unlike"}},
        {"unable", "mampu", "tidak ", {"unable", "able"}},
        {"disagree", "setuju", "tidak ", {"disagree", "agree"}},
        {"redo", "lakukan", "ulang ", {"redo", "do"}},
        {"running", "lari", "me", {"running", "runn", "run"}},
        {"walking", "jalan", "me", {"walking", "walk"}},
        {"making", "buat", "me", {"making", "mak", "ma", "mae", "make"}},
        {"used", "pakai", "di", {"used", "us", "use"}},
        {"walked", "jalan", "di", {"walked", "walk"}},
        {"quickly", "cepat", " ", {"quickly", "quick"}},
        {"unhappily", "", " ", {"unhappily", "happily", "happi"}},
        {"books", "buku", "", {"books", "book"}},
        {"teacher's", "guru", "", {"teacher's", "teacher"}},
        {"written", "tulis", "di", {"written", "writt", "write"}},
        {"taken", "ambil", "di", {"taken", "tak", "tae", "take"}},
        {"reading", "", "me", {"reading", "ading", "read", "rea", "reae", "reade"}},
        {"inside", "", "dalam ", {"inside", "side"}},
        {"zzz", "", "", {"zzz"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word);
        QStringList tried;
        const WordLookup lookup = [&](const QString& word) {
            tried << word;
            return dictionary.value(word);
        };
        QString prefix;
        EXPECT_EQ(TranslateWord(QString::fromLatin1(c.word), prefix, lookup),
                  QString::fromLatin1(c.meaning));
        EXPECT_EQ(prefix, QString::fromLatin1(c.prefix));
        EXPECT_EQ(tried, c.tried);
    }
}

} // namespace
} // namespace tembusa
