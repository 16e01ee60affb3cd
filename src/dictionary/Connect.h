// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dictionary/Sqlite.h"

#include <QString>

#include <atomic>
#include <memory>

namespace tembusa {

// Outcome of the most recent Connect call of any connection helper.
extern std::atomic<bool> g_IsConnected;

// The path of the dictionary database the default connection string names:
// "kamus.mdb" in the application folder unless the process chose another one
// (the command-line client's --db).
QString DictionaryPath();
// DictionaryPath, after an installed program's user got their own copy of
// the shipped dictionary if they had none (PrepareAppFile).
QString PrepareDictionary();
void SetDictionaryPath(const QString& path); // empty text: the default again

// The connection helper of the dictionary (internal to the library). It is
// the helper called Connect elsewhere in the system; a C++ class cannot have a
// member of its own name, and its error box names it "DOConnect" already.
class DOConnect
{
public:
    // Creates an unopened connection and builds DefaultConnectionString.
    DOConnect();

    QString DefaultConnectionString() const { return m_DefaultConnectionString; }
    void DefaultConnectionString(const QString& value) { m_DefaultConnectionString = value; }

    // The held connection; an unopened one is created if none is held.
    std::shared_ptr<Connection> ConnnectionObject();
    void ConnnectionObject(std::shared_ptr<Connection> vData);

    bool IsConnected() const;

    // Opens a fresh connection with m_ConnectString, or with the default
    // string when that is empty. On failure shows the error box (module
    // "DOConnect with " and the argument, function "Connect") and returns false.
    bool Connect(const QString& m_ConnectString, qint32 CursorLocation);

    // Closes the held connection and holds a fresh unopened one; returns false.
    // IsConnected is left as the last Connect set it.
    bool Disconnect();

    qint32 ErrNumber() const { return m_ErrNumber; }
    QString ErrDescription() const { return m_ErrDescription; }

private:
    QString m_DefaultConnectionString;
    qint32 m_ErrNumber = 0;
    QString m_ErrDescription;
    std::shared_ptr<Connection> m_Connection;
};

// The default connection string for a database file.
QString BuildConnectionString(const QString& dataSource);

} // namespace tembusa
