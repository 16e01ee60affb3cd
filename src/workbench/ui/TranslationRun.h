// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "workbench/ui/HostControls.h"

#include <QObject>
#include <QPointer>

#include <memory>

namespace tembusa {
class TlrEngine;
}

namespace rumbela {

class Desktop;
class MDIForm1;
class frmDoc;

// The frame's translation run: the tBar keys "start" and "stop" and
// Debug > "Use &Statistic". A start replaces the workbench's engine with a
// fresh one, hands it the document's panes, the frame's ProgressBar1 and
// lblStatus and the navigator's unlst, translates the source pane of the
// document whose tab is selected and puts the result into its target pane.
//
// One run at a time: while a run is inside the engine "start" stays
// disabled and a start is refused, and the run holds its engine, so the
// engine is never released under it. A document window closed during its
// own run stops the run and receives nothing; no engine keeps a closed
// window's panes.
class TranslationRun : public QObject
{
    Q_OBJECT

public:
    // Attaches the run to the frame's "start" and "stop" keys and to mnStat.
    // The frame's status strip and navigator must exist already.
    TranslationRun(MDIForm1& frame, Desktop& desktop);
    ~TranslationRun() override;

    // A run is in progress: from the engine's creation until its Translate
    // returns.
    bool Running() const { return m_Engine != nullptr; }

    // A run is in progress and no stop has been asked for: "stop" is on and
    // "start" off exactly while this holds.
    bool Stoppable() const { return Running() && !m_StopRequested; }

    // "start": translates the document of the selected tab; its target pane
    // receives the result as one edit that Undo takes back, and the document
    // is changed. However the run ends, "start" is enabled again (while a
    // document is open) and "stop" disabled, and Ended is emitted.
    void StartTranslation();

    // "stop": enables "start", disables "stop" and asks the engine to stop.
    void StopTranslation();

    // mnStat was toggled: the engine's statistics switch follows the check.
    void UseStatistic(bool checked);

Q_SIGNALS:
    // A start has ended, whatever ended it.
    void Ended();

private:
    void Run();
    // The document of the selected tab, activated; nullptr when there is none.
    frmDoc* RunDocument();
    void SetRunButtons(bool running);
    void HandControls(tembusa::TlrEngine& engine, frmDoc& doc);
    void DocumentUnloaded(frmDoc* doc);
    void ForgetPanes(tembusa::TlrEngine& engine) const;
    void ShowMessage(const QString& text);

    MDIForm1& m_Frame;
    Desktop& m_Desktop;
    ProgressBarControl m_Progress;
    StatusTextControl m_Status;
    UnknownListControl m_Unknown;

    std::shared_ptr<tembusa::TlrEngine> m_Engine; // of the run in progress
    QPointer<frmDoc> m_Doc;                       // of the run in progress
    bool m_StopRequested = false;
    // The panes last handed to an engine, so that a closed window's panes
    // can be taken back from it.
    frmDoc* m_HandedDoc = nullptr;
    tembusa::SourcePane* m_HandedSource = nullptr;
    tembusa::TargetPane* m_HandedTarget = nullptr;
};

} // namespace rumbela
