// SPDX-License-Identifier: GPL-3.0-or-later
#include <tembusa/Error.h>
#include <tembusa/TlrEngine.h>

#include "platform/ScriptedUi.h"
#include "platform/StopFlag.h"
#include "support/FixtureKamus.h"
#include "support/QtPrinters.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

namespace tembusa {
namespace {

class TlrEngineTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_StopFlag = false;
        test::CreateKamus(folder.path());
    }

    test::TempFolder folder;
    ScriptedUi ui;
    ScriptedUi::Scope scope{ui};
};

TEST_F(TlrEngineTest, FreshEngine)
{
    TlrEngine engine;
    EXPECT_TRUE(engine.Connected());
    EXPECT_EQ(engine.SearchFlag(), 0);
    EXPECT_EQ(engine.IdxCurKalimat(), 0);
    EXPECT_FALSE(engine.m_UseStatistic());
    EXPECT_TRUE(engine.Rumbela().isEmpty());
    EXPECT_EQ(engine.m_Control(), nullptr);
    EXPECT_TRUE(ui.errorBoxes.isEmpty());
}

TEST_F(TlrEngineTest, ConnectedAndMConnectedAreOneValue)
{
    TlrEngine engine;
    engine.Connected(false);
    EXPECT_FALSE(engine.m_Connected());
    engine.m_Connected(true);
    EXPECT_TRUE(engine.Connected());
}

TEST_F(TlrEngineTest, ListingsBeforeAnyParse)
{
    TlrEngine engine;
    for (auto list : {&TlrEngine::ListParagraf, &TlrEngine::ListKalimat}) {
        try {
            (engine.*list)(QStringLiteral("text"));
            ADD_FAILURE() << "no error before the first parse";
        } catch (const Error& error) {
            EXPECT_EQ(error.number(), 9);
        }
    }
    EXPECT_EQ(engine.ListKata(QStringLiteral("text")), QString());
}

TEST_F(TlrEngineTest, ParserFeedsTheListings)
{
    TlrEngine engine;
    const QString text = QStringLiteral("Hello world");
    engine.Parser(text);
    EXPECT_EQ(engine.ListKata(text), QStringLiteral("\r\n1,6-Hello\r\n7,12-world"));
    EXPECT_EQ(engine.ListKalimat(text), QStringLiteral("\r\n1,12-Hello world"));
    EXPECT_EQ(engine.ListParagraf(text), QStringLiteral("\r\n1,12-Hello world"));
}

TEST_F(TlrEngineTest, StopTranslateSharesOneFlagAcrossEngines)
{
    TlrEngine first;
    TlrEngine second;
    second.StopTranslate();
    EXPECT_TRUE(g_StopFlag);
    // Nothing else changes.
    EXPECT_EQ(first.IdxCurKalimat(), 0);
}

TEST_F(TlrEngineTest, SelKalimatWithoutTranslationSelectsNothing)
{
    TlrEngine engine;
    engine.IdxCurKalimat(7);
    engine.Parser(QStringLiteral("One. Two."));
    EXPECT_FALSE(engine.SelKalimat(0).isValid());
    EXPECT_EQ(engine.IdxCurKalimat(), 7);
}

} // namespace
} // namespace tembusa
