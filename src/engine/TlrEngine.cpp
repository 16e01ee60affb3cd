// SPDX-License-Identifier: GPL-3.0-or-later
#include <tembusa/TlrEngine.h>

#include <tembusa/Error.h>
#include <tembusa/KamusData.h>
#include <tembusa/ui.h>

#include "engine/FileTranslation.h"
#include "engine/Segmentation.h"
#include "engine/TlrEngineImpl.h"
#include "platform/StopFlag.h"

namespace tembusa {

SourcePane::~SourcePane() = default;
TargetPane::~TargetPane() = default;
ProgressBar::~ProgressBar() = default;
StatusText::~StatusText() = default;
UnknownList::~UnknownList() = default;

TlrEngine::TlrEngine() : d(std::make_unique<Impl>())
{
    Ui& ui = CurrentUi();
    ui.BusyPointer(true);
    d->m_KamusData.OpenAll();
    Connected(d->m_KamusData.Connected());
    ui.BusyPointer(false);
}

TlrEngine::~TlrEngine() = default;

SourcePane* TlrEngine::m_Control() const
{
    return d->m_Control;
}

void TlrEngine::m_Control(SourcePane* value)
{
    d->m_Control = value;
}

TargetPane* TlrEngine::m_ControlTarget() const
{
    return d->m_ControlTarget;
}

void TlrEngine::m_ControlTarget(TargetPane* value)
{
    d->m_ControlTarget = value;
}

ProgressBar* TlrEngine::m_ProgressBar() const
{
    return d->m_ProgressBar;
}

void TlrEngine::m_ProgressBar(ProgressBar* value)
{
    d->m_ProgressBar = value;
}

StatusText* TlrEngine::m_ControlLabel() const
{
    return d->m_ControlLabel;
}

void TlrEngine::m_ControlLabel(StatusText* value)
{
    d->m_ControlLabel = value;
}

UnknownList* TlrEngine::m_UnknownList() const
{
    return d->m_UnknownList;
}

void TlrEngine::m_UnknownList(UnknownList* value)
{
    d->m_UnknownList = value;
}

bool TlrEngine::m_UseStatistic() const
{
    return d->m_UseStatistic;
}

void TlrEngine::m_UseStatistic(bool value)
{
    d->m_UseStatistic = value;
}

qint16 TlrEngine::SearchFlag() const
{
    return d->SearchFlag;
}

void TlrEngine::SearchFlag(qint16 value)
{
    d->SearchFlag = value;
}

bool TlrEngine::m_Connected() const
{
    return d->m_Connected;
}

void TlrEngine::m_Connected(bool value)
{
    d->m_Connected = value;
}

void TlrEngine::StopTranslate()
{
    g_StopFlag = true;
}

QString TlrEngine::Rumbela() const
{
    return d->m_Rumbela;
}

qint32 TlrEngine::FileOpenHTML(const QString& sFileInput, const QString& sFileOutput)
{
    // No file is written: the output name is accepted for callers that pass one.
    Q_UNUSED(sFileOutput);
    if (!d->m_Words)
        d->m_Words = std::make_unique<CWords>();
    d->m_Words->Load();
    const QString text = ReadTextFileLines(sFileInput);
    if (!d->m_HtmlWords)
        d->m_HtmlWords = std::make_unique<HTML_Words>();
    d->m_HtmlWords->Load();
    d->m_Rumbela = Translate(text);
    return 0;
}

void TlrEngine::Parser(const QString& sString)
{
    ParseUnits(sString, d->m_Units);
}

namespace {

const UnitTable& ParsedTable(const std::optional<UnitTable>& table)
{
    if (!table)
        throw Error(Error::kSubscriptOutOfRange,
                    QStringLiteral("Subscript out of range: no text has been parsed yet."));
    return *table;
}

} // namespace

QString TlrEngine::ListParagraf(const QString& sString)
{
    return ListUnits(ParsedTable(d->m_Units.paragraphs), sString);
}

QString TlrEngine::ListKalimat(const QString& sString)
{
    return ListUnits(ParsedTable(d->m_Units.sentences), sString);
}

QString TlrEngine::ListKata(const QString& sString)
{
    // Before any parse the word listing has nothing to show.
    if (!d->m_Units.words)
        return QString();
    return ListUnits(*d->m_Units.words, sString);
}

QVariant TlrEngine::SelKalimat(qint32 IdxHurup)
{
    if (!d->m_KalimatTarget)
        return QVariant();
    const std::optional<qint32> found = FindSpanEndingAfter(*d->m_KalimatTarget, IdxHurup);
    if (!found)
        return QVariant();
    d->m_IdxCurKalimat = *found;
    const auto& sentences = d->m_Units.sentences;
    if (d->m_Control && sentences && size_t(*found) < sentences->size()) {
        const UnitSpan& source = (*sentences)[size_t(*found)];
        d->m_Control->SelStart(source.StartPos - 1);
        d->m_Control->SelLength(source.Length);
        d->m_Control->SetFocus();
    }
    CurrentUi().ProcessEvents();
    return QVariant();
}

QString TlrEngine::Translate(const QString& sHTML)
{
    // A run of this object is not re-entered from its own event processing.
    if (d->m_Running)
        return QString();
    struct RunningMark
    {
        bool& running;
        explicit RunningMark(bool& r) : running(r) { running = true; }
        ~RunningMark() { running = false; }
    } mark(d->m_Running);
    return d->Translate(sHTML);
}

void TlrEngine::InsertUnknown(const QString& sWord)
{
    d->m_KamusData.InsertUnknown(sWord);
}

bool TlrEngine::StoreUnknown(const QString& sWord)
{
    return d->m_KamusData.StoreUnknown(sWord);
}

qint32 TlrEngine::IdxCurKalimat() const
{
    return d->m_IdxCurKalimat;
}

void TlrEngine::IdxCurKalimat(qint32 value)
{
    d->m_IdxCurKalimat = value;
}

QString TlrEngine::DictionaryFailure() const
{
    return d->m_KamusData.Failure();
}

bool TlrEngine::Connected() const
{
    return d->m_Connected;
}

void TlrEngine::Connected(bool value)
{
    d->m_Connected = value;
}

bool TlrEngine::m_Natural() const
{
    return d->m_Natural;
}

void TlrEngine::m_Natural(bool value)
{
    d->m_Natural = value;
}

} // namespace tembusa
