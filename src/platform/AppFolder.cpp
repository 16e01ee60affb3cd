// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppFolder.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMutex>

#include <dlfcn.h>

namespace tembusa {
namespace {

QMutex& FolderMutex()
{
    static QMutex mutex;
    return mutex;
}

QString& OverriddenFolder()
{
    static QString folder;
    return folder;
}

// Any function of this file will do: dladdr names the object that holds it.
QString FolderOfThisObject()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&FolderOfThisObject), &info) != 0 && info.dli_fname) {
        const QFileInfo file(QString::fromLocal8Bit(info.dli_fname));
        if (file.isAbsolute() || file.exists())
            return file.canonicalPath().isEmpty() ? file.absolutePath() : file.canonicalPath();
    }
    // dladdr gives a bare name for the main program on some systems.
    const QFileInfo self(QStringLiteral("/proc/self/exe"));
    return QFileInfo(self.canonicalFilePath()).absolutePath();
}

} // namespace

QString AppFolder()
{
    {
        QMutexLocker lock(&FolderMutex());
        if (!OverriddenFolder().isEmpty())
            return OverriddenFolder();
    }
    static const QString folder = FolderOfThisObject();
    return folder;
}

QString AppFilePath(const QString& name)
{
    QString folder = AppFolder();
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder + name;
}

void OverrideAppFolder(const QString& folder)
{
    QMutexLocker lock(&FolderMutex());
    OverriddenFolder() = folder;
}

} // namespace tembusa
