// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace tembusa {

// A table of the dictionary database and the columns the statements use.
struct KamusTable
{
    QString name; // without the square brackets
    QStringList columns;
};

// The five tables of "kamus.mdb".
const std::vector<KamusTable>& KamusTables();

// The statements that create an empty dictionary: the five tables, and
// indexes on the key columns declared COLLATE NOCASE so that the lookups,
// which compare without regard to ASCII case, use them.
QString KamusSchemaSql();

// Creates a new, empty dictionary database at path. Refuses to replace an
// existing file. The database is built beside it under a temporary name and
// renamed into place, so a failure leaves no half-made file. On failure
// returns false with a message naming the file.
bool CreateKamusFile(const QString& path, QString& error);

} // namespace tembusa
