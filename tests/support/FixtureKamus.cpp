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

QString CreateDamagedKamus(const QString& folder)
{
    const QString dbPath = CreateKamus(folder);
    QString rows;
    for (int i = 0; i < 400; ++i)
        rows += QStringLiteral("('word%1','kata%1'),").arg(i);
    rows.chop(1);
    ExecSql(dbPath, QStringLiteral("INSERT INTO [indo-data](English, Indo1) VALUES ") + rows);
    QFile file(dbPath);
    EXPECT_TRUE(file.open(QIODevice::ReadWrite));
    const QByteArray header = file.read(100);
    if (header.size() != 100) {
        ADD_FAILURE() << "no database header";
        return dbPath;
    }
    // The page size is a big-endian number at offset 16; 1 stands for 65536.
    int pageSize = (quint8(header.at(16)) << 8) | quint8(header.at(17));
    if (pageSize == 1)
        pageSize = 65536;
    const qint64 size = file.size();
    EXPECT_GT(size, pageSize);
    EXPECT_TRUE(file.seek(pageSize));
    EXPECT_EQ(file.write(QByteArray(size - pageSize, '\xa5')), size - pageSize);
    return dbPath;
}

WriteLock::WriteLock(const QString& dbPath)
{
    EXPECT_EQ(sqlite3_open_v2(QFile::encodeName(dbPath).constData(), &m_Db, SQLITE_OPEN_READWRITE,
                              nullptr),
              SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(m_Db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr), SQLITE_OK)
        << sqlite3_errmsg(m_Db);
}

WriteLock::~WriteLock()
{
    sqlite3_exec(m_Db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(m_Db);
}

} // namespace tembusa::test
