// SPDX-License-Identifier: GPL-3.0-or-later
// The document loop and the translation of one sentence.
#include "engine/TlrEngineImpl.h"

#include <tembusa/ui.h>

#include "engine/Affixes.h"
#include "engine/Natural.h"
#include "engine/TranslationLog.h"
#include "platform/AppFolder.h"
#include "platform/AsciiCase.h"
#include "platform/StopFlag.h"

#include <exception>

namespace tembusa {
namespace {

const QString kSentenceMarks = QStringLiteral(",.?!");

// Words Indonesian does without, compared in upper case with the whole word.
bool IsSkippedWord(const QString& upper)
{
    static const QStringList kSkipped = {
        QStringLiteral("THE"), QStringLiteral("OF"), QStringLiteral("A"),    QStringLiteral("AN"),
        QStringLiteral("BE"),  QStringLiteral("IS"), QStringLiteral("WERE"), QStringLiteral("WAS")};
    return kSkipped.contains(upper);
}

bool IsListedFlag(qint16 flag)
{
    // Blank or found, control character, sign, digit, or a form of "to be".
    return flag != 0 && flag != 1 && flag != 2 && flag != 3 && flag != 8;
}

// Possessives in Indonesian order, before the rule words move.
QString OrderedPossessives(const QString& s)
{
    QStringList words = (s + QLatin1Char(' ')).split(QLatin1Char(' '));
    OrderPossessives(words);
    return words.join(QLatin1Char(' ')).chopped(1);
}

} // namespace

void TlrEngine::Impl::ShowStatus(const QString& text)
{
    if (m_ControlLabel)
        m_ControlLabel->Text(text);
}

void TlrEngine::Impl::ShowRunControls(bool visible)
{
    if (m_ProgressBar)
        m_ProgressBar->Visible(visible);
    if (m_ControlLabel)
        m_ControlLabel->Visible(visible);
}

QString TlrEngine::Impl::LookupWord(const QString& word)
{
    const QString meaning = TrimBlanks(m_KamusData.Arti(word));
    SearchFlag = m_KamusData.Flag();
    return meaning;
}

std::vector<RuleWord> TlrEngine::Impl::ReadRules()
{
    std::vector<RuleWord> rules;
    QVariant rst;
    m_KamusData.LoadRule1(rst);
    const QVariantList rows = rst.toList();
    rules.reserve(size_t(rows.size()));
    for (const QVariant& row : rows) {
        const QVariantMap columns = row.toMap();
        rules.push_back({columns.value(QStringLiteral("English")).toString(),
                         AsciiUpper(columns.value(QStringLiteral("TypeBA")).toString())});
    }
    return rules;
}

QString TlrEngine::Impl::LookupPhrase(qsizetype& position, const QStringList& words, qsizetype n)
{
    const qsizetype u = words.size() - 1;
    if (!(position < u && position + n <= u))
        return QString();
    QString phrase;
    for (qsizetype k = position; k < position + n; ++k)
        phrase += words.at(k) + QLatin1Char(' ');
    ShowStatus(QStringLiteral("Searching...") + phrase);
    const QString meaning = LookupWord(TrimBlanks(phrase));
    if (!meaning.isEmpty())
        position += n - 1;
    CurrentUi().ProcessEvents();
    return meaning;
}

void TlrEngine::Impl::AddUnknownWord(const QString& word)
{
    if (m_UnknownList) {
        const QString upper = AsciiUpper(word);
        const qint32 count = m_UnknownList->ListCount();
        for (qint32 i = 0; i < count; ++i) {
            if (AsciiUpper(m_UnknownList->List(i)) == upper)
                return;
        }
    }
    SearchFlag = m_KamusData.Flag();
    if (m_UnknownList && IsListedFlag(SearchFlag))
        m_UnknownList->AddItem(word);
}

void TlrEngine::Impl::MakeNatural(const QString& word, const QString& previous, bool first,
                                  QString& prefix, QString& meaning)
{
    const RootTable& roots = RootTable::Builtin();
    if (meaning.isEmpty()) {
        // An English word stays as written, with no Indonesian prefix on it.
        prefix.clear();
        return;
    }
    const QString lower = AsciiLower(word);
    const bool inflected =
        lower.endsWith(QLatin1String("ing")) || lower.endsWith(QLatin1String("ed")) ||
        (lower.endsWith(QLatin1Char('s')) && !lower.endsWith(QLatin1String("ss")));
    // A sentence that starts with a bare verb is a command: "Save the file"
    // Simpan berkas, not Menyimpan berkas.
    if (first && prefix.isEmpty() && !inflected && IsAsciiCapital(word.front()))
        meaning = CommandForm(meaning, roots);
    meaning = JoinPrefix(prefix, meaning, roots);
    prefix.clear();
    // One word only: "lebih baik" after "to" is no verb.
    if (!first && AsksActiveVerb(previous) && !lower.endsWith(QLatin1String("ing")) &&
        !meaning.contains(QLatin1Char(' ')))
        meaning = ActiveVerb(meaning, roots);
}

QString TlrEngine::Impl::TranslateSentence(const QString& s)
{
    QStringList words =
        ApplyWordOrder(m_Natural ? OrderedPossessives(s) : s, ReadRules()).split(QLatin1Char(' '));
    if (m_Natural)
        RestoreCapital(words, s.section(QLatin1Char(' '), 0, 0));
    QString out;
    CurrentUi().ProcessEvents();
    const WordLookup lookup = [this](const QString& word) {
        return LookupWord(word);
    };
    // The last element is the empty text after the final blank.
    const qsizetype end = words.size() - 1;
    for (qsizetype i = 0; i < end; ++i) {
        m_KamusData.LearnOff(true);
        QString prefix;
        QString meaning = LookupPhrase(i, words, 2);
        if (meaning.isEmpty() && m_Natural && NaturalPossessive(i, words, out))
            continue;
        if (meaning.isEmpty()) {
            QString w = TrimBlanks(words.at(i));
            if (!w.isEmpty() && !IsSkippedWord(AsciiUpper(w))) {
                ShowStatus(QStringLiteral("Searching...") + w);
                // The mark that ends the sentence is put back by the loop.
                if (kSentenceMarks.contains(w.back()))
                    w.chop(1);
                meaning = TranslateWord(w, prefix, lookup);
                if (m_Natural)
                    MakeNatural(w, i > 0 ? TrimBlanks(words.at(i - 1)) : QString(),
                                TrimBlanks(out).isEmpty(), prefix, meaning);
                if (meaning.isEmpty()) {
                    meaning = w;
                    // A word whose lookup was stopped is not known to be unknown.
                    if (!g_StopFlag)
                        AddUnknownWord(w);
                }
                CurrentUi().ProcessEvents();
            }
        }
        out += prefix + meaning + QLatin1Char(' ');
        if (g_StopFlag)
            break;
    }
    if (!m_Natural)
        return TrimBlanks(out);
    // The sentence's capital stays at its start, whatever word stands there.
    QString natural = SingleBlanks(TrimBlanks(out));
    if (!s.isEmpty() && IsAsciiCapital(s.front()))
        natural = AsciiCapitalizeFirst(natural);
    return natural;
}

bool TlrEngine::Impl::NaturalPossessive(qsizetype i, const QStringList& words, QString& out)
{
    if (i == 0)
        return false;
    const QString w = TrimBlanks(words.at(i));
    const QString previous = TrimBlanks(words.at(i - 1));
    if (AsciiUpper(w) == QLatin1String("THE") && FollowsPossessor(previous)) {
        out += QStringLiteral("itu ");
        return true;
    }
    QString bare = w;
    if (!bare.isEmpty() && kSentenceMarks.contains(bare.back()))
        bare.chop(1);
    if (!IsPossessivePronoun(bare) || !TakesNya(previous) || TrimBlanks(out).isEmpty())
        return false;
    out = TrimBlanks(out) + QStringLiteral("nya ");
    return true;
}

QString TlrEngine::Impl::Translate(const QString& sHTML)
{
    // The host may call back into the engine while events are processed:
    // the loop works on its own copies of the text and the sentence table.
    const QString text = sHTML;
    Ui& ui = CurrentUi();
    g_StopFlag = false;
    m_KamusData.NewRun();
    ParseUnits(text, m_Units);
    ShowRunControls(true);
    m_KamusData.m_UseStatistic(m_UseStatistic);
    m_KalimatTarget = UnitTable{UnitSpan{}};
    TranslationLog log(PrepareAppFolder());

    UnitTable sentences = *m_Units.sentences;
    const qint32 lastIndex = qint32(sentences.size()) - 1;
    QString result;
    qint32 pos = 1;
    for (qint32 i = 0; i <= lastIndex; ++i) {
        UnitSpan& sentence = sentences[size_t(i)];
        if (sentence.Length < 0) {
            sentence.Length = 1;
            if (m_Units.sentences && size_t(i) < m_Units.sentences->size())
                (*m_Units.sentences)[size_t(i)].Length = 1;
        }
        const QString s = TrimBlanks(SpanText(text, sentence));
        const QString mark =
            !s.isEmpty() && kSentenceMarks.contains(s.back()) ? QString(s.back()) : QString();
        if (m_Control) {
            m_Control->SelStart(sentence.StartPos - 1);
            m_Control->SelLength(sentence.Length);
        }
        SetTarget(i, pos, 0);
        if (m_ProgressBar) {
            m_ProgressBar->Min(0);
            m_ProgressBar->Max(lastIndex + 1);
            m_ProgressBar->Value(i);
        }
        ShowStatus(QStringLiteral("Processing : ") + s);
        ui.ProcessEvents();

        QString t;
        bool blank = false;
        if (s.isEmpty()) {
            // Nothing for this sentence.
        } else if (s.front() == QLatin1Char('\n') || s.front() == QLatin1Char('\r')) {
            // A line break passes through; the log holds the result up to it.
            t = s;
            result += t;
            log.Append(result);
        } else {
            // Other control characters before the sentence (a TAB) are kept
            // in front of its translation.
            qsizetype lead = 0;
            while (lead < s.size() && s.at(lead).unicode() < 32)
                ++lead;
            try {
                t = TranslateSentence(TrimBlanks(s.mid(lead)));
            } catch (const std::exception&) {
                // A sentence that fails is left out; the run goes on.
                t.clear();
            }
            t = s.left(lead) + t + mark;
            ui.BusyPointer(false);
            result += t + QLatin1Char(' ');
            blank = true;
        }
        SetTarget(i, pos, qint32(t.size()));
        pos += qint32(t.size()) + (blank ? 1 : 0);
        ui.ProcessEvents();
        if (g_StopFlag)
            break;
    }
    ShowRunControls(false);
    log.Close();
    if (g_StopFlag && m_ControlTarget)
        m_ControlTarget->LoadFile(log.Path());
    return result;
}

void TlrEngine::Impl::SetTarget(qint32 index, qint32 startPos, qint32 length)
{
    if (!m_KalimatTarget)
        m_KalimatTarget.emplace();
    if (size_t(index) >= m_KalimatTarget->size())
        m_KalimatTarget->resize(size_t(index) + 1);
    (*m_KalimatTarget)[size_t(index)] = UnitSpan{startPos, startPos + length, length};
}

} // namespace tembusa
