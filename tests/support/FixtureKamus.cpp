// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/FixtureKamus.h"

#include "dictionary/Schema.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace tembusa::test {

QString CreateKamus(const QString& folder)
{
    const QString path = QDir(folder).filePath(QStringLiteral("kamus.mdb"));
    QString error;
    EXPECT_TRUE(CreateKamusFile(path, error)) << error.toStdString();
    return path;
}

void ExecSql(const QString& dbPath, const QString& sql)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open_v2(QFile::encodeName(dbPath).constData(), &db,
                              SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
              SQLITE_OK);
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message);
    EXPECT_EQ(rc, SQLITE_OK) << (message ? message : "") << " in " << sql.toStdString();
    sqlite3_free(message);
    sqlite3_close(db);
}

QVariant QueryValue(const QString& dbPath, const QString& sql)
{
    sqlite3* db = nullptr;
    QVariant result;
    if (sqlite3_open_v2(QFile::encodeName(dbPath).constData(), &db, SQLITE_OPEN_READONLY,
                        nullptr) == SQLITE_OK) {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr) ==
                SQLITE_OK &&
            sqlite3_step(statement) == SQLITE_ROW) {
            switch (sqlite3_column_type(statement, 0)) {
            case SQLITE_NULL:
                break;
            case SQLITE_INTEGER:
                result = qint64(sqlite3_column_int64(statement, 0));
                break;
            default:
                result = QString::fromUtf8(
                    reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
            }
        }
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
    return result;
}

} // namespace tembusa::test
