// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/ui/TranslationRun.h"

#include "workbench/DocSlots.h"
#include "workbench/Engine.h"
#include "workbench/ui/Desktop.h"
#include "workbench/ui/MDIForm1.h"
#include "workbench/ui/ModMDI.h"
#include "workbench/ui/TextPane.h"
#include "workbench/ui/frmDoc.h"
#include "workbench/ui/frmNav.h"

#include <tembusa/Error.h>
#include <tembusa/TlrEngine.h>

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTabBar>

#include <exception>

namespace rumbela {

namespace {

const QString kTitle = QStringLiteral("Rumbela");
const QString kNoDatabase = QStringLiteral("Fatal error opening database. (KAMUS.MDB)");
const QString kNoDocument = QStringLiteral("There is no document to translate.");

QListWidget* UnknownWordList(const MDIForm1& frame)
{
    const auto* nav = qobject_cast<const frmNav*>(frame.frmNav());
    return nav ? nav->unlst() : nullptr;
}

} // namespace

TranslationRun::TranslationRun(MDIForm1& frame, Desktop& desktop)
    : QObject(&frame), m_Frame(frame), m_Desktop(desktop), m_Progress(frame.ProgressBar1()),
      m_Status(frame.lblStatus()), m_Unknown(UnknownWordList(frame))
{
    setObjectName(QStringLiteral("TranslationRun"));
    frame.SetButtonAction(QStringLiteral("start"), [this] { StartTranslation(); });
    frame.SetButtonAction(QStringLiteral("stop"), [this] { StopTranslation(); });
    connect(frame.mnStat(), &QAction::triggered, this, &TranslationRun::UseStatistic);
}

TranslationRun::~TranslationRun()
{
    // The engine outlives the frame: it must not keep the frame's controls.
    if (!HasEngine())
        return;
    tembusa::TlrEngine& engine = Engine();
    ForgetPanes(engine);
    if (engine.m_ProgressBar() == &m_Progress)
        engine.m_ProgressBar(nullptr);
    if (engine.m_ControlLabel() == &m_Status)
        engine.m_ControlLabel(nullptr);
    if (engine.m_UnknownList() == &m_Unknown)
        engine.m_UnknownList(nullptr);
}

void TranslationRun::StartTranslation()
{
    // A second start would replace the engine under the running Translate.
    if (Running())
        return;
    m_StopRequested = false;
    SetRunButtons(true);
    try {
        Run();
    } catch (const tembusa::Error& error) {
        ShowMessage(error.description());
    } catch (const std::exception& error) {
        ShowMessage(QString::fromLocal8Bit(error.what()));
    }
    m_Engine.reset();
    m_Doc = nullptr;
    m_StopRequested = false;
    m_Frame.UpdateActions();
    Q_EMIT Ended();
}

void TranslationRun::StopTranslation()
{
    if (Running()) {
        m_StopRequested = true;
        m_Engine->StopTranslate();
    } else {
        Engine().StopTranslate();
    }
    m_Frame.UpdateActions();
}

void TranslationRun::UseStatistic(bool checked)
{
    Engine().m_UseStatistic(checked);
}

void TranslationRun::Run()
{
    NewEngine();
    m_Engine = EngineHandle();
    if (!m_Engine->Connected()) {
        m_Desktop.ShowCritical(&m_Frame, kTitle, kNoDatabase);
        return;
    }
    frmDoc* doc = RunDocument();
    // A stop before the engine begins would be cleared by its Translate.
    if (!doc || m_StopRequested)
        return;
    m_Doc = doc;
    HandControls(*m_Engine, *doc);
    const QString result = m_Engine->Translate(doc->Src()->Text());
    // m_Doc is cleared when the window closes during the run.
    if (!m_Doc)
        return;
    // Undo brings back what the pane held before, edits included.
    m_Doc->tgt()->ReplaceText(result);
    m_Doc->Changed(true);
    m_Frame.Docs().ShowStatus(QStringLiteral("Finish."));
    // The engine hid the status text as it ended; "Finish." is meant to be read.
    if (m_Frame.picStatus()->isVisibleTo(&m_Frame))
        m_Frame.lblStatus()->show();
}

frmDoc* TranslationRun::RunDocument()
{
    const QTabBar* tb = m_Frame.tb();
    if (tb->currentIndex() < 0) {
        ShowMessage(kNoDocument);
        return nullptr;
    }
    const QString key = tb->tabData(tb->currentIndex()).toString();
    if (key.mid(3).isEmpty())
        return nullptr;
    const qint16 slot = SlotOfTabKey(key);
    m_Frame.Docs().ActivateDoc(slot);
    QCoreApplication::processEvents();
    frmDoc* doc = m_Frame.Docs().Document(slot);
    if (!doc)
        ShowMessage(kNoDocument);
    return doc;
}

void TranslationRun::SetRunButtons(bool running)
{
    // The engine does not exist yet, so the run is not Running: the buttons
    // show the start at once, and a second click cannot slip in.
    m_Frame.Button(QStringLiteral("start"))->setEnabled(!running);
    m_Frame.Button(QStringLiteral("stop"))->setEnabled(running);
}

void TranslationRun::HandControls(tembusa::TlrEngine& engine, frmDoc& doc)
{
    connect(&doc, &frmDoc::Unloaded, this, &TranslationRun::DocumentUnloaded, Qt::UniqueConnection);
    m_HandedDoc = &doc;
    m_HandedSource = doc.Src();
    m_HandedTarget = doc.tgt();
    engine.m_Control(m_HandedSource);
    engine.m_ControlTarget(m_HandedTarget);
    engine.m_ProgressBar(&m_Progress);
    engine.m_ControlLabel(&m_Status);
    engine.m_UnknownList(&m_Unknown);
    engine.m_UseStatistic(m_Frame.mnStat()->isChecked());
}

void TranslationRun::DocumentUnloaded(frmDoc* doc)
{
    if (doc == m_HandedDoc) {
        if (m_Engine)
            ForgetPanes(*m_Engine);
        if (HasEngine())
            ForgetPanes(Engine());
        m_HandedDoc = nullptr;
    }
    if (doc && doc == m_Doc) {
        // Nothing is left to translate for.
        m_Doc = nullptr;
        m_StopRequested = true;
        m_Engine->StopTranslate();
    }
}

void TranslationRun::ForgetPanes(tembusa::TlrEngine& engine) const
{
    if (m_HandedSource && engine.m_Control() == m_HandedSource)
        engine.m_Control(nullptr);
    if (m_HandedTarget && engine.m_ControlTarget() == m_HandedTarget)
        engine.m_ControlTarget(nullptr);
}

void TranslationRun::ShowMessage(const QString& text)
{
    m_Desktop.ShowMessage(&m_Frame, kTitle, text);
}

} // namespace rumbela
