// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ScriptedUi.h"

#include "platform/StopFlag.h"

namespace tembusa {

void ScriptedUi::ErrorBox(const QString& text)
{
    errorBoxes.append(text);
}

void ScriptedUi::MessageBox(const QString& text, const QString&)
{
    messages.append(text);
}

void ScriptedUi::BusyPointer(bool shown)
{
    busy = shown;
    if (shown)
        ++busyShown;
}

void ScriptedUi::ProcessEvents()
{
    ++eventsProcessed;
    if (onProcessEvents)
        onProcessEvents();
}

const QString ScriptedUi::kStop = QStringLiteral("<stop>");

namespace {

// Takes the next scripted answer; Stop sets the stop flag and answers empty.
QString Next(QStringList& answers, const QString& whenEmpty)
{
    if (answers.isEmpty())
        return whenEmpty;
    const QString answer = answers.takeFirst();
    if (answer == ScriptedUi::kStop) {
        g_StopFlag = true;
        return QString();
    }
    return answer;
}

} // namespace

QString ScriptedUi::InputBox(const QString& prompt, const QString&, const QString&)
{
    inputPrompts.append(prompt);
    return Next(inputAnswers, QString());
}

QString ScriptedUi::ChooseMeaning(const QString& word, const QStringList& meanings)
{
    meaningWords.append(word);
    meaningLists.append(meanings);
    return Next(meaningAnswers, QString());
}

QString ScriptedUi::AskUnknownWord(const QString& word)
{
    unknownWords.append(word);
    return Next(unknownAnswers, QStringLiteral("^"));
}

void ScriptedUi::ShowKamus(bool modal)
{
    kamusShown.append(modal);
}

void ScriptedUi::ShowProgress()
{
    progressLog.append(QStringLiteral("show"));
}

void ScriptedUi::SetProgressMax(qint32 value)
{
    progressLog.append(QStringLiteral("max %1").arg(value));
}

void ScriptedUi::SetProgressValue(qint32 value)
{
    progressLog.append(QStringLiteral("value %1").arg(value));
}

void ScriptedUi::SetProgressStatus(const QString& text)
{
    progressLog.append(QStringLiteral("status ") + text);
}

void ScriptedUi::CloseProgress()
{
    progressLog.append(QStringLiteral("close"));
}

ScriptedUi::Scope::Scope(ScriptedUi& ui) : m_Previous(InstallUi(&ui)) {}

ScriptedUi::Scope::~Scope()
{
    InstallUi(m_Previous);
}

} // namespace tembusa
