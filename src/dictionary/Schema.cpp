// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

namespace tembusa {

const std::vector<KamusTable>& KamusTables()
{
    static const std::vector<KamusTable> tables = {
        {QStringLiteral("indo-data"),
         {QStringLiteral("English"), QStringLiteral("Indo1"), QStringLiteral("Indo2"),
          QStringLiteral("Indo3"), QStringLiteral("Indo4"), QStringLiteral("Indo5"),
          QStringLiteral("Stat1"), QStringLiteral("Stat2"), QStringLiteral("Stat3"),
          QStringLiteral("Stat4"), QStringLiteral("Stat5")}},
        {QStringLiteral("indo-tolak"), {QStringLiteral("kata")}},
        {QStringLiteral("indo-acuh"), {QStringLiteral("kata")}},
        {QStringLiteral("Indo-Rule1"), {QStringLiteral("English"), QStringLiteral("TypeBA")}},
        {QStringLiteral("indo-unknown"), {QStringLiteral("English")}},
    };
    return tables;
}

QString KamusSchemaSql()
{
    return QStringLiteral(
        "CREATE TABLE [indo-data] (\n"
        "  English TEXT,\n"
        "  Indo1 TEXT, Indo2 TEXT, Indo3 TEXT, Indo4 TEXT, Indo5 TEXT,\n"
        "  Stat1 INTEGER DEFAULT 0, Stat2 INTEGER DEFAULT 0, Stat3 INTEGER DEFAULT 0,\n"
        "  Stat4 INTEGER DEFAULT 0, Stat5 INTEGER DEFAULT 0);\n"
        "CREATE INDEX [indo-data-English] ON [indo-data](English COLLATE NOCASE);\n"
        "CREATE TABLE [indo-tolak] (kata TEXT);\n"
        "CREATE INDEX [indo-tolak-kata] ON [indo-tolak](kata COLLATE NOCASE);\n"
        "CREATE TABLE [indo-acuh] (kata TEXT);\n"
        "CREATE INDEX [indo-acuh-kata] ON [indo-acuh](kata COLLATE NOCASE);\n"
        "CREATE TABLE [Indo-Rule1] (English TEXT, TypeBA TEXT);\n"
        "CREATE TABLE [indo-unknown] (English TEXT);\n");
}

bool CreateKamusFile(const QString& path, QString& error)
{
    const QFileInfo target(path);
    if (target.exists()) {
        error = QStringLiteral("cannot create \"%1\": the file already exists").arg(path);
        return false;
    }
    if (!target.absoluteDir().exists()) {
        error = QStringLiteral("cannot create \"%1\": the folder does not exist").arg(path);
        return false;
    }
    const QString temporary = target.absoluteFilePath() + QStringLiteral(".creating");
    QFile::remove(temporary);

    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(temporary).constData(), &db,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc == SQLITE_OK) {
        char* message = nullptr;
        rc = sqlite3_exec(db, KamusSchemaSql().toUtf8().constData(), nullptr, nullptr, &message);
        if (rc != SQLITE_OK)
            error = QString::fromUtf8(message ? message : sqlite3_errstr(rc));
        sqlite3_free(message);
    } else {
        error = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    }
    if (sqlite3_close(db) != SQLITE_OK && rc == SQLITE_OK) {
        rc = SQLITE_ERROR;
        error = QStringLiteral("the database could not be closed");
    }
    if (rc != SQLITE_OK) {
        QFile::remove(temporary);
        error = QStringLiteral("cannot create \"%1\": %2").arg(path, error);
        return false;
    }
    if (!QFile::rename(temporary, path)) {
        QFile::remove(temporary);
        error =
            QStringLiteral("cannot create \"%1\": the file could not be put in place").arg(path);
        return false;
    }
    return true;
}

} // namespace tembusa
