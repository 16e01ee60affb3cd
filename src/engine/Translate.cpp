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

// Sentences whose dictionary reads share one batch, when nothing else needs
// the batch ended sooner: short enough that another process waiting to
// write waits only briefly.
constexpr qint32 kBatchSentences = 32;

// Words Indonesian does without, compared in upper case with the whole word.
bool IsSkippedWord(const QString& word)
{
    if (word.size() > 4)
        return false;
    static const QStringList kSkipped = {
        QStringLiteral("THE"), QStringLiteral("OF"), QStringLiteral("A"),    QStringLiteral("AN"),
        QStringLiteral("BE"),  QStringLiteral("IS"), QStringLiteral("WERE"), QStringLiteral("WAS")};
    return kSkipped.contains(AsciiUpper(word));
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

// Where a run's translation goes: into the returned result, or to the host's
// stream. Pieces for a stream wait until the run's dictionary batch has
// ended, so a host slow to take them never holds up other writers.
class TlrEngine::Impl::Output
{
public:
    Output(QString* result, TargetStream* stream) : m_Result(result), m_Stream(stream) {}

    void Add(const QString& piece)
    {
        if (m_Result)
            *m_Result += piece;
        else
            m_Pending += piece;
    }

    void Flush()
    {
        if (m_Stream && !m_Pending.isEmpty()) {
            m_Stream->Append(m_Pending);
            m_Pending.clear();
        }
    }

    bool KeepsTargets() const { return m_Result != nullptr; }

private:
    QString* m_Result;
    TargetStream* m_Stream;
    QString m_Pending;
};

void TlrEngine::Impl::ShowStatus(const QString& text)
{
    if (m_ControlLabel)
        m_ControlLabel->Text(text);
}

void TlrEngine::Impl::ShowStatus(QLatin1String lead, const QString& text)
{
    // Built only for a host that shows it.
    if (m_ControlLabel)
        m_ControlLabel->Text(lead + text);
}

void TlrEngine::Impl::ShowRunControls(bool visible)
{
    if (m_ProgressBar)
        m_ProgressBar->Visible(visible);
    if (m_ControlLabel)
        m_ControlLabel->Visible(visible);
}

void TlrEngine::Impl::BeginReads()
{
    if (!m_InBatch) {
        m_KamusData.BeginBatch();
        m_InBatch = true;
    }
}

void TlrEngine::Impl::EndReads()
{
    if (m_InBatch) {
        m_KamusData.EndBatch();
        m_InBatch = false;
    }
}

void TlrEngine::Impl::ProcessEvents()
{
    Ui& ui = CurrentUi();
    if (m_InBatch && ui.ProcessesEvents()) {
        // The host's handlers may write to the dictionary or wait for the
        // user: no read transaction stays open meanwhile.
        EndReads();
        ui.ProcessEvents();
        BeginReads();
        return;
    }
    ui.ProcessEvents();
}

QString TlrEngine::Impl::LookupWord(const QString& word)
{
    const QString meaning = TrimBlanks(m_KamusData.Arti(word));
    SearchFlag = m_KamusData.Flag();
    return meaning;
}

const WordOrderRules& TlrEngine::Impl::ReadRules()
{
    QVariant rst;
    m_KamusData.LoadRule1(rst);
    const QVariantList rows = rst.toList();
    // Rows equal to the last ones give the same rules; the dictionary hands
    // over the very same rows while they have not changed, which compares at
    // once.
    if (rows == m_RuleRows)
        return m_Rules;
    std::vector<RuleWord> rules;
    rules.reserve(size_t(rows.size()));
    for (const QVariant& row : rows) {
        const QVariantMap columns = row.toMap();
        rules.push_back({columns.value(QStringLiteral("English")).toString(),
                         AsciiUpper(columns.value(QStringLiteral("TypeBA")).toString())});
    }
    m_RuleRows = rows;
    m_Rules = WordOrderRules(std::move(rules));
    return m_Rules;
}

QString TlrEngine::Impl::LookupPhrase(qsizetype& position, const QStringList& words, qsizetype n)
{
    const qsizetype u = words.size() - 1;
    if (!(position < u && position + n <= u))
        return QString();
    QString phrase;
    for (qsizetype k = position; k < position + n; ++k)
        phrase += words.at(k) + QLatin1Char(' ');
    ShowStatus(QLatin1String("Searching..."), phrase);
    const QString meaning = LookupWord(TrimBlanks(phrase));
    if (!meaning.isEmpty())
        position += n - 1;
    ProcessEvents();
    return meaning;
}

void TlrEngine::Impl::AddUnknownWord(const QString& word)
{
    if (m_UnknownList && m_UnknownList->IsListed(word))
        return;
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
    // The rules' last word is followed by the empty text after the final
    // blank of the reordered sentence.
    QStringList words = OrderWords(m_Natural ? OrderedPossessives(s) : s, ReadRules());
    words.append(QString());
    if (m_Natural)
        RestoreCapital(words, s.section(QLatin1Char(' '), 0, 0));
    QString out;
    ProcessEvents();
    const WordLookup lookup = [this](const QString& word) {
        return LookupWord(word);
    };
    const qsizetype end = words.size() - 1;
    for (qsizetype i = 0; i < end; ++i) {
        m_KamusData.LearnOff(true);
        QString prefix;
        QString meaning = LookupPhrase(i, words, 2);
        if (meaning.isEmpty() && m_Natural && NaturalPossessive(i, words, out))
            continue;
        if (meaning.isEmpty()) {
            QString w = TrimBlanks(words.at(i));
            if (!w.isEmpty() && !IsSkippedWord(w)) {
                ShowStatus(QLatin1String("Searching..."), w);
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
                ProcessEvents();
            }
        }
        out += prefix;
        out += meaning;
        out += QLatin1Char(' ');
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

template <typename Next>
void TlrEngine::Impl::RunSentences(const QString& text, qint32 count, Next next, Output& output)
{
    Ui& ui = CurrentUi();
    TranslationLog log(PrepareAppFolder());
    const qint32 lastIndex = count - 1;
    qint32 pos = 1;
    qint32 batched = 0;
    BeginReads();
    UnitSpan sentence;
    for (qint32 i = 0; next(i, sentence); ++i) {
        const QString s = TrimBlanks(SpanText(text, sentence));
        const QString mark =
            !s.isEmpty() && kSentenceMarks.contains(s.back()) ? QString(s.back()) : QString();
        if (m_Control) {
            m_Control->SelStart(sentence.StartPos - 1);
            m_Control->SelLength(sentence.Length);
        }
        if (output.KeepsTargets())
            SetTarget(i, pos, 0);
        if (m_ProgressBar) {
            m_ProgressBar->Min(0);
            m_ProgressBar->Max(lastIndex + 1);
            m_ProgressBar->Value(i);
        }
        ShowStatus(QLatin1String("Processing : "), s);
        ProcessEvents();

        QString t;
        bool blank = false;
        if (s.isEmpty()) {
            // Nothing for this sentence.
        } else if (s.front() == QLatin1Char('\n') || s.front() == QLatin1Char('\r')) {
            // A line break passes through; the log holds the result up to it.
            t = s;
            output.Add(t);
            log.Add(t);
            log.Write();
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
            t += QLatin1Char(' ');
            output.Add(t);
            log.Add(t);
            t.chop(1);
            blank = true;
        }
        if (output.KeepsTargets())
            SetTarget(i, pos, qint32(t.size()));
        pos += qint32(t.size()) + (blank ? 1 : 0);
        ProcessEvents();
        if (g_StopFlag)
            break;
        if (++batched == kBatchSentences) {
            EndReads();
            output.Flush();
            BeginReads();
            batched = 0;
        }
    }
    EndReads();
    // After a failed read the run stopped; what it made since the last
    // piece handed over is not a translation to use.
    if (m_KamusData.Failure().isEmpty())
        output.Flush();
    ShowRunControls(false);
    log.Close();
    if (g_StopFlag && m_ControlTarget)
        m_ControlTarget->LoadFile(log.Path());
}

QString TlrEngine::Impl::Translate(const QString& sHTML)
{
    // The host may call back into the engine while events are processed:
    // the loop works on its own copies of the text and the sentence table.
    const QString text = sHTML;
    g_StopFlag = false;
    m_KamusData.NewRun();
    ParseUnits(text, m_Units);
    ShowRunControls(true);
    m_KamusData.m_UseStatistic(m_UseStatistic);
    m_KalimatTarget = UnitTable{UnitSpan{}};

    UnitTable sentences = *m_Units.sentences;
    auto next = [&](qint32 i, UnitSpan& span) {
        if (size_t(i) >= sentences.size())
            return false;
        UnitSpan& sentence = sentences[size_t(i)];
        if (sentence.Length < 0) {
            sentence.Length = 1;
            if (m_Units.sentences && size_t(i) < m_Units.sentences->size())
                (*m_Units.sentences)[size_t(i)].Length = 1;
        }
        span = sentence;
        return true;
    };
    QString result;
    Output output(&result, nullptr);
    const struct Guard
    {
        Impl& impl;
        ~Guard() { impl.EndReads(); }
    } guard{*this};
    RunSentences(text, qint32(sentences.size()), next, output);
    return result;
}

void TlrEngine::Impl::TranslateTo(const QString& sHTML, TargetStream& out)
{
    const QString text = sHTML;
    g_StopFlag = false;
    m_KamusData.NewRun();
    m_Units = UnitTables{};
    m_KalimatTarget.reset();
    ShowRunControls(true);
    m_KamusData.m_UseStatistic(m_UseStatistic);

    // The progress bar needs the number of sentences before the first one.
    qint32 count = 0;
    if (m_ProgressBar) {
        SentenceCutter counter(text);
        for (UnitSpan span; counter.Next(span);)
            ++count;
    }
    // A text without sentences still makes one empty step, as in Translate.
    SentenceCutter cutter(text);
    bool any = false;
    auto next = [&](qint32 i, UnitSpan& span) {
        if (cutter.Next(span)) {
            any = true;
            return true;
        }
        if (i == 0 && !any) {
            span = UnitSpan{};
            return true;
        }
        return false;
    };
    Output output(nullptr, &out);
    const struct Guard
    {
        Impl& impl;
        ~Guard() { impl.EndReads(); }
    } guard{*this};
    RunSentences(text, qMax(count, 1), next, output);
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
