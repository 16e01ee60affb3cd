// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

namespace rumbela {

// One workbench per user and dictionary: a second start hands its files to the
// running program over a local socket and ends, instead of opening the same
// dictionary twice.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    // serverName: the socket's name (see ServerNameFor).
    explicit SingleInstance(const QString& serverName, QObject* parent = nullptr);
    ~SingleInstance() override;

    // The socket name for the workbench whose files live in dataFolder: one
    // per user (the user's runtime folder) and per folder.
    static QString ServerNameFor(const QString& dataFolder);

    // Gives files (absolute paths; empty: only bring the window forward) to a
    // running program. True when one took them; false when none runs or it
    // does not answer within timeoutMs. Blocks; needs no event loop.
    bool HandOver(const QStringList& files, int timeoutMs = 5000) const;

    // Starts answering later starts; a socket left by a program that ended
    // without closing it is replaced. False when another program listens
    // already (it started at the same moment) or the socket cannot be made.
    bool Listen();

signals:
    // A later start handed over these files.
    void FilesReceived(const QStringList& files);

private:
    void Accept();

    QString m_ServerName;
    QLocalServer* m_Server = nullptr;
};

} // namespace rumbela
