// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/LookupCache.h"

#include "dictionary/Sqlite.h"

#include <atomic>

namespace tembusa {
namespace {

std::atomic<bool> g_LookupShortcuts{true};

// About 20 MB of answers at most; a text's distinct words and word pairs stay
// far below it until the text is several megabytes long.
constexpr qsizetype kMaxAnswers = qsizetype(1) << 17;

} // namespace

void UseLookupShortcuts(bool on)
{
    g_LookupShortcuts = on;
}

bool LookupShortcuts()
{
    return g_LookupShortcuts;
}

void LookupCache::Validate(quint64 generation)
{
    if (generation == m_Generation)
        return;
    m_Generation = generation;
    m_Answers.clear();
    rules.reset();
    rejected = {};
    ignored = {};
    english = {};
}

QByteArray LookupCache::Key(const QString& word)
{
    return NocaseKey(word.toUtf8());
}

const LookupCache::Answer* LookupCache::Find(const QString& word, bool useStatistic,
                                             bool learnOff) const
{
    const auto it = m_Answers.constFind(word);
    if (it == m_Answers.cend())
        return nullptr;
    switch (it->needs) {
    case Needs::Statistics:
        return useStatistic ? &*it : nullptr;
    case Needs::LearnOff:
        return learnOff ? &*it : nullptr;
    case Needs::Nothing:
        break;
    }
    return &*it;
}

void LookupCache::Store(const QString& word, Answer answer)
{
    if (m_Answers.size() >= kMaxAnswers)
        m_Answers.clear();
    m_Answers.insert(word, std::move(answer));
}

} // namespace tembusa
