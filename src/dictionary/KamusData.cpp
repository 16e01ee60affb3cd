// SPDX-License-Identifier: GPL-3.0-or-later
#include <tembusa/KamusData.h>

#include "dictionary/Connect.h"
#include "dictionary/Globals.h"
#include "dictionary/Sqlite.h"
#include "dictionary/WordFilter.h"
#include "platform/AsciiCase.h"

namespace tembusa {
namespace {

// Stored words and meanings hold a backtick where the text had an apostrophe.
QString Backticked(const QString& text)
{
    QString result = text;
    result.replace(QLatin1Char('\''), QLatin1Char('`'));
    return result;
}

const QString kModule = QStringLiteral("KamusData");

} // namespace

struct KamusData::Impl : WordLists
{
    bool m_UseStatistic = false;
    qint16 Flag = 0;
    bool m_Connected = false;
    std::shared_ptr<Connection> m_DbConnection;
    bool m_LearnOff = false;

    // A database failure: the error box with the provider's text, a line
    // feed and the connection string.
    void ReportDbError(const QString& function)
    {
        const DbError& error = m_DbConnection->LastError();
        ShowError(error.number, error.text + QLatin1Char('\n') + m_DbConnection->ConnectionString(),
                  kModule, function);
    }

    bool IsListed(const QString& sql, const QString& word, const QString& function)
    {
        const auto rows = m_DbConnection->OpenRecordset(sql, {Backticked(word)});
        if (!rows) {
            ReportDbError(function);
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
    QString reason;
    if (!FilterWord(word, reason, d->Flag, *d)) {
        switch (d->Flag) {
        case 3:
        case 7:
        case 8:
            return QString();
        case 10:
            word.chop(1);
            break;
        default:
            return word;
        }
    }
    // The lookup itself comes with the meaning choice and learning.
    return QString();
}

void KamusData::LoadRule1(QVariant& rst)
{
    Q_UNUSED(rst);
}

void KamusData::InsertUnknown(const QString& sWord)
{
    // A failing insert is ignored, as the caller expects.
    d->m_DbConnection->Execute(QStringLiteral("INSERT INTO [indo-unknown](English) VALUES(?1)"),
                               {Backticked(sWord)});
}

bool KamusData::LearnOff() const
{
    return d->m_LearnOff;
}

void KamusData::LearnOff(bool value)
{
    d->m_LearnOff = value;
}

bool KamusData::Connected() const
{
    return d->m_Connected;
}

void KamusData::Connected(bool value)
{
    d->m_Connected = value;
}

} // namespace tembusa
