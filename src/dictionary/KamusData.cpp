// SPDX-License-Identifier: GPL-3.0-or-later
#include <tembusa/KamusData.h>

#include "dictionary/Connect.h"
#include "dictionary/Globals.h"
#include "dictionary/Sqlite.h"
#include "dictionary/WordFilter.h"
#include "platform/AsciiCase.h"
#include "platform/StopFlag.h"

#include <tembusa/ui.h>

#include <QStringList>

namespace tembusa {
namespace {

// Stored words and meanings hold a backtick where the text had an apostrophe.
QString Backticked(const QString& text)
{
    QString result = text;
    result.replace(QLatin1Char('\''), QLatin1Char('`'));
    return result;
}

// What the reader sees: the apostrophe the stored backtick stands for.
QString Apostrophed(const QString& text)
{
    QString result = text;
    result.replace(QLatin1Char('`'), QLatin1Char('\''));
    return result;
}

const QString kModule = QStringLiteral("KamusData");

// What a failed write means for the user; the file is named last.
QString WriteFailureMessage(const DbError& error, const QString& path)
{
    QString what;
    if (error.IsReadOnly())
        what = QStringLiteral("the dictionary is read-only; your choices are not remembered");
    else if (error.IsBusy())
        what = QStringLiteral("the dictionary is locked by another program; your choices are not "
                              "remembered");
    else
        what = QStringLiteral("the dictionary cannot be written (%1); your choices are not "
                              "remembered")
                   .arg(DbErrorReason(error));
    return what + QStringLiteral(" (") + path + QLatin1Char(')');
}

QString IndoColumn(int n)
{
    return QStringLiteral("Indo") + QString::number(n);
}

QString StatColumn(int n)
{
    return QStringLiteral("Stat") + QString::number(n);
}

bool IsNull(const QVariant& value)
{
    return !value.isValid() || value.isNull();
}

// A meaning column holds no meaning when it is null or the empty text.
bool IsEmptyColumn(const QVariant& value)
{
    return IsNull(value) || value.toString().isEmpty();
}

// The numeric value of the digits a text begins with; -1 without any.
qsizetype LeadingNumber(const QString& text)
{
    const QString trimmed = TrimBlanks(text);
    qsizetype digits = 0;
    while (digits < trimmed.size() && digits < 9 && trimmed.at(digits).isDigit() &&
           trimmed.at(digits).unicode() < 128)
        ++digits;
    return digits == 0 ? -1 : trimmed.left(digits).toLongLong();
}

// Where a new meaning goes: the first empty of Indo5, Indo4, Indo3; 0 when
// all five columns hold a meaning.
int FreeMeaningColumn(const Recordset& rows)
{
    for (int n = 5; n >= 3; --n) {
        if (IsEmptyColumn(rows.Field(IndoColumn(n))))
            return n;
    }
    return IsEmptyColumn(rows.Field(IndoColumn(2))) ? 2 : 0;
}

// With all five meanings taken, the user says which one the new meaning
// replaces; 0 when they cancel.
int AskReplacedColumn(const Recordset& rows, const QString& meaning)
{
    QString listed;
    for (int n = 1; n <= 5; ++n)
        listed +=
            QStringLiteral("\n%1) %2").arg(n).arg(TrimBlanks(rows.Field(IndoColumn(n)).toString()));
    const QString answer = CurrentUi().InputBox(
        QStringLiteral("The word \"%1\" has five meanings already:%2\nWhich one does \"%3\" "
                       "replace? (1 to 5; empty: none)")
            .arg(rows.Field(QStringLiteral("English")).toString(), listed, meaning),
        QStringLiteral("Tambah Arti Lain"), QString());
    const qsizetype n = LeadingNumber(answer);
    return n >= 1 && n <= 5 ? int(n) : 0;
}

} // namespace

struct KamusData::Impl : WordLists
{
    bool m_UseStatistic = false;
    qint16 Flag = 0;
    bool m_Connected = false;
    std::shared_ptr<Connection> m_DbConnection;
    bool m_LearnOff = false;
    QString m_Failure;            // the read that failed in this run
    bool m_WriteReported = false; // a change not kept was reported in this run

    bool Failed() const { return !m_Failure.isEmpty(); }

    // A read that failed: the error box (the provider's text, a line feed
    // and the connection string), once. A translation from a dictionary that
    // cannot be read would be wrong, so the run stops.
    void ReportDbError(const QString& module, const QString& function)
    {
        if (Failed())
            return;
        const DbError& error = m_DbConnection->LastError();
        m_Failure = QStringLiteral("the dictionary \"%1\" cannot be read: %2")
                        .arg(m_DbConnection->Path(), DbErrorReason(error));
        ShowDatabaseError(error.number,
                          error.text + QLatin1Char('\n') + m_DbConnection->ConnectionString(),
                          module, function, m_Failure);
        g_StopFlag = true;
    }

    // A change the dictionary could not keep: the user's answer still serves
    // this time; they are told once per run.
    void ReportWriteFailure(const DbError& error)
    {
        if (m_WriteReported)
            return;
        m_WriteReported = true;
        CurrentUi().Warning(WriteFailureMessage(error, m_DbConnection->Path()));
    }

    bool IsListed(const QString& sql, const QString& word, const QString& function)
    {
        if (Failed())
            return false;
        const auto rows = m_DbConnection->OpenRecordset(sql, {Backticked(word)});
        if (!rows) {
            ReportDbError(kModule, function);
            return false;
        }
        return rows->RecordCount() > 0;
    }

    bool IsWordRejected(const QString& word) override
    {
        return IsListed(QStringLiteral("SELECT 1 FROM [indo-tolak] WHERE kata = ?1 COLLATE NOCASE "
                                       "LIMIT 1"),
                        word, QStringLiteral("IsWordRejected"));
    }

    bool IsWordIgnored(const QString& word) override
    {
        return IsListed(QStringLiteral("SELECT 1 FROM [indo-acuh] WHERE kata = ?1 COLLATE NOCASE "
                                       "LIMIT 1"),
                        word, QStringLiteral("IsWordIgnored"));
    }

    std::optional<Recordset> FindWord(const QString& word);
    QString ChooseMeaning(Recordset& rows);
    QString ChooseByStatistics(const Recordset& rows);
    QString AskMeaning(Recordset& rows);
    QString LearnWord(const QString& word);

    void OpenConnection()
    {
        DOConnect connect;
        connect.Connect(QString(), 3);
        m_DbConnection = connect.ConnnectionObject();
        m_Connected = connect.IsConnected() && m_DbConnection->IsOpen();
    }
};

KamusData::KamusData() : d(std::make_unique<Impl>())
{
    d->m_DbConnection = std::make_shared<Connection>();
}

KamusData::~KamusData() = default;

bool KamusData::m_UseStatistic() const
{
    return d->m_UseStatistic;
}

void KamusData::m_UseStatistic(bool value)
{
    d->m_UseStatistic = value;
}

qint16 KamusData::Flag() const
{
    return d->Flag;
}

void KamusData::Flag(qint16 value)
{
    d->Flag = value;
}

bool KamusData::m_Connected() const
{
    return d->m_Connected;
}

void KamusData::m_Connected(bool value)
{
    d->m_Connected = value;
}

void KamusData::OpenAll()
{
    d->OpenConnection();
}

QString KamusData::Arti(const QString& sWord)
{
    QString word = TrimBlanks(sWord);
    d->Flag = 0;
    if (d->Failed())
        return QString();
    QString reason;
    if (!FilterWord(word, reason, d->Flag, *d)) {
        switch (d->Flag) {
        case 3:
        case 7:
        case 8:
            return QString();
        case 10:
            // The sign is set aside; the meaning is of the word without it.
            word.chop(1);
            break;
        default:
            return word;
        }
    }
    std::optional<Recordset> rows = d->FindWord(word);
    if (!rows || d->Failed())
        return QString();
    QString result;
    if (rows->RecordCount() > 0) {
        if (IsEmptyColumn(rows->Field(QStringLiteral("Indo2"))))
            result = rows->Field(QStringLiteral("Indo1")).toString();
        else
            result = d->ChooseMeaning(*rows);
    } else {
        if (!d->m_LearnOff)
            result = d->LearnWord(word);
        d->Flag = 100;
    }
    rows->Close();
    result = Apostrophed(result);
    if (d->Flag == 4 && !result.isEmpty())
        result = AsciiCapitalizeFirst(result);
    if (!result.isEmpty())
        result += QLatin1Char(' ');
    return result;
}

std::optional<Recordset> KamusData::Impl::FindWord(const QString& word)
{
    if (Failed())
        return std::nullopt;
    auto rows = m_DbConnection->OpenRecordset(
        QStringLiteral("SELECT rowid, * FROM [indo-data] WHERE English = ?1 COLLATE NOCASE"),
        {Backticked(word)}, QStringLiteral("indo-data"));
    if (!rows)
        ReportDbError(kModule, QStringLiteral("FindWord"));
    return rows;
}

QString KamusData::Impl::ChooseMeaning(Recordset& rows)
{
    return m_UseStatistic ? ChooseByStatistics(rows) : AskMeaning(rows);
}

QString KamusData::Impl::ChooseByStatistics(const Recordset& rows)
{
    int best = 1;
    qint64 highest = -1;
    for (int n = 1; n <= 5; ++n) {
        // A null counter is never greater; equal counters keep the lower n.
        const QVariant counter = rows.Field(StatColumn(n));
        if (!IsNull(counter) && counter.toLongLong() > highest) {
            highest = counter.toLongLong();
            best = n;
        }
    }
    return rows.Field(IndoColumn(best)).toString();
}

QString KamusData::Impl::AskMeaning(Recordset& rows)
{
    // List1: Indo1, then every other meaning column that is not null; each
    // entry remembers the column it was listed from.
    QStringList meanings{Apostrophed(TrimBlanks(rows.Field(IndoColumn(1)).toString()))};
    QList<int> columns{1};
    for (int n = 2; n <= 5; ++n) {
        const QVariant meaning = rows.Field(IndoColumn(n));
        if (!IsNull(meaning)) {
            meanings << Apostrophed(TrimBlanks(meaning.toString()));
            columns << n;
        }
    }
    const QString english = rows.Field(QStringLiteral("English")).toString();
    const QString answer = CurrentUi().ChooseMeaning(Apostrophed(english), meanings);
    if (g_StopFlag)
        return QString();
    if (answer.isEmpty())
        return english;
    const QStringList parts = answer.split(QLatin1Char('\t'));
    DbError error;
    if (!answer.startsWith(QLatin1Char('+'))) {
        const qsizetype position = LeadingNumber(parts.value(1));
        if (position >= 0 && position < columns.size() &&
            !rows.Increment(StatColumn(columns.at(position)), error))
            ReportWriteFailure(error);
        return parts.value(0);
    }
    // A new meaning never silently takes the place of another, and it
    // starts uncounted rather than with the counter of the column it takes.
    const QString meaning = parts.value(2);
    int column = FreeMeaningColumn(rows);
    if (column == 0)
        column = AskReplacedColumn(rows, meaning);
    if (column == 0)
        return meaning;
    rows.SetField(IndoColumn(column), meaning);
    rows.SetField(StatColumn(column), 0);
    if (!rows.Update(error))
        ReportWriteFailure(error);
    return meaning;
}

QString KamusData::Impl::LearnWord(const QString& word)
{
    const QString answer = CurrentUi().AskUnknownWord(TrimBlanks(word));
    if (g_StopFlag || answer.isEmpty())
        return QString();
    const QStringList parts = answer.split(QLatin1Char('\t'));
    const QString& kind = parts.at(0);
    if (kind == QLatin1String("+")) {
        // The typed meaning serves now even when the row cannot be stored.
        if (!m_DbConnection->Execute(
                QStringLiteral("INSERT INTO [indo-data](English, Indo1, Stat1, Stat2, Stat3, "
                               "Stat4, Stat5) VALUES(?1, ?2, 0, 0, 0, 0, 0)"),
                {Backticked(parts.value(1)), Backticked(parts.value(2))}))
            ReportWriteFailure(m_DbConnection->LastError());
        return parts.value(2);
    }
    if (kind == QLatin1String("?")) {
        if (!m_DbConnection->Execute(QStringLiteral("INSERT INTO [indo-tolak](kata) VALUES(?1)"),
                                     {Backticked(parts.value(1))}))
            ReportWriteFailure(m_DbConnection->LastError());
        return QString();
    }
    if (kind == QLatin1String("^"))
        return word;
    return QString();
}

void KamusData::LoadRule1(QVariant& rst)
{
    if (d->Failed())
        return;
    const auto rows =
        d->m_DbConnection->OpenRecordset(QStringLiteral("SELECT * FROM [Indo-Rule1]"));
    if (!rows) {
        d->ReportDbError(QStringLiteral("LoadRule1@KamusData"), QStringLiteral("LoadRule1"));
        return;
    }
    QVariantList list;
    Recordset cursor = rows->Clone();
    for (; !cursor.IsEOF(); cursor.MoveNext()) {
        QVariantMap row;
        row.insert(QStringLiteral("English"), cursor.Field(QStringLiteral("English")));
        row.insert(QStringLiteral("TypeBA"), cursor.Field(QStringLiteral("TypeBA")));
        list << row;
    }
    rst = list;
}

void KamusData::InsertUnknown(const QString& sWord)
{
    // A failing insert is ignored, as the caller expects.
    StoreUnknown(sWord);
}

bool KamusData::LearnOff() const
{
    return d->m_LearnOff;
}

void KamusData::LearnOff(bool value)
{
    d->m_LearnOff = value;
}

bool KamusData::StoreUnknown(const QString& sWord)
{
    return d->m_DbConnection->Execute(
        QStringLiteral("INSERT INTO [indo-unknown](English) VALUES(?1)"), {Backticked(sWord)});
}

bool KamusData::Connected() const
{
    return d->m_Connected;
}

void KamusData::Connected(bool value)
{
    d->m_Connected = value;
}

QString KamusData::Failure() const
{
    return d->m_Failure;
}

void KamusData::NewRun()
{
    d->m_Failure.clear();
    d->m_WriteReported = false;
}

} // namespace tembusa
