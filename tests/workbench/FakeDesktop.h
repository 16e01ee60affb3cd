// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "workbench/ui/Desktop.h"

#include <QList>
#include <QStringList>

namespace rumbela::test {

// A desktop for tests: records every box and dialog and answers from queues.
// An exhausted queue answers No or Cancel.
class FakeDesktop : public Desktop
{
public:
    bool AskYesNo(QWidget*, const QString& title, const QString& text) override
    {
        questions.append(title + QLatin1Char('|') + text);
        return !yesNoAnswers.isEmpty() && yesNoAnswers.takeFirst();
    }

    void ShowCritical(QWidget*, const QString& title, const QString& text) override
    {
        criticals.append(title + QLatin1Char('|') + text);
    }

    void ShowMessage(QWidget*, const QString& title, const QString& text) override
    {
        messages.append(title + QLatin1Char('|') + text);
    }

    QString OpenFileName(QWidget*, const QString& title, const QString& filter) override
    {
        openDialogs.append(title + QLatin1Char('|') + filter);
        return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
    }

    QString SaveFileName(QWidget*, const QString& title, const QString& filter) override
    {
        saveDialogs.append(title + QLatin1Char('|') + filter);
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }

    void EndProgram() override { ++endProgramCalls; }

    // Everything asked so far, for checks that nothing was.
    int Asked() const
    {
        return int(questions.size() + criticals.size() + messages.size() + openDialogs.size() +
                   saveDialogs.size()) +
               endProgramCalls;
    }

    QList<bool> yesNoAnswers;
    QStringList openAnswers;
    QStringList saveAnswers;

    QStringList questions;   // title|text
    QStringList criticals;   // title|text
    QStringList messages;    // title|text
    QStringList openDialogs; // title|filter
    QStringList saveDialogs; // title|filter
    int endProgramCalls = 0;
};

} // namespace rumbela::test
