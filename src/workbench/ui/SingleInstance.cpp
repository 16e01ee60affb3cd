// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/ui/SingleInstance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>

#include <unistd.h>

namespace rumbela {

namespace {

// The running program's answer once it has the files.
constexpr char kAck = '\x06';

// How long a start waits for another one that is taking the name.
constexpr int kLockWaitMs = 3000;

} // namespace

SingleInstance::SingleInstance(const QString& serverName, QObject* parent)
    : QObject(parent), m_ServerName(serverName)
{}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::ServerNameFor(const QString& dataFolder)
{
    const QByteArray key =
        QCryptographicHash::hash(QDir::cleanPath(dataFolder).toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    const QString name = QStringLiteral("rumbela-%1-%2").arg(getuid()).arg(QLatin1String(key));
    // The runtime folder belongs to the user alone; /tmp is the fallback.
    QString folder = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR"));
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::tempPath();
    return folder + QLatin1Char('/') + name;
}

bool SingleInstance::HandOver(const QStringList& files, int timeoutMs) const
{
    QLocalSocket socket;
    socket.connectToServer(m_ServerName);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    QByteArray message;
    QDataStream out(&message, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << files;
    socket.write(message);
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (socket.bytesAvailable() < 1) {
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    }
    char answer = 0;
    return socket.getChar(&answer) && answer == kAck;
}

bool SingleInstance::Listen()
{
    if (m_Server)
        return true;
    // One start at a time looks for a running program and takes the name:
    // the server below replaces any socket file of that name, also a live one.
    QLockFile lock(m_ServerName + QStringLiteral(".lock"));
    if (!lock.tryLock(kLockWaitMs))
        return false;
    QLocalSocket probe;
    probe.connectToServer(m_ServerName);
    if (probe.waitForConnected(kLockWaitMs))
        return false;
    // Nobody listens: a socket file left there by a crash goes.
    QLocalServer::removeServer(m_ServerName);
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(m_ServerName)) {
        delete server;
        return false;
    }
    m_Server = server;
    connect(m_Server, &QLocalServer::newConnection, this, &SingleInstance::Accept);
    return true;
}

void SingleInstance::Accept()
{
    while (QLocalSocket* socket = m_Server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            QDataStream in(socket);
            in.setVersion(QDataStream::Qt_6_0);
            in.startTransaction();
            QStringList files;
            in >> files;
            if (!in.commitTransaction())
                return; // the rest is still on its way
            socket->putChar(kAck);
            socket->flush();
            emit FilesReceived(files);
        });
    }
}

} // namespace rumbela
