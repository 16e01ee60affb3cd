// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "workbench/ui/Desktop.h"

#include <QFont>
#include <QList>
#include <QStringList>
#include <QTextDocument>

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

    // Recorded with the questions, marked as asked with No as the default.
    bool AskYesNoDefaultNo(QWidget* owner, const QString& title, const QString& text) override
    {
        return AskYesNo(owner, QStringLiteral("(No) ") + title, text);
    }

    SaveChoice AskSaveChanges(QWidget*, const QString& title, const QString& text) override
    {
        saveQuestions.append(title + QLatin1Char('|') + text);
        return saveChoices.isEmpty() ? SaveChoice::Cancel : saveChoices.takeFirst();
    }

    void ShowCritical(QWidget*, const QString& title, const QString& text) override
    {
        criticals.append(title + QLatin1Char('|') + text);
    }

    void ShowMessage(QWidget*, const QString& title, const QString& text) override
    {
        messages.append(title + QLatin1Char('|') + text);
    }

    QString OpenFileName(QWidget*, const QString& title, const QString& filter,
                         const QString& start) override
    {
        openDialogs.append(title + QLatin1Char('|') + filter);
        dialogStarts.append(start);
        return openAnswers.isEmpty() ? QString() : openAnswers.takeFirst();
    }

    QString SaveFileName(QWidget*, const QString& title, const QString& filter,
                         const QString& start) override
    {
        saveDialogs.append(title + QLatin1Char('|') + filter);
        dialogStarts.append(start);
        return saveAnswers.isEmpty() ? QString() : saveAnswers.takeFirst();
    }

    void EndProgram() override { ++endProgramCalls; }

    // Answers the print question from printAnswers (none: Cancel) and keeps
    // the text of each printed document.
    bool AskPrint(QWidget*, PrintContent& content, bool& preview) override
    {
        if (printAnswers.isEmpty())
            return false;
        const auto answer = printAnswers.takeFirst();
        content = answer.first;
        preview = answer.second;
        return true;
    }

    void PrintText(QWidget*, QTextDocument& document, bool preview) override
    {
        printed.append(document.toPlainText());
        previews.append(preview);
    }

    bool ChooseFont(QWidget*, QFont& font) override
    {
        if (fontAnswers.isEmpty())
            return false;
        font = fontAnswers.takeFirst();
        return true;
    }

    // Everything asked so far, for checks that nothing was.
    int Asked() const
    {
        return int(questions.size() + saveQuestions.size() + criticals.size() + messages.size() +
                   openDialogs.size() + saveDialogs.size() + printed.size()) +
               endProgramCalls;
    }

    QList<bool> yesNoAnswers;
    QList<std::pair<PrintContent, bool>> printAnswers; // content, preview
    QList<QFont> fontAnswers;
    QStringList printed;
    QList<bool> previews;
    QList<SaveChoice> saveChoices;
    QStringList openAnswers;
    QStringList saveAnswers;

    QStringList questions;     // title|text; "(No) title" when No is the default
    QStringList saveQuestions; // title|text
    QStringList criticals;     // title|text
    QStringList messages;      // title|text
    QStringList openDialogs;   // title|filter
    QStringList saveDialogs;   // title|filter
    QStringList dialogStarts;  // the start folder or path of each dialog
    int endProgramCalls = 0;
};

} // namespace rumbela::test
