// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ConsoleUi.h"

#include "platform/AsciiCase.h"
#include "platform/MeaningInput.h"
#include "platform/StopFlag.h"

#include <QCoreApplication>
#include <QStringList>

namespace tembusa {
namespace {

// Box texts use CR LF or CR between lines; a terminal wants LF.
QByteArray ConsoleLines(const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines.toUtf8();
}

const QString kTab = QStringLiteral("\t");

} // namespace

ConsoleUi::~ConsoleUi()
{
    if (m_Terminal)
        std::fclose(m_Terminal);
}

void ConsoleUi::Print(const QString& text)
{
    std::fputs(ConsoleLines(text).constData(), m_Out);
    std::fflush(m_Out);
}

bool ConsoleUi::ReadAnswer(QString& answer)
{
    std::FILE* in = m_In;
    if (!in) {
        if (!m_TerminalTried) {
            m_TerminalTried = true;
            m_Terminal = std::fopen("/dev/tty", "r");
        }
        in = m_Terminal;
    }
    if (!in)
        return false;
    QByteArray line;
    int c;
    while ((c = std::fgetc(in)) != EOF && c != '\n')
        line += char(c);
    if (c == EOF && line.isEmpty())
        return false;
    answer = QString::fromUtf8(line);
    if (answer.endsWith(QLatin1Char('\r')))
        answer.chop(1);
    return true;
}

void ConsoleUi::ErrorBox(const QString& text)
{
    Print(QStringLiteral("tembusa: error:\n") + text + QLatin1Char('\n'));
}

void ConsoleUi::DatabaseError(const QString&, const QString& line)
{
    Print(QStringLiteral("tembusa: ") + line + QLatin1Char('\n'));
}

void ConsoleUi::Warning(const QString& text)
{
    Print(QStringLiteral("tembusa: ") + text + QLatin1Char('\n'));
}

void ConsoleUi::MessageBox(const QString& text, const QString& title)
{
    Print((title.isEmpty() ? QString() : title + QStringLiteral(": ")) + text + QLatin1Char('\n'));
}

void ConsoleUi::BusyPointer(bool) {}

void ConsoleUi::ProcessEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

QString ConsoleUi::InputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    Print(title + QStringLiteral(" ") + prompt +
          (defaultText.isEmpty() ? QString()
                                 : QStringLiteral("[") + defaultText + QStringLiteral("] ")));
    QString answer;
    if (!ReadAnswer(answer))
        return QString();
    return answer.isEmpty() ? defaultText : answer;
}

QString ConsoleUi::ChooseMeaning(const QString& word, const QStringList& meanings)
{
    QString menu =
        QStringLiteral("\nSelect Correct Word for this context: ") + word + QLatin1Char('\n');
    for (qsizetype i = 0; i < meanings.size(); ++i)
        menu += QStringLiteral("  %1) %2\n").arg(i + 1).arg(meanings.at(i));
    menu += QStringLiteral("  +) Tambah Arti Lain (add a meaning)   s) Stop   "
                           "Enter) keep the English word\n");
    Print(menu);
    for (;;) {
        Print(QStringLiteral("Choice: "));
        QString answer;
        if (!ReadAnswer(answer))
            return QString();
        answer = TrimBlanks(answer);
        if (answer.isEmpty())
            return QString();
        if (answer == QLatin1String("s") || answer == QLatin1String("S")) {
            g_StopFlag = true;
            return QString();
        }
        if (answer == QLatin1String("+")) {
            const QString added = AskNewMeaning(*this, word);
            if (!added.isEmpty())
                return added;
            continue;
        }
        bool ok = false;
        const int number = answer.toInt(&ok);
        if (ok && number >= 1 && number <= meanings.size())
            return TrimBlanks(meanings.at(number - 1)) + kTab + QString::number(number - 1);
        Print(QStringLiteral("Please answer with a number from the list, +, s or Enter.\n"));
    }
}

QString ConsoleUi::AskUnknownWord(const QString& word)
{
    Print(QStringLiteral("\nUnknown Word: ") + word +
          QStringLiteral("\n  t) Tambah (add a meaning)   b) Batal (cancel)   "
                         "d) Tdk. Diartikan (never translate)   s) Stop\n"));
    for (;;) {
        Print(QStringLiteral("Choice [t]: "));
        QString answer;
        if (!ReadAnswer(answer))
            return QStringLiteral("^");
        answer = AsciiLower(TrimBlanks(answer));
        if (answer.isEmpty() || answer == QLatin1String("t")) {
            const QString added = AskNewMeaning(*this, word);
            if (!added.isEmpty())
                return added;
        } else if (answer == QLatin1String("b")) {
            return QStringLiteral("^");
        } else if (answer == QLatin1String("d")) {
            return QStringLiteral("?") + kTab + word + kTab;
        } else if (answer == QLatin1String("s")) {
            g_StopFlag = true;
            return QString();
        }
    }
}

void ConsoleUi::ShowKamus(bool)
{
    Print(QStringLiteral("The dictionary window is not available on the command line.\n"));
}

} // namespace tembusa
