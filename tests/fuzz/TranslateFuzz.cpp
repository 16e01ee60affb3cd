// SPDX-License-Identifier: GPL-3.0-or-later
// Translate over a small fixture dictionary: a text decoded from the input,
// translated by meaning statistics or, when the first byte is odd, with every
// meaning choice answered by Escape; then a click at a position of the
// translation.
#include <tembusa/TlrEngine.h>

#include "FuzzSupport.h"
#include "dictionary/Schema.h"
#include "platform/TextCodec.h"
#include "support/FakeHost.h"

#include <QDir>
#include <QFile>

#include <sqlite3.h>

using namespace tembusa;

namespace {

// Single and several meanings (with counters), a phrase, capitals, a word
// Indonesian leaves untranslated, an ignored word, rule words of both types,
// an affix base and a stored apostrophe.
const char kFixtureRows[] =
    "INSERT INTO [indo-data](English, Indo1, Indo2, Indo3, Stat1, Stat2, Stat3) VALUES"
    " ('hello','halo',NULL,NULL,0,0,0), ('world','dunia',NULL,NULL,0,0,0),"
    " ('book','buku',NULL,NULL,0,0,0), ('read','membaca','baca',NULL,1,3,0),"
    " ('he','dia','ia','beliau',5,2,NULL), ('sleep','tidur',NULL,NULL,0,0,0),"
    " ('my','saya',NULL,NULL,0,0,0), ('house','rumah',NULL,NULL,0,0,0),"
    " ('coffee','kopi',NULL,NULL,0,0,0), ('shop','toko',NULL,NULL,0,0,0),"
    " ('thank you','terima kasih',NULL,NULL,0,0,0), ('friday','Jum`at',NULL,NULL,0,0,0),"
    " ('don`t','jangan',NULL,NULL,0,0,0), ('caf\xC3\xA9','kafe',NULL,NULL,0,0,0),"
    " ('good','bagus','baik',NULL,NULL,NULL,NULL), ('run','lari','',NULL,0,0,0);"
    "INSERT INTO [Indo-Rule1](English, TypeBA) VALUES ('my','A'), ('coffee','B'), ('good','a'),"
    " ('shop','x');"
    "INSERT INTO [indo-tolak](kata) VALUES ('km'), ('Linux');"
    "INSERT INTO [indo-acuh](kata) VALUES ('um');";

void CreateFixtureKamus(const QString& folder)
{
    const QString path = QDir(folder).filePath(QStringLiteral("kamus.mdb"));
    QString error;
    if (!CreateKamusFile(path, error))
        fuzz::Fail("cannot create the fixture dictionary");
    sqlite3* db = nullptr;
    const bool filled = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                                        SQLITE_OPEN_READWRITE, nullptr) == SQLITE_OK &&
                        sqlite3_exec(db, kFixtureRows, nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    if (!filled)
        fuzz::Fail("cannot fill the fixture dictionary");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    CreateFixtureKamus(fuzz::UseFuzzFolder());
    fuzz::UseQuietUi();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const bool ask = size > 0 && (data[0] & 1) != 0;
    const QString text = DecodeText(fuzz::InputBytes(data, size));

    test::FakeSourcePane source;
    test::FakeTargetPane target;
    test::FakeProgressBar progress;
    test::FakeStatusText status;
    test::FakeUnknownList unknown;
    TlrEngine engine;
    if (!engine.Connected())
        fuzz::Fail("the fixture dictionary does not open");
    engine.m_Control(&source);
    engine.m_ControlTarget(&target);
    engine.m_ProgressBar(&progress);
    engine.m_ControlLabel(&status);
    engine.m_UnknownList(&unknown);
    engine.m_UseStatistic(!ask);

    const QString result = engine.Translate(text);
    // A click somewhere in the translation, and one just past its end.
    engine.SelKalimat(size > 1 ? qint32(data[1]) % (qint32(result.size()) + 1) : 0);
    engine.SelKalimat(qint32(result.size()));
    return 0;
}
