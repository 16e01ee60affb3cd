// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The thin database layer under the dictionary: exactly the operations the
// dictionary uses, over SQLite 3. The only code that sees sqlite3.h is here
// and in Schema.cpp.

#include <QByteArray>
#include <QHash>
#include <QSet>
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

    // Reads between the outermost BeginBatch and its EndBatch share one read
    // transaction, begun by the first read and ended by EndBatch, so the
    // file's locks are taken once for all of them. A statement that writes
    // ends that transaction first, so every write still commits at once.
    // Batches nest; only the outermost pair counts.
    void BeginBatch();
    void EndBatch();
    // Ends the batch's read transaction now, before the user is asked
    // something; the next read of the batch begins a new one.
    void EndReadTransaction();

    // A number that changes whenever what this connection reads may differ
    // from what it read before: after a write of its own, and after another
    // connection's commit, which PRAGMA data_version shows once per read
    // transaction of a batch (outside a batch, at every call). Results kept
    // from earlier reads are valid while the number stays the same.
    quint64 DataGeneration();

    // The UTF-8 bytes of every text value of a column, ASCII letters in lower
    // case: exactly what a comparison with NOCASE sees. False, and nothing
    // reported, when the database does not store UTF-8 or the column cannot
    // be read.
    bool ReadFoldedColumn(const QString& table, const QString& column, QSet<QByteArray>& keys);
    // The largest rowid of a table, at least its number of rows; -1 when it
    // cannot be read.
    qint64 LargestRowid(const QString& table);

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

// Text as SQLite's NOCASE compares it: its UTF-8 bytes with the ASCII letters
// in lower case.
QByteArray NocaseKey(QByteArray utf8);

// Splits a connection string into its pairs; keys are compared without
// regard to ASCII case. Quoted values ("...") lose their quotes.
QString ConnectionStringValue(const QString& connectionString, const QString& key);

} // namespace tembusa
