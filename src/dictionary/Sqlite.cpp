// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/Sqlite.h"

#include "dictionary/Schema.h"
#include "platform/AsciiCase.h"

#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <sqlite3.h>

#include <atomic>

namespace tembusa {

namespace {
// Numbers of the failures found before SQLite is asked.
constexpr qint32 kNoDataSource = SQLITE_MISUSE;
constexpr qint32 kMissingFile = SQLITE_CANTOPEN;
constexpr qint32 kNotADictionary = SQLITE_ERROR;

// A statement that meets another connection's lock waits the busy timeout,
// and is then tried again: this many times in all.
constexpr int kAttempts = 3;
std::atomic<int> g_BusyTimeout{5000};

bool IsBusyCode(int rc)
{
    return rc == SQLITE_BUSY || rc == SQLITE_LOCKED;
}
} // namespace

bool DbError::IsBusy() const
{
    return IsBusyCode(number);
}

bool DbError::IsReadOnly() const
{
    return number == SQLITE_READONLY || number == SQLITE_PERM;
}

QString DbErrorReason(const DbError& error)
{
    if (error.number == SQLITE_FULL)
        return QStringLiteral("No space left on device");
    if (error.IsBusy())
        return QStringLiteral("it is locked by another program");
    return error.text;
}

void SetBusyTimeout(int milliseconds)
{
    g_BusyTimeout = milliseconds;
}

int BusyTimeout()
{
    return g_BusyTimeout;
}

struct DbHandle
{
    sqlite3* db = nullptr;
    QHash<QString, sqlite3_stmt*> statements;

    ~DbHandle() { Close(); }

    void Close()
    {
        for (sqlite3_stmt* statement : std::as_const(statements))
            sqlite3_finalize(statement);
        statements.clear();
        if (db)
            sqlite3_close(db);
        db = nullptr;
    }

    QString Message() const { return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString(); }

    // A prepared statement for sql, compiled on first use and kept; ready to
    // bind (reset, no bindings).
    sqlite3_stmt* Prepare(const QString& sql)
    {
        if (!db)
            return nullptr;
        if (sqlite3_stmt* cached = statements.value(sql)) {
            sqlite3_reset(cached);
            sqlite3_clear_bindings(cached);
            return cached;
        }
        sqlite3_stmt* statement = nullptr;
        const QByteArray text = sql.toUtf8();
        if (sqlite3_prepare_v3(db, text.constData(), int(text.size()), SQLITE_PREPARE_PERSISTENT,
                               &statement, nullptr) != SQLITE_OK)
            return nullptr;
        statements.insert(sql, statement);
        return statement;
    }
};

namespace {

bool Bind(sqlite3_stmt* statement, const QVariantList& params)
{
    for (int i = 0; i < params.size(); ++i) {
        const QVariant& value = params.at(i);
        int rc = SQLITE_OK;
        if (!value.isValid() || value.isNull()) {
            rc = sqlite3_bind_null(statement, i + 1);
        } else if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong ||
                   value.typeId() == QMetaType::Short || value.typeId() == QMetaType::Bool) {
            rc = sqlite3_bind_int64(statement, i + 1, value.toLongLong());
        } else {
            const QByteArray text = value.toString().toUtf8();
            rc = sqlite3_bind_text(statement, i + 1, text.constData(), int(text.size()),
                                   SQLITE_TRANSIENT);
        }
        if (rc != SQLITE_OK)
            return false;
    }
    return true;
}

QVariant ColumnValue(sqlite3_stmt* statement, int column)
{
    switch (sqlite3_column_type(statement, column)) {
    case SQLITE_NULL:
        return QVariant();
    case SQLITE_INTEGER:
        return QVariant(qint64(sqlite3_column_int64(statement, column)));
    case SQLITE_FLOAT:
        return QVariant(sqlite3_column_double(statement, column));
    case SQLITE_BLOB:
        return QVariant(QByteArray(static_cast<const char*>(sqlite3_column_blob(statement, column)),
                                   sqlite3_column_bytes(statement, column)));
    default:
        return QVariant(
            QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                              sqlite3_column_bytes(statement, column)));
    }
}

// Steps a statement that returns no rows, trying it again while another
// connection holds the file.
int StepDone(sqlite3_stmt* statement)
{
    int rc = sqlite3_step(statement);
    for (int attempt = 1; IsBusyCode(rc) && attempt < kAttempts; ++attempt) {
        sqlite3_reset(statement);
        rc = sqlite3_step(statement);
    }
    return rc;
}

// Names that go into statement text unbound must be plain identifiers.
bool IsPlainName(const QString& name)
{
    if (name.isEmpty())
        return false;
    for (const QChar c : name) {
        if (!(c.isLetterOrNumber() || c == QLatin1Char('-') || c == QLatin1Char('_')) ||
            c.unicode() > 127)
            return false;
    }
    return true;
}

// Why a database file could not be read: another program holding it, or a
// file that is no dictionary at all.
QString UnreadableMessage(int rc, const QString& path, const QString& why)
{
    if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
        return QStringLiteral("The dictionary \"%1\" is locked by another program: %2")
            .arg(path, why);
    return QStringLiteral("The file \"%1\" is not a dictionary database: %2").arg(path, why);
}

QString Quoted(const QString& name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

} // namespace

// ---- Connection ----

Connection::Connection() = default;

Connection::~Connection()
{
    Close();
}

bool Connection::Fail(qint32 number, const QString& text)
{
    m_LastError = {number, text};
    return false;
}

QString ConnectionStringValue(const QString& connectionString, const QString& key)
{
    // Pairs are split at ";" outside double quotes.
    QString pair;
    bool quoted = false;
    const QString wanted = AsciiLower(key.trimmed());
    auto match = [&](const QString& p, QString& value) {
        const qsizetype eq = p.indexOf(QLatin1Char('='));
        if (eq < 0 || AsciiLower(p.left(eq).trimmed()) != wanted)
            return false;
        value = p.mid(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) &&
            value.endsWith(QLatin1Char('"')))
            value = value.mid(1, value.size() - 2);
        return true;
    };
    QString value;
    for (const QChar c : connectionString) {
        if (c == QLatin1Char('"'))
            quoted = !quoted;
        if (c == QLatin1Char(';') && !quoted) {
            if (match(pair, value))
                return value;
            pair.clear();
        } else {
            pair += c;
        }
    }
    return match(pair, value) ? value : QString();
}

namespace {

int OpenFile(DbHandle& handle, const QByteArray& name, int flags)
{
    const int rc = sqlite3_open_v2(name.constData(), &handle.db, flags, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_extended_result_codes(handle.db, 0);
        // Several connections share the file; a writer's lock is waited for.
        sqlite3_busy_timeout(handle.db, g_BusyTimeout);
    }
    return rc;
}

// WAL journal mode lets readers go on while another connection writes. It
// is kept in the file, so only the first open of a file changes it; a file
// that cannot be changed now simply stays in its mode.
void UseWal(DbHandle& handle)
{
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(handle.db, "PRAGMA journal_mode", -1, &statement, nullptr) != SQLITE_OK)
        return;
    const bool wal = sqlite3_step(statement) == SQLITE_ROW &&
                     AsciiLower(ColumnValue(statement, 0).toString()) == QLatin1String("wal");
    sqlite3_finalize(statement);
    if (!wal)
        sqlite3_exec(handle.db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr);
}

// Checks that the five tables hold the columns the dictionary reads.
bool CheckTables(DbHandle& handle, const QString& path, DbError& error)
{
    for (const KamusTable& table : KamusTables()) {
        sqlite3_stmt* info = nullptr;
        const QByteArray pragma =
            QStringLiteral("PRAGMA table_info(%1)").arg(Quoted(table.name)).toUtf8();
        int rc = sqlite3_prepare_v2(handle.db, pragma.constData(), -1, &info, nullptr);
        QStringList present;
        if (rc == SQLITE_OK) {
            while ((rc = sqlite3_step(info)) == SQLITE_ROW)
                present << AsciiLower(ColumnValue(info, 1).toString());
            sqlite3_finalize(info);
        }
        if (rc != SQLITE_OK && rc != SQLITE_DONE) {
            error = {rc, UnreadableMessage(rc, path, handle.Message())};
            return false;
        }
        if (present.isEmpty()) {
            error = {
                kNotADictionary,
                QStringLiteral("The dictionary \"%1\" has no table [%2].").arg(path, table.name)};
            return false;
        }
        for (const QString& column : table.columns) {
            if (!present.contains(AsciiLower(column))) {
                error = {kNotADictionary,
                         QStringLiteral("The table [%2] of the dictionary \"%1\" has no column %3.")
                             .arg(path, table.name, column)};
                return false;
            }
        }
    }
    return true;
}

} // namespace

bool Connection::Open(const QString& connectionString)
{
    Close();
    m_ConnectionString = connectionString;
    const QString source = ConnectionStringValue(connectionString, QStringLiteral("Data Source"));
    if (source.isEmpty())
        return Fail(kNoDataSource, QStringLiteral("The connection string names no Data Source."));
    const bool uri = source.startsWith(QLatin1String("file:"));
    const QString path = uri ? QUrl(source).toLocalFile() : source;
    m_Path = path;
    const QFileInfo file(path);
    if (!file.exists())
        return Fail(kMissingFile,
                    QStringLiteral("The dictionary file \"%1\" does not exist.").arg(path));
    if (file.isDir())
        return Fail(kMissingFile,
                    QStringLiteral("The dictionary \"%1\" is a folder, not a file.").arg(path));

    auto handle = std::make_shared<DbHandle>();
    // No SQLITE_OPEN_CREATE: opening never makes a file.
    int rc = OpenFile(*handle, uri ? source.toUtf8() : QFile::encodeName(path),
                      SQLITE_OPEN_READWRITE | (uri ? SQLITE_OPEN_URI : 0));
    if (rc != SQLITE_OK) {
        const QString why = handle->Message();
        return Fail(rc,
                    QStringLiteral("The dictionary \"%1\" cannot be opened: %2").arg(path, why));
    }
    const bool readOnly = sqlite3_db_readonly(handle->db, "main") == 1;
    DbError problem;
    if (!CheckTables(*handle, path, problem)) {
        // A file in WAL mode that this user cannot write cannot be read the
        // ordinary way (its shared-memory file cannot be made): it is read as
        // a file that nobody changes.
        if (uri || !readOnly ||
            (problem.number != SQLITE_READONLY && problem.number != SQLITE_CANTOPEN))
            return Fail(problem.number, problem.text);
        handle = std::make_shared<DbHandle>();
        rc = OpenFile(*handle, QUrl::fromLocalFile(path).toEncoded() + "?immutable=1",
                      SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
        if (rc != SQLITE_OK || !CheckTables(*handle, path, problem))
            return Fail(problem.number, problem.text);
    }
    // Only a file that is a dictionary is changed.
    if (!readOnly)
        UseWal(*handle);
    m_Db = std::move(handle);
    m_LastError = {};
    return true;
}

bool Connection::IsReadOnly() const
{
    return IsOpen() && sqlite3_db_readonly(m_Db->db, "main") == 1;
}

bool Connection::IsOpen() const
{
    return m_Db && m_Db->db;
}

void Connection::Close()
{
    // Result sets that share the handle see it closed and refuse to write.
    if (m_Db)
        m_Db->Close();
    m_Db.reset();
}

bool Connection::Execute(const QString& sql, const QVariantList& params)
{
    if (!IsOpen())
        return Fail(SQLITE_MISUSE, QStringLiteral("The dictionary is not open."));
    sqlite3_stmt* statement = m_Db->Prepare(sql);
    if (!statement || !Bind(statement, params))
        return Fail(sqlite3_errcode(m_Db->db), m_Db->Message());
    int rc = StepDone(statement);
    while (rc == SQLITE_ROW)
        rc = sqlite3_step(statement);
    sqlite3_reset(statement);
    if (rc != SQLITE_DONE)
        return Fail(rc, m_Db->Message());
    return true;
}

struct Recordset::Rows
{
    struct Row
    {
        qint64 rowid = 0;
        QVariantList values;
    };
    std::shared_ptr<DbHandle> db;
    QString table;
    QStringList columns;
    std::vector<Row> rows;
};

std::optional<Recordset> Connection::OpenRecordset(const QString& sql, const QVariantList& params,
                                                   const QString& updateTable)
{
    if (!IsOpen()) {
        Fail(SQLITE_MISUSE, QStringLiteral("The dictionary is not open."));
        return std::nullopt;
    }
    sqlite3_stmt* statement = m_Db->Prepare(sql);
    if (!statement || !Bind(statement, params)) {
        Fail(sqlite3_errcode(m_Db->db), m_Db->Message());
        return std::nullopt;
    }
    auto rows = std::make_shared<Recordset::Rows>();
    rows->db = m_Db;
    rows->table = updateTable;
    const int first = updateTable.isEmpty() ? 0 : 1; // column 0 is the rowid
    const int count = sqlite3_column_count(statement);
    for (int c = first; c < count; ++c)
        rows->columns << QString::fromUtf8(sqlite3_column_name(statement, c));
    int rc = SQLITE_BUSY;
    // A read that meets another connection's lock starts again from the top.
    for (int attempt = 0; IsBusyCode(rc) && attempt < kAttempts; ++attempt) {
        sqlite3_reset(statement);
        rows->rows.clear();
        while ((rc = sqlite3_step(statement)) == SQLITE_ROW) {
            Recordset::Rows::Row row;
            if (first == 1)
                row.rowid = sqlite3_column_int64(statement, 0);
            row.values.reserve(count - first);
            for (int c = first; c < count; ++c)
                row.values << ColumnValue(statement, c);
            rows->rows.push_back(std::move(row));
        }
    }
    sqlite3_reset(statement);
    if (rc != SQLITE_DONE) {
        Fail(rc, m_Db->Message());
        return std::nullopt;
    }
    Recordset result;
    result.m_Rows = std::move(rows);
    return result;
}

// ---- Recordset ----

qint32 Recordset::RecordCount() const
{
    return m_Rows ? qint32(m_Rows->rows.size()) : 0;
}

bool Recordset::IsEOF() const
{
    return !m_Rows || m_Position >= qint32(m_Rows->rows.size());
}

void Recordset::MoveNext()
{
    if (!IsEOF())
        ++m_Position;
    m_Pending.clear();
}

qint32 Recordset::ColumnIndex(const QString& name) const
{
    if (!m_Rows)
        return -1;
    const QString wanted = AsciiLower(name);
    for (qint32 i = 0; i < m_Rows->columns.size(); ++i) {
        if (AsciiLower(m_Rows->columns.at(i)) == wanted)
            return i;
    }
    return -1;
}

bool Recordset::HasField(const QString& name) const
{
    return ColumnIndex(name) >= 0;
}

QVariant Recordset::Field(const QString& name) const
{
    const qint32 column = ColumnIndex(name);
    if (column < 0 || IsEOF())
        return QVariant();
    return m_Rows->rows[size_t(m_Position)].values.value(column);
}

void Recordset::SetField(const QString& name, const QVariant& value)
{
    const qint32 column = ColumnIndex(name);
    if (column >= 0 && !IsEOF())
        m_Pending.insert(column, value);
}

bool Recordset::Update(DbError& error)
{
    if (IsEOF() || m_Rows->table.isEmpty() || !m_Rows->db->db) {
        error = {SQLITE_MISUSE, QStringLiteral("The row cannot be written back.")};
        return false;
    }
    if (m_Pending.isEmpty())
        return true;
    QStringList assignments;
    QVariantList params;
    for (auto it = m_Pending.cbegin(); it != m_Pending.cend(); ++it) {
        const QString& column = m_Rows->columns.at(it.key());
        if (!IsPlainName(column)) {
            error = {SQLITE_MISUSE, QStringLiteral("Unexpected column name %1.").arg(column)};
            return false;
        }
        params << it.value();
        assignments << QStringLiteral("%1 = ?%2").arg(Quoted(column)).arg(params.size());
    }
    auto& row = m_Rows->rows[size_t(m_Position)];
    params << row.rowid;
    const QString sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?%3")
                            .arg(Quoted(m_Rows->table), assignments.join(QStringLiteral(", ")))
                            .arg(params.size());
    DbHandle& db = *m_Rows->db;
    sqlite3_stmt* statement = db.Prepare(sql);
    if (!statement || !Bind(statement, params) || StepDone(statement) != SQLITE_DONE) {
        error = {sqlite3_errcode(db.db), db.Message()};
        if (statement)
            sqlite3_reset(statement);
        return false;
    }
    sqlite3_reset(statement);
    for (auto it = m_Pending.cbegin(); it != m_Pending.cend(); ++it)
        row.values[it.key()] = it.value();
    m_Pending.clear();
    return true;
}

bool Recordset::Increment(const QString& name, DbError& error)
{
    const qint32 column = ColumnIndex(name);
    if (IsEOF() || column < 0 || m_Rows->table.isEmpty() || !m_Rows->db->db ||
        !IsPlainName(m_Rows->columns.at(column))) {
        error = {SQLITE_MISUSE, QStringLiteral("The row cannot be written back.")};
        return false;
    }
    const QString quoted = Quoted(m_Rows->columns.at(column));
    const QString sql =
        QStringLiteral("UPDATE %1 SET %2 = IFNULL(%2, 0) + 1 WHERE rowid = ?1 RETURNING %2")
            .arg(Quoted(m_Rows->table), quoted);
    auto& row = m_Rows->rows[size_t(m_Position)];
    DbHandle& db = *m_Rows->db;
    sqlite3_stmt* statement = db.Prepare(sql);
    if (!statement || !Bind(statement, {row.rowid})) {
        error = {sqlite3_errcode(db.db), db.Message()};
        return false;
    }
    int rc = StepDone(statement);
    if (rc == SQLITE_ROW) {
        row.values[column] = ColumnValue(statement, 0);
        rc = sqlite3_step(statement);
    }
    sqlite3_reset(statement);
    if (rc != SQLITE_DONE) {
        error = {rc, db.Message()};
        return false;
    }
    return true;
}

Recordset Recordset::Clone() const
{
    Recordset copy;
    copy.m_Rows = m_Rows;
    return copy;
}

void Recordset::Close()
{
    m_Rows.reset();
    m_Position = 0;
    m_Pending.clear();
}

} // namespace tembusa
