// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The private state of an engine object and its translation steps.

#include <tembusa/CWords.h>
#include <tembusa/HTML_Words.h>
#include <tembusa/KamusData.h>
#include <tembusa/TlrEngine.h>

#include "engine/Segmentation.h"
#include "engine/WordOrder.h"

#include <QStringList>

#include <memory>
#include <optional>

namespace tembusa {

struct TlrEngine::Impl
{
    SourcePane* m_Control = nullptr;
    TargetPane* m_ControlTarget = nullptr;
    ProgressBar* m_ProgressBar = nullptr;
    StatusText* m_ControlLabel = nullptr;
    UnknownList* m_UnknownList = nullptr;
    bool m_UseStatistic = false;
    qint16 SearchFlag = 0;
    bool m_Connected = false;
    bool m_Natural = false;

    QString m_Rumbela;
    UnitTables m_Units; // m_Paragraf, m_Kalimat, m_Kata
    qint32 m_IdxCurKalimat = 0;
    std::optional<UnitTable> m_KalimatTarget;
    KamusData m_KamusData;
    // File translation's word list and keyword lists, made on first use.
    std::unique_ptr<HTML_Words> m_HtmlWords;
    std::unique_ptr<CWords> m_Words;

    // The document loop: translates text sentence by sentence.
    QString Translate(const QString& sHTML);
    // Records where the translation of sentence index stands in the result.
    void SetTarget(qint32 index, qint32 startPos, qint32 length);
    bool m_Running = false; // a Translate of this object is in progress

    // One trimmed sentence into Indonesian, word for word.
    QString TranslateSentence(const QString& s);
    // The natural mode's changes to one word's prefix text and meaning.
    void MakeNatural(const QString& word, const QString& previous, bool first, QString& prefix,
                     QString& meaning);
    // Writes a possessive of the natural mode at position i ("-nya" on the
    // noun before, "itu" for the article after a possessor); false when the
    // word at i is none.
    bool NaturalPossessive(qsizetype i, const QStringList& words, QString& out);
    std::vector<RuleWord> ReadRules();
    QString LookupPhrase(qsizetype& position, const QStringList& words, qsizetype n);
    QString LookupWord(const QString& word);
    void AddUnknownWord(const QString& word);

    // The host controls; a control that is not set only loses its display.
    void ShowStatus(const QString& text);
    void ShowRunControls(bool visible);
};

} // namespace tembusa
