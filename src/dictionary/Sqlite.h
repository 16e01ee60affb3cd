// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The thin database layer under the dictionary: exactly the operations the
// dictionary uses, over SQLite 3. The only code that sees sqlite3.h is here
// and in Schema.cpp.

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>

#include <memory>
#include <optional>
#include <vector>

namespace tembusa {

struct DbHandle; // the open database and its prepared statements

// A failure of the database: a number (SQLite's result code, or one of ours
// for checks made before SQLite is asked) and the text for the user.
struct DbError
{
    qint32 number = 0;
    QString text;

    // Another connection held the file past the busy timeout and its retries.
    bool IsBusy() const;
    // The file, or the connection, cannot be written.
    bool IsReadOnly() const;
};

// The reason of a failure in words a user knows: a full disk is "No space
// left on device".
QString DbErrorReason(const DbError& error);

// How long a statement waits for another connection's lock before it is tried
// again (twice more), in milliseconds. Several seconds unless a test changes it.
void SetBusyTimeout(int milliseconds);
int BusyTimeout();

class Recordset;

// One database connection. Prepared statements are kept per connection and
// reused, so each statement text is compiled once.
class Connection
{
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Kept for the callers that set it; every result set is read whole into
    // memory, which is what a client-side cursor gives.
    void CursorLocation(qint32 value) { m_CursorLocation = value; }
    qint32 CursorLocation() const { return m_CursorLocation; }

    // Opens the database named by the "Data Source" of a connection string
    // (keyword=value pairs joined by ";"; a "file:" address is taken as an
    // SQLite URI). Never creates a file: it must exist and hold the five
    // dictionary tables with their columns. A writable file is put in WAL
    // journal mode, so readers never wait for a writer. A file this user
    // cannot write is opened read-only. On failure returns false and fills
    // LastError.
    bool Open(const QString& connectionString);
    bool IsOpen() const;
    void Close();
    QString ConnectionString() const { return m_ConnectionString; }
    const DbError& LastError() const { return m_LastError; }
    // The file named by the Data Source, for messages.
    QString Path() const { return m_Path; }
    // Opened without the right to write: every change fails.
    bool IsReadOnly() const;

    // Runs a statement with bound parameters; false on failure.
    bool Execute(const QString& sql, const QVariantList& params = {});

    // Runs a SELECT and reads all its rows. With updateTable set, the
    // statement must select "rowid" as its first column, and the rows can be
    // written back to that table. std::nullopt on failure.
    std::optional<Recordset> OpenRecordset(const QString& sql, const QVariantList& params = {},
                                           const QString& updateTable = QString());

private:
    bool Fail(qint32 number, const QString& text);

    std::shared_ptr<DbHandle> m_Db;
    QString m_ConnectionString;
    QString m_Path;
    qint32 m_CursorLocation = 2;
    DbError m_LastError;
};

// The rows of one query, positioned on the first row. Copies made by Clone
// share the rows and stay usable, and updatable, after the original is
// closed. A write goes to the row it was read from (by rowid).
class Recordset
{
public:
    Recordset() = default;

    qint32 RecordCount() const;
    bool IsEOF() const;
    void MoveFirst() { m_Position = 0; }
    void MoveNext();

    // The column of the current row by name (ASCII case ignored). A NULL
    // column is an invalid QVariant, distinct from the empty text.
    QVariant Field(const QString& name) const;
    bool HasField(const QString& name) const;

    // Assigns a column of the current row; Update writes the assignments.
    void SetField(const QString& name, const QVariant& value);
    bool Update(DbError& error);
    // Adds 1 to a whole-number column of the current row in the statement
    // itself, so concurrent users never lose each other's counts. A NULL
    // counter counts as 0.
    bool Increment(const QString& name, DbError& error);

    Recordset Clone() const;
    void Close();
    bool IsOpen() const { return m_Rows != nullptr; }

private:
    friend class Connection;
    struct Rows;
    qint32 ColumnIndex(const QString& name) const;

    std::shared_ptr<Rows> m_Rows;
    qint32 m_Position = 0;
    QHash<qint32, QVariant> m_Pending;
};

// Splits a connection string into its pairs; keys are compared without
// regard to ASCII case. Quoted values ("...") lose their quotes.
QString ConnectionStringValue(const QString& connectionString, const QString& key);

} // namespace tembusa
