// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Affixes.h"

#include "platform/AsciiCase.h"
#include "platform/StopFlag.h"

#include <QStringList>

namespace tembusa {
namespace {

struct PrefixRule
{
    const char* begins;
    const char* prefix;
    int stemFrom; // 0-based index of the stem's first character
};

// In this order; the first that matches applies.
constexpr PrefixRule kPrefixRules[] = {
    {"DIS", "tidak ", 3}, {"PRE", "sebelum ", 3}, {"IN", "dalam ", 2},
    {"IMM", "tidak ", 3}, {"RE", "ulang ", 2},    {"UN", "tidak ", 2},
};

QString Chopped(const QString& word, qsizetype n)
{
    return word.left(qMax<qsizetype>(0, word.size() - n));
}

// The candidates of the ending rule that matches the word, in the order they
// are tried, and the rule's prefix text. False when no ending matches.
bool EndingCandidates(const QString& word, bool unMatched, QString& prefix, QStringList& candidates)
{
    const QString upper = AsciiUpper(word);
    const QString e = QStringLiteral("e");
    if (upper.endsWith(QLatin1String("ING"))) {
        const QString c1 = Chopped(word, 3);
        const QString c2 = Chopped(c1, 1);
        prefix = QStringLiteral("me");
        // c1 + "e" last: the base form of "making" is "make".
        candidates = {c1, c2, c2 + e, c1 + e};
    } else if (upper.endsWith(QLatin1String("ED"))) {
        const QString c1 = Chopped(word, 2);
        prefix = QStringLiteral("di");
        candidates = {c1, c1 + e};
    } else if (upper.endsWith(QLatin1String("LY"))) {
        prefix = QStringLiteral(" ");
        candidates = {unMatched ? Chopped(word, 2).mid(2) : Chopped(word, 2)};
    } else if (upper.endsWith(QLatin1String("'S"))) {
        // Before the "S" row, so that a possessive finds its noun.
        const QString c1 = Chopped(word, 2);
        prefix = QString();
        candidates = {c1, Chopped(c1, 1) + QStringLiteral("y")};
    } else if (upper.endsWith(QLatin1String("S"))) {
        prefix = QString();
        candidates = {Chopped(word, 1)};
    } else if (upper.endsWith(QLatin1String("EN"))) {
        const QString c1 = Chopped(word, 2);
        prefix = QStringLiteral("di");
        // c1 + "e" last: the base form of "taken" is "take".
        candidates = {c1, Chopped(c1, 1) + e, c1 + e};
    } else {
        return false;
    }
    return true;
}

} // namespace

QString TranslateWord(const QString& word, QString& prefix, const WordLookup& lookupWord)
{
    QString meaning = lookupWord(word);
    // After a Stop in the meaning choice no further forms are tried, so no
    // further dialog appears.
    if (!meaning.isEmpty() || g_StopFlag)
        return meaning;

    const QString upper = AsciiUpper(word);
    bool unMatched = false;
    for (const PrefixRule& rule : kPrefixRules) {
        if (!upper.startsWith(QLatin1String(rule.begins)))
            continue;
        prefix = QString::fromLatin1(rule.prefix);
        unMatched = QLatin1String(rule.begins) == QLatin1String("UN");
        meaning = lookupWord(word.mid(rule.stemFrom));
        if (!meaning.isEmpty() || g_StopFlag)
            return meaning;
        break;
    }

    QStringList candidates;
    if (!EndingCandidates(word, unMatched, prefix, candidates))
        return QString();
    for (const QString& candidate : std::as_const(candidates)) {
        meaning = lookupWord(candidate);
        if (!meaning.isEmpty() || g_StopFlag)
            return meaning;
    }
    return QString();
}

} // namespace tembusa
