// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Reading a dictd dictionary, the format FreeDict ships: an ".index" file of
// lines "headword TAB offset TAB length" (offset and length in dictd's
// base-64 digits) and a ".dict.dz" data file, a dictzip (gzip) stream that
// holds the entry texts.

#include "cli/KamusRow.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace tembusa::cli {

struct FreeDictContent
{
    // The headwords with at least one translation, in the order of the index:
    // the translations of all entries of one headword (say a noun and a verb)
    // in the dictionary's order, without duplicates, at most kMaxMeanings.
    std::vector<KamusRow> headwords;
    qint32 read = 0;               // distinct headwords, the dictionary's own header entries aside
    qint32 affixes = 0;            // headwords that are only prefix or suffix entries
    qint32 withoutTranslation = 0; // headwords left without a translation
};

// Reads both files whole. On failure returns false, leaves content empty and
// puts into error a message naming the file, and for the index the line.
bool ReadFreeDict(const QString& indexPath, const QString& dataPath, FreeDictContent& content,
                  QString& error);

// The translations one entry text gives: the sense lines without their
// numbering, split at ", ", trimmed, in order, duplicates kept (the caller
// merges entries). The English gloss lines and the header line with its
// pronunciation are left out.
QStringList EntryTranslations(const QString& entry);

// The headword as the entry's header line spells it ("Adam's apple"), or
// indexWord when the header does not start with it (the index keeps a
// folded form, such as "adams apple").
QString EntryHeadword(const QString& entry, const QString& indexWord);

// The decoded value of dictd's base-64 digits, or -1 for an empty or
// invalid text or one too large to be an offset.
qint64 DecodeDictdNumber(const QString& digits);

} // namespace tembusa::cli
