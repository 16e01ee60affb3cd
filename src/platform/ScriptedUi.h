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

    QStringList errorBoxes;
    QStringList messages;
    int busyDepth = 0; // busy pointer shown minus hidden
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
