// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>

struct sqlite3;

namespace tembusa::test {

// Creates an empty dictionary "kamus.mdb" in folder and returns its path.
QString CreateKamus(const QString& folder);

// Runs SQL statements on a dictionary file, outside the library (to fill
// fixture rows or read back what the library wrote).
void ExecSql(const QString& dbPath, const QString& sql);

// The first column of the first row of a query, or an invalid QVariant.
QVariant QueryValue(const QString& dbPath, const QString& sql);

// Creates a dictionary "kamus.mdb" in folder whose pages after the first are
// overwritten with garbage: the tables still look right (their schema is on
// the first page), but every read of a row fails as a damaged file.
QString CreateDamagedKamus(const QString& folder);

// Holds the write lock of a dictionary, as another program writing to it
// does, until destroyed.
class WriteLock
{
public:
    explicit WriteLock(const QString& dbPath);
    ~WriteLock();
    WriteLock(const WriteLock&) = delete;
    WriteLock& operator=(const WriteLock&) = delete;

private:
    ::sqlite3* m_Db = nullptr;
};

} // namespace tembusa::test
