// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVariant>

namespace tembusa::test {

// Creates an empty dictionary "kamus.mdb" in folder and returns its path.
QString CreateKamus(const QString& folder);

// Runs SQL statements on a dictionary file, outside the library (to fill
// fixture rows or read back what the library wrote).
void ExecSql(const QString& dbPath, const QString& sql);

// The first column of the first row of a query, or an invalid QVariant.
QVariant QueryValue(const QString& dbPath, const QString& sql);

} // namespace tembusa::test
