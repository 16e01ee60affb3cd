// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <tembusa/ui.h>

#include <QString>
#include <QStringList>

#include <functional>

namespace tembusa {

// A Ui for tests: records every box it is asked to show and answers questions
// from queues. Install it with ScriptedUi::Scope for the length of a test.
class ScriptedUi : public Ui
{
public:
    void ErrorBox(const QString& text) override;
    void MessageBox(const QString& text, const QString& title) override;
    void BusyPointer(bool busy) override;
    void ProcessEvents() override;
    // Only a test that acts at ProcessEvents runs code there.
    bool ProcessesEvents() const override { return bool(onProcessEvents); }
    QString InputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;
    QString ChooseMeaning(const QString& word, const QStringList& meanings) override;
    QString AskUnknownWord(const QString& word) override;
    void ShowKamus(bool modal) override;
    void ShowProgress() override;
    void SetProgressMax(qint32 value) override;
    void SetProgressValue(qint32 value) override;
    void SetProgressStatus(const QString& text) override;
    void CloseProgress() override;

    // A scripted dialog answer that presses Stop: g_StopFlag is set and the
    // dialog answers the empty text.
    static const QString kStop;

    // Answers, taken from the front; an exhausted queue answers as Escape
    // (meaning choice, input box: empty text) or Cancel (unknown word: "^").
    QStringList meaningAnswers;
    QStringList unknownAnswers;
    QStringList inputAnswers;

    // What was asked, in order.
    QStringList meaningWords;        // lblKata of each meaning choice
    QList<QStringList> meaningLists; // List1 of each meaning choice
    QStringList unknownWords;        // lblKata of each unknown-word dialog
    QStringList inputPrompts;
    QList<bool> kamusShown;  // one entry per ShowKamus, its modal flag
    QStringList progressLog; // "show", "max N", "value N", "status T", "close"

    QStringList errorBoxes;
    QStringList messages;
    bool busy = false; // the busy pointer is shown
    int busyShown = 0; // times the busy pointer was shown
    int eventsProcessed = 0;
    // Runs at every ProcessEvents, so a test can act in the middle of a run.
    std::function<void()> onProcessEvents;

    // Installs a ScriptedUi and puts the previous Ui back on destruction.
    class Scope
    {
    public:
        explicit Scope(ScriptedUi& ui);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        Ui* m_Previous;
    };
};

} // namespace tembusa
