// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <tembusa/Export.h>
#include <tembusa/host.h>

#include <QString>
#include <QVariant>

#include <memory>

namespace tembusa {

// One translation engine: owns its dictionary connection, the unit tables of
// the text it parsed last and the positions of its last translation; borrows
// the five host controls (never owned, never released by the engine).
//
// Positions in the unit tables count UTF-16 units from 1; the panes'
// selection counts from 0.
class TEMBUSA_EXPORT TlrEngine
{
public:
    // Opens the dictionary with the busy pointer shown. A dictionary that
    // cannot be opened shows its error box; the engine is still created,
    // with Connected false.
    TlrEngine();
    ~TlrEngine();
    TlrEngine(const TlrEngine&) = delete;
    TlrEngine& operator=(const TlrEngine&) = delete;

    // slot 1: the source pane.
    SourcePane* m_Control() const;
    void m_Control(SourcePane* value);

    // slot 2: the target pane.
    TargetPane* m_ControlTarget() const;
    void m_ControlTarget(TargetPane* value);

    // slot 3: the progress bar of a run.
    ProgressBar* m_ProgressBar() const;
    void m_ProgressBar(ProgressBar* value);

    // slot 4: the status text.
    StatusText* m_ControlLabel() const;
    void m_ControlLabel(StatusText* value);

    // slot 5: the list collecting unknown words.
    UnknownList* m_UnknownList() const;
    void m_UnknownList(UnknownList* value);

    // slot 6: usage counters choose between meanings (true) or the user
    // does (false). False at creation.
    bool m_UseStatistic() const;
    void m_UseStatistic(bool value);

    // slot 7: the outcome code of the engine's last dictionary lookup.
    qint16 SearchFlag() const;
    void SearchFlag(qint16 value);

    // slot 8: the dictionary is open; the same value as Connected.
    bool m_Connected() const;
    void m_Connected(bool value);

    // slot 9: asks every running translation of the process to stop; returns
    // at once.
    void StopTranslate();

    // slot 10: the text translated by the last FileOpenHTML; empty until then.
    QString Rumbela() const;

    // slot 11: loads "Kamus.txt" and the keyword file "WordFile.txt" of the
    // application folder, translates the text file sFileInput (its lines
    // joined by CR LF) and keeps the result for Rumbela(). sFileOutput is not
    // written. Returns 0; a missing or unreadable file throws Error (53 for a
    // missing one) and leaves Rumbela() as it was.
    qint32 FileOpenHTML(const QString& sFileInput, const QString& sFileOutput);

    // slot 12: cuts sString into paragraphs, sentences and words, replacing
    // the unit tables. Never fails.
    void Parser(const QString& sString);

    // slots 13-15: list the paragraph, sentence and word tables: for each
    // unit of positive length, CR LF, start, ",", end, "-" and the unit's text
    // taken from sString (which must be the text last given to Parser).
    // ListParagraf and ListKalimat throw Error 9 before any Parser call;
    // ListKata then gives the empty text.
    QString ListParagraf(const QString& sString);
    QString ListKalimat(const QString& sString);
    QString ListKata(const QString& sString);

    // slot 16: selects in the source pane the sentence whose translation
    // holds the 0-based position IdxHurup of the last translated text.
    // Returns an empty value.
    QVariant SelKalimat(qint32 IdxHurup);

    // slot 17: translates sHTML sentence by sentence and returns the result.
    QString Translate(const QString& sHTML);

    // slot 18: stores sWord in the dictionary's table of unknown words.
    void InsertUnknown(const QString& sWord);

    // slot 19: index of the sentence SelKalimat selected last; 0 at creation.
    qint32 IdxCurKalimat() const;
    void IdxCurKalimat(qint32 value);

    // slot 20: the dictionary is open; the same value as m_Connected.
    bool Connected() const;
    void Connected(bool value);

    // slot 21: stores sWord like InsertUnknown, and tells whether the
    // dictionary took it, so a host can keep the words that were not stored.
    bool StoreUnknown(const QString& sWord);

    // slot 22: one line naming the dictionary file and the reason when a
    // read of the dictionary failed during the last Translate, which then
    // stopped (its result is not a translation to use); empty otherwise.
    QString DictionaryFailure() const;

    // slot 23: natural Indonesian (true) instead of the word-for-word
    // translation (false, at creation). Verb prefixes are joined by
    // Indonesian sound rules ("menolak" ditolak), an English word without a
    // meaning gets no Indonesian prefix, possessives follow their noun as
    // "-nya" or "itu", a sentence's capital stays on its first word, and no
    // double blank is left. Takes effect from the next Translate.
    bool m_Natural() const;
    void m_Natural(bool value);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace tembusa
