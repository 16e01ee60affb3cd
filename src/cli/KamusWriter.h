// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CoreLists.h"
#include "cli/KamusRow.h"

#include "dictionary/Sqlite.h"

#include <QSet>
#include <QString>

#include <vector>

namespace tembusa::cli {

// Fills a dictionary database in one transaction: either every row of a run
// is stored or, after a failure or without Commit, none.
class KamusWriter
{
public:
    KamusWriter() = default;
    ~KamusWriter(); // rolls back what was not committed
    KamusWriter(const KamusWriter&) = delete;
    KamusWriter& operator=(const KamusWriter&) = delete;

    // Opens the existing dictionary at path and begins the transaction.
    bool Begin(const QString& path, QString& error);

    // Adds a row for each word the dictionary does not hold yet (letter case
    // aside), with counters 0; the words it holds keep their rows, with the
    // user's meanings and counters. written and present count the two kinds.
    bool AddRows(const std::vector<KamusRow>& rows, const QString& progressLabel, qint32& written,
                 qint32& present, QString& error);

    // Adds the rule words, the reject list and the ignore list.
    bool AddLists(const CoreLists& lists, QString& error);

    // Commits and closes the database.
    bool Commit(QString& error);

private:
    bool Run(const QString& sql, const QVariantList& params, QString& error);
    bool LoadPresent(QString& error);

    QString m_Path;
    Connection m_Connection;
    QSet<QString> m_Present; // the English words held, ASCII-folded
    bool m_InTransaction = false;
};

// Apostrophes are stored as backticks: every statement of the dictionary
// looks words up that way.
QString StoredText(const QString& text);

} // namespace tembusa::cli
