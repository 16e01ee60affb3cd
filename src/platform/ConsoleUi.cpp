// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ConsoleUi.h"

#include <QCoreApplication>

namespace tembusa {
namespace {

// Box texts use CR LF between lines; a terminal wants LF.
QByteArray ConsoleLines(const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return lines.toUtf8();
}

} // namespace

void ConsoleUi::ErrorBox(const QString& text)
{
    std::fprintf(m_Out, "tembusa: error:\n%s\n", ConsoleLines(text).constData());
    std::fflush(m_Out);
}

void ConsoleUi::MessageBox(const QString& text, const QString& title)
{
    if (title.isEmpty())
        std::fprintf(m_Out, "%s\n", ConsoleLines(text).constData());
    else
        std::fprintf(m_Out, "%s: %s\n", title.toUtf8().constData(), ConsoleLines(text).constData());
    std::fflush(m_Out);
}

void ConsoleUi::BusyPointer(bool) {}

void ConsoleUi::ProcessEvents()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

QString ConsoleUi::InputBox(const QString&, const QString&, const QString& defaultText)
{
    return defaultText;
}

QString ConsoleUi::ChooseMeaning(const QString&, const QStringList&)
{
    return QString();
}

QString ConsoleUi::AskUnknownWord(const QString&)
{
    return QStringLiteral("^");
}

void ConsoleUi::ShowKamus(bool) {}

} // namespace tembusa
