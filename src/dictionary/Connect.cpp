// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/Connect.h"

#include "dictionary/Globals.h"
#include "platform/AppFolder.h"

#include <QMutex>
#include <QStringList>

namespace tembusa {

std::atomic<bool> g_IsConnected{false};

namespace {

QMutex& PathMutex()
{
    static QMutex mutex;
    return mutex;
}

QString& ChosenPath()
{
    static QString path;
    return path;
}

// A value holding ";" or a double quote is put between double quotes, so the
// pair reads back whole.
QString QuotedIfNeeded(const QString& value)
{
    if (!value.contains(QLatin1Char(';')) && !value.contains(QLatin1Char('"')))
        return value;
    return QLatin1Char('"') + value + QLatin1Char('"');
}

} // namespace

QString DictionaryPath()
{
    QMutexLocker lock(&PathMutex());
    return ChosenPath().isEmpty() ? AppFilePath(QStringLiteral("kamus.mdb")) : ChosenPath();
}

QString PrepareDictionary()
{
    {
        QMutexLocker lock(&PathMutex());
        if (!ChosenPath().isEmpty())
            return ChosenPath();
    }
    return PrepareAppFile(QStringLiteral("kamus.mdb"));
}

void SetDictionaryPath(const QString& path)
{
    QMutexLocker lock(&PathMutex());
    ChosenPath() = path;
}

QString BuildConnectionString(const QString& dataSource)
{
    // The pairs a provider of the dictionary is handed, in their fixed order.
    // This provider reads "Data Source"; the others are carried along for
    // programs that read the string.
    const QString empty = QStringLiteral("\"\"");
    const QStringList pairs = {
        QStringLiteral("Provider=SQLite3"),
        QStringLiteral("User ID=Admin"),
        QStringLiteral("Data Source=") + QuotedIfNeeded(dataSource),
        QStringLiteral("Mode=Share Deny None"),
        QStringLiteral("Extended Properties=") + empty,
        QStringLiteral("Jet OLEDB:System database=") + empty,
        QStringLiteral("Jet OLEDB:Registry Path=") + empty,
        QStringLiteral("Jet OLEDB:Database Password=") + empty,
        QStringLiteral("Jet OLEDB:Engine Type=4"),
        QStringLiteral("Jet OLEDB:Database Locking Mode=0"),
        QStringLiteral("Jet OLEDB:Global Partial Bulk Ops=2"),
        QStringLiteral("Jet OLEDB:Global Bulk Transactions=1"),
        QStringLiteral("Jet OLEDB:New Database Password=") + empty,
        QStringLiteral("Jet OLEDB:Create System Database=False"),
        QStringLiteral("Jet OLEDB:Encrypt Database=False"),
        QStringLiteral("Jet OLEDB:Don't Copy Locale on Compact=False"),
        QStringLiteral("Jet OLEDB:Compact Without Replica Repair=False"),
        QStringLiteral("Jet OLEDB:SFP=False"),
    };
    return pairs.join(QLatin1Char(';'));
}

DOConnect::DOConnect()
    : m_DefaultConnectionString(BuildConnectionString(PrepareDictionary())),
      m_Connection(std::make_shared<Connection>())
{}

std::shared_ptr<Connection> DOConnect::ConnnectionObject()
{
    if (!m_Connection)
        m_Connection = std::make_shared<Connection>();
    return m_Connection;
}

void DOConnect::ConnnectionObject(std::shared_ptr<Connection> vData)
{
    // Holding another object cannot fail here; an empty one is replaced by an
    // unopened connection so that the getter never gives nothing.
    m_Connection = vData ? std::move(vData) : std::make_shared<Connection>();
}

bool DOConnect::IsConnected() const
{
    return g_IsConnected.load();
}

bool DOConnect::Connect(const QString& m_ConnectString, qint32 CursorLocation)
{
    m_Connection = std::make_shared<Connection>();
    m_Connection->CursorLocation(CursorLocation);
    const QString& text = m_ConnectString.isEmpty() ? m_DefaultConnectionString : m_ConnectString;
    if (m_Connection->Open(text)) {
        g_IsConnected = true;
        return true;
    }
    m_ErrNumber = m_Connection->LastError().number;
    m_ErrDescription = m_Connection->LastError().text;
    ShowDatabaseError(m_ErrNumber, m_ErrDescription,
                      QStringLiteral("DOConnect with ") + m_ConnectString,
                      QStringLiteral("Connect"), m_ErrDescription);
    g_IsConnected = false;
    return false;
}

bool DOConnect::Disconnect()
{
    if (m_Connection)
        m_Connection->Close();
    m_Connection = std::make_shared<Connection>();
    return false;
}

} // namespace tembusa
