// SPDX-License-Identifier: GPL-3.0-or-later
// A run with kept answers and batched reads gives exactly what a run that
// asks the database for every lookup gives, while another connection changes
// the dictionary in the middle of the run.
#include <tembusa/TlrEngine.h>

#include "dictionary/LookupCache.h"
#include "platform/ScriptedUi.h"
#include "platform/StopFlag.h"
#include "support/FakeHost.h"
#include "support/FixtureKamus.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <QFile>

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace tembusa {
namespace {

const QString kFixture = QStringLiteral(
    "INSERT INTO [indo-data](English, Indo1, Indo2, Stat1, Stat2) VALUES"
    " ('i','saya',NULL,0,0), ('read','membaca',NULL,0,0), ('book','buku',NULL,0,0),"
    " ('he','dia','ia',1,0), ('good','bagus',NULL,0,0), ('house','rumah',NULL,0,0),"
    " ('big','besar',NULL,0,0), ('my','saya',NULL,0,0), ('good book','buku bagus',NULL,0,0);"
    "INSERT INTO [Indo-Rule1](English, TypeBA) VALUES ('my','A');"
    "INSERT INTO [indo-tolak](kata) VALUES ('km');");

// Sentences that come back, so a kept answer would show if it went stale.
const QString kText =
    QStringLiteral("I read the book. He reads a good book. The zorb is big. My house is big.\n"
                   "I read the book. He reads a good book. The zorb is big. My house is big.\n"
                   "I read the book. He reads a good book. The zorb is big. My house is big.\n"
                   "He read the good house. The zorb reads my book.\n");

// A statement run on its own connection when the status text shows `when`
// for the first time: "Processing : " and a sentence (before that sentence is
// translated) or "Searching..." and a word (just after it was looked up).
struct Change
{
    QString when;
    QString sql;
};

// Counts what the status text showed and makes the changes at their time.
class ChangingStatus : public StatusText
{
public:
    ChangingStatus(QString db, std::vector<Change> changes)
        : m_Db(std::move(db)), m_Changes(std::move(changes))
    {}
    void Visible(bool) override {}
    void Text(const QString& value) override { m_Shown = value; }
    // At ProcessEvents: the host's chance to act.
    void Act()
    {
        for (Change& change : m_Changes) {
            if (!change.sql.isEmpty() && change.when == m_Shown) {
                test::ExecSql(m_Db, change.sql);
                change.sql.clear();
            }
        }
    }

private:
    QString m_Db;
    std::vector<Change> m_Changes;
    QString m_Shown;
};

struct Outcome
{
    QString translation;
    QStringList unknown;
    QStringList asked; // the meaning lists of the dialogs
    QStringList rows;  // every table, row by row
};

QStringList DumpTables(const QString& path)
{
    QStringList rows;
    sqlite3* db = nullptr;
    sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    for (const char* table :
         {"indo-data", "indo-tolak", "indo-acuh", "Indo-Rule1", "indo-unknown"}) {
        sqlite3_stmt* statement = nullptr;
        const QByteArray sql = QByteArray("SELECT * FROM [") + table + "] ORDER BY rowid";
        sqlite3_prepare_v2(db, sql.constData(), -1, &statement, nullptr);
        while (sqlite3_step(statement) == SQLITE_ROW) {
            QString row = QString::fromLatin1(table);
            for (int c = 0; c < sqlite3_column_count(statement); ++c) {
                const auto* text = sqlite3_column_text(statement, c);
                row += QLatin1Char('|') +
                       (text ? QString::fromUtf8(reinterpret_cast<const char*>(text))
                             : QStringLiteral("NULL"));
            }
            rows << row;
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return rows;
}

struct Script
{
    Script(std::vector<Change> changes_ = {}, QStringList savedUnknown_ = {},
           QStringList meaningAnswers_ = {})
        : changes(std::move(changes_)), savedUnknown(std::move(savedUnknown_)),
          ask(!meaningAnswers_.isEmpty()), meaningAnswers(std::move(meaningAnswers_))
    {}
    std::vector<Change> changes;
    QStringList savedUnknown;   // stored through the engine halfway through
    bool ask;                   // the meaning choice asks instead of counting
    QStringList meaningAnswers; // for the dialogs when asking
};

Outcome TranslateRun(bool shortcuts, const Script& script)
{
    test::TempFolder folder;
    const QString db = test::CreateKamus(folder.path());
    test::ExecSql(db, kFixture);
    UseLookupShortcuts(shortcuts);
    g_StopFlag = false;
    ScriptedUi ui;
    ScriptedUi::Scope scope(ui);
    ui.meaningAnswers = script.meaningAnswers;
    ChangingStatus status(db, script.changes);
    test::FakeUnknownList unknown;
    Outcome outcome;
    {
        TlrEngine engine;
        engine.m_ControlLabel(&status);
        engine.m_UnknownList(&unknown);
        engine.m_UseStatistic(!script.ask);
        int events = 0;
        ui.onProcessEvents = [&] {
            status.Act();
            // A host saving unknown words during the run writes through the
            // engine's own connection.
            if (++events == 40) {
                for (const QString& word : script.savedUnknown)
                    engine.InsertUnknown(word);
            }
        };
        outcome.translation = engine.Translate(kText);
    }
    UseLookupShortcuts(true);
    outcome.unknown = unknown.items;
    for (const QStringList& list : ui.meaningLists)
        outcome.asked << list.join(QLatin1Char('/'));
    outcome.rows = DumpTables(db);
    return outcome;
}

TEST(CachedLookups, GiveWhatThePlainLookupsGiveWhileTheDictionaryChanges)
{
    const QString zorb = QStringLiteral("Processing : The zorb is big.");
    struct Case
    {
        const char* name;
        Script script;
    } const cases[] = {
        {"nothing changes", {}},
        {"another program learns a word between sentences",
         {{{zorb, QStringLiteral("INSERT INTO [indo-data](English, Indo1) "
                                 "VALUES ('zorb','zorba')")}}}},
        {"another program counts a choice between sentences",
         {{{QStringLiteral("Processing : He reads a good book."),
            QStringLiteral("UPDATE [indo-data] SET Stat2 = 5 WHERE English = 'he'")}}}},
        {"another program rejects a word between sentences",
         {{{QStringLiteral("Processing : My house is big."),
            QStringLiteral("INSERT INTO [indo-tolak](kata) VALUES ('BOOK')")}}}},
        {"another program adds a rule word between sentences",
         {{{zorb, QStringLiteral("INSERT INTO [Indo-Rule1](English, TypeBA) "
                                 "VALUES ('zorb','a')")}}}},
        {"another program changes a meaning between two words",
         {{{QStringLiteral("Searching...read"),
            QStringLiteral("UPDATE [indo-data] SET Indo1 = 'raksasa' "
                           "WHERE English = 'big'")}}}},
        {"several changes, and unknown words stored by the host",
         {{{zorb, QStringLiteral("INSERT INTO [indo-data](English, Indo1) "
                                 "VALUES ('zorb','zorba')")},
           {QStringLiteral("Processing : My house is big."),
            QStringLiteral("DELETE FROM [indo-data] WHERE English = 'house'")},
           {QStringLiteral("Searching...he"),
            QStringLiteral("UPDATE [indo-data] SET Stat1 = 0, Stat2 = 3 "
                           "WHERE English = 'he'")}},
          {QStringLiteral("zorb")}}},
        {"the user's own choices and meanings are written as the run goes",
         {{{zorb, QStringLiteral("UPDATE [indo-data] SET Indo3 = 'beliau' "
                                 "WHERE English = 'he'")}},
          {},
          {QStringLiteral("ia\t1"), QStringLiteral("+\the\tsang"), QStringLiteral("dia\t0"),
           QStringLiteral("sang\t3")}}},
    };
    const Outcome unchanged = TranslateRun(false, {});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome plain = TranslateRun(false, c.script);
        const Outcome kept = TranslateRun(true, c.script);
        // Each change shows in the translation, so a stale answer would too.
        if (!c.script.changes.empty()) {
            EXPECT_NE(plain.translation, unchanged.translation);
        }
        EXPECT_EQ(kept.translation, plain.translation);
        EXPECT_EQ(kept.unknown, plain.unknown);
        EXPECT_EQ(kept.asked, plain.asked);
        EXPECT_EQ(kept.rows, plain.rows);
    }
}

} // namespace
} // namespace tembusa
