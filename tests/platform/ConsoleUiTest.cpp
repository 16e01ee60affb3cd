// SPDX-License-Identifier: GPL-3.0-or-later
// The terminal dialogs of the command-line client, answered from a script.
#include "platform/ConsoleUi.h"

#include "platform/StopFlag.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace tembusa {
namespace {

// A ConsoleUi reading the given answers and writing its questions to memory.
class Console
{
public:
    explicit Console(const char* answers)
        : m_Answers(answers), m_In(fmemopen(m_Answers.data(), m_Answers.size(), "r")),
          m_Out(open_memstream(&m_Buffer, &m_Size)), ui(m_Out, m_In)
    {
        g_StopFlag = false;
    }
    ~Console()
    {
        std::fclose(m_In);
        std::fclose(m_Out);
        std::free(m_Buffer);
    }
    QString Shown()
    {
        std::fflush(m_Out);
        return QString::fromUtf8(m_Buffer, qsizetype(m_Size));
    }

private:
    std::string m_Answers;
    std::FILE* m_In;
    char* m_Buffer = nullptr;
    size_t m_Size = 0;
    std::FILE* m_Out;

public:
    ConsoleUi ui;
};

const QStringList kMeanings{QStringLiteral(" membaca "), QStringLiteral("baca")};

TEST(ConsoleUi, MeaningChoiceAnswers)
{
    struct Case
    {
        const char* name;
        const char* typed;
        QString answer;
        bool stopped;
    } const cases[] = {
        {"a number picks that meaning, trimmed", "1\n", QStringLiteral("membaca\t0"), false},
        {"a wrong answer asks again", "7\nx\n2\n", QStringLiteral("baca\t1"), false},
        {"Enter keeps the English word", "\n", QString(), false},
        {"end of input is Escape", "", QString(), false},
        {"s stops", "s\n", QString(), true},
        {"+ adds a meaning", "+\nmenelaah\n", QStringLiteral("+\tread\tmenelaah"), false},
        {"an empty new meaning is refused", "+\n\n2\n", QStringLiteral("baca\t1"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Console console(c.typed);
        EXPECT_EQ(console.ui.ChooseMeaning(QStringLiteral("read"), kMeanings), c.answer);
        EXPECT_EQ(bool(g_StopFlag), c.stopped);
        const QString shown = console.Shown();
        EXPECT_TRUE(shown.contains(QStringLiteral("1) ") + kMeanings.at(0)));
        if (QByteArray(c.typed).startsWith("+\n\n")) {
            EXPECT_TRUE(shown.contains(QStringLiteral("Artinya tidak diisi.")));
        }
    }
}

TEST(ConsoleUi, UnknownWordAnswers)
{
    struct Case
    {
        const char* typed;
        QString answer;
    } const cases[] = {
        {"t\nsetan\n", QStringLiteral("+\tzork\tsetan")},
        {"d\n", QStringLiteral("?\tzork\t")},
        {"b\n", QStringLiteral("^")},
        {"", QStringLiteral("^")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        Console console(c.typed);
        EXPECT_EQ(console.ui.AskUnknownWord(QStringLiteral("zork")), c.answer);
    }
}

TEST(ConsoleUi, BoxesBecomeLines)
{
    Console console("");
    console.ui.ErrorBox(QStringLiteral("Error Number:14\r\nModule:DOConnect with "));
    EXPECT_EQ(console.Shown(),
              QStringLiteral("tembusa: error:\nError Number:14\nModule:DOConnect with \n"));
}

} // namespace
} // namespace tembusa
