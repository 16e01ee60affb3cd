// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The natural Indonesian mode: Indonesian verb prefixes joined by the
// language's sound rules, possessives and capitals put where Indonesian puts
// them. Used only when the engine's m_Natural switch is on.

#include <QHash>
#include <QString>
#include <QStringList>

namespace tembusa {

// Indonesian roots that take the verb prefixes, with the forms each takes:
// "M" meN-, "Mk" meN-...-kan, "Mi" meN-...-i, "D" di-, "Dk" di-...-kan,
// "Di" di-...-i.
class RootTable
{
public:
    // The table built into the library (data/id-roots.tsv).
    static const RootTable& Builtin();
    // Parses lines "root TAB forms"; "#" lines and empty lines are skipped.
    static RootTable FromText(const QString& text);

    bool Has(const QString& root) const { return m_Forms.contains(root); }
    bool Takes(const QString& root, const QString& form) const;

private:
    QHash<QString, QStringList> m_Forms;
};

// root with the active prefix meN- by the sound rules ("tulis" menulis,
// "pukul" memukul, "ambil" mengambil, "sapu" menyapu, "lihat" melihat).
QString ActiveForm(const QString& root);

// An active verb split into its root and suffix ("menolak" tolak + "",
// "menampilkan" tampil + "kan"); false when word is no meN- form of a root
// the table knows.
bool SplitActive(const QString& word, const RootTable& roots, QString& root, QString& suffix);

// The meaning with the verb prefix text "me" or "di" of the ending rules
// joined as Indonesian joins it: a meaning already prefixed is reduced to its
// root first ("menolak" ditolak); a meaning that takes no such prefix (a noun,
// an adjective) is returned unchanged. Other prefix texts are joined as they
// stand.
QString JoinPrefix(const QString& prefix, const QString& meaning, const RootTable& roots);

// The command form of a verb at the start of a sentence ("menyimpan" simpan,
// "menampilkan" tampilkan), or meaning unchanged.
QString CommandForm(const QString& meaning, const RootTable& roots);

// The active form of a verb meaning ("buka" membuka, "dibuka" membuka,
// "tampilkan" menampilkan), or meaning unchanged when it is no verb the root
// table knows or is active already.
QString ActiveVerb(const QString& meaning, const RootTable& roots);

// True after the words that want an active verb next: "to", the modals
// ("can", "will", ...) and the subject pronouns ("he opened" dia membuka).
bool AsksActiveVerb(const QString& previousWord);

// Puts possessives in Indonesian order before the words are translated:
// "her dog" becomes "dog her" (as the rule words already do for "his" and
// "its"), and "the man's boat" becomes "boat man's the", so that the
// possessor follows its noun with "itu" for the article. words ends with the
// empty element after the last blank, as the sentence loop expects.
void OrderPossessives(QStringList& words);

// Gives the capital of a sentence's first word back to the word that stands
// first after the words moved: "This tag" moved to "tag This" becomes
// "Tag this". firstWord is the sentence's first word before any move.
void RestoreCapital(QStringList& words, const QString& firstWord);

// True for "his", "her" and "its" when they follow their noun: the sentence
// loop then writes "-nya" on the noun's meaning instead of translating them.
bool IsPossessivePronoun(const QString& word);

// True when a word ending in "'s" stands before: an article after it is
// written as "itu" ("boat man's the" perahu pria itu).
bool FollowsPossessor(const QString& previousWord);

// Whether a possessive pronoun after previousWord (as the sentence holds it)
// joins its meaning as "-nya": not after a function word ("and her") or a
// word that ends a clause.
bool TakesNya(const QString& previousWord);

// The sentence with runs of blanks made one.
QString SingleBlanks(const QString& text);

} // namespace tembusa
