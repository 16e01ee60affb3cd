// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/WordFilter.h"

#include <tembusa/KamusData.h>

#include "platform/ScriptedUi.h"
#include "support/FixtureKamus.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tembusa {
namespace {

// Lists held in memory; "both" is in both lists.
class FakeLists : public WordLists
{
public:
    bool IsWordRejected(const QString& word) override
    {
        asked << word;
        return word == QLatin1String("kg") || word == QLatin1String("both");
    }
    bool IsWordIgnored(const QString& word) override
    {
        return word == QLatin1String("um") || word == QLatin1String("both");
    }
    QStringList asked;
};

TEST(WordFilter, FirstRuleThatAppliesDecides)
{
    struct Case
    {
        const char* name;
        QString word;
        bool lookUp;
        qint16 flag;
        QString reason;
    } const cases[] = {
        {"empty", QString(), false, 0, reason::kBlank},
        {"tab first", QStringLiteral("\tword"), false, 1, reason::kControl},
        {"bracket first", QStringLiteral("(word"), false, 2, reason::kSign},
        {"minus before a digit", QStringLiteral("-5"), false, 2, reason::kSign},
        {"backtick first", QStringLiteral("`x"), false, 2, reason::kSign},
        {"ordinal", QStringLiteral("2nd"), false, 3, reason::kDigit},
        {"lower-case address", QStringLiteral("http://example.org"), false, 6, reason::kUrl},
        {"capital address before the capitals rule", QStringLiteral("HTTP://EXAMPLE.ORG"), false, 6,
         reason::kUrl},
        {"capitals at both ends", QStringLiteral("USA"), false, 9, reason::kCapitalBothEnds},
        {"the word I", QStringLiteral("I"), false, 9, reason::kCapitalBothEnds},
        {"capital A before the article rule", QStringLiteral("A"), false, 9,
         reason::kCapitalBothEnds},
        {"article", QStringLiteral("a"), false, 8, reason::kToBe},
        {"to be", QStringLiteral("were"), false, 8, reason::kToBe},
        {"capital Is is looked up", QStringLiteral("Is"), true, 4, reason::kCapital},
        {"rejected", QStringLiteral("kg"), false, 5, reason::kRejected},
        {"rejected before ignored", QStringLiteral("both"), false, 5, reason::kRejected},
        {"ignored", QStringLiteral("um"), false, 7, reason::kIgnored},
        {"closing bracket last", QStringLiteral("word)"), false, 10, reason::kRightSign},
        {"semicolon last after a capital", QStringLiteral("Word;"), false, 10, reason::kRightSign},
        {"apostrophe first is no sign", QStringLiteral("'tis"), true, 0, QString()},
        {"capital passes every rule", QStringLiteral("Book"), true, 4, reason::kCapital},
        {"accented capital is no capital", QStringLiteral("\u00c9T\u00c9"), true, 0, QString()},
        {"plain word", QStringLiteral("book"), true, 0, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeLists lists;
        QString why = QStringLiteral("stale");
        qint16 flag = 0;
        EXPECT_EQ(FilterWord(c.word, why, flag, lists), c.lookUp);
        EXPECT_EQ(flag, c.flag);
        EXPECT_EQ(why, c.reason);
    }
}

TEST(WordFilter, EarlyRulesNeedNoDatabase)
{
    FakeLists lists;
    QString why;
    qint16 flag = 0;
    for (const char* word : {"", "(x", "2nd", "http://x", "USA"})
        FilterWord(QString::fromLatin1(word), why, flag, lists);
    EXPECT_TRUE(lists.asked.isEmpty());
}

// The reject and ignore lists of a real dictionary, compared without regard
// to ASCII case, with apostrophes stored as backticks.
TEST(WordFilter, ListsOfTheDictionaryIgnoreCaseAndUseBackticks)
{
    test::TempFolder folder;
    const QString db = test::CreateKamus(folder.path());
    test::ExecSql(db, QStringLiteral("INSERT INTO [indo-tolak](kata) VALUES('KM'),('don`t');"
                                     "INSERT INTO [indo-acuh](kata) VALUES('Uh');"));
    ScriptedUi ui;
    ScriptedUi::Scope scope(ui);
    KamusData kamus;
    kamus.OpenAll();
    ASSERT_TRUE(kamus.Connected());

    struct Case
    {
        QString word;
        qint16 flag;
        QString result;
    } const cases[] = {
        {QStringLiteral(" km "), 5, QStringLiteral("km")},
        {QStringLiteral("Don't"), 5, QStringLiteral("Don't")},
        {QStringLiteral("uh"), 7, QString()},
        {QStringLiteral("3rd"), 3, QString()},
        {QStringLiteral("(x"), 2, QStringLiteral("(x")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.word.toStdString());
        EXPECT_EQ(kamus.Arti(c.word), c.result);
        EXPECT_EQ(kamus.Flag(), c.flag);
    }
    EXPECT_TRUE(ui.errorBoxes.isEmpty());
}

} // namespace
} // namespace tembusa
