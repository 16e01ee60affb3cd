// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/AppFolder.h"

#include "platform/DataFolders.h"

#include <QDir>
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

const DataFolders& OwnFolders()
{
    static const DataFolders folders = DataFoldersFor(FolderOfThisObject());
    return folders;
}

// The folders in use: the overridden one for both, or the object's own.
DataFolders CurrentFolders()
{
    {
        QMutexLocker lock(&FolderMutex());
        if (!OverriddenFolder().isEmpty())
            return {OverriddenFolder(), OverriddenFolder(), false};
    }
    return OwnFolders();
}

QString InFolder(QString folder, const QString& name)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder + name;
}

} // namespace

QString AppFolder()
{
    return CurrentFolders().user;
}

QString AppFilePath(const QString& name)
{
    return InFolder(AppFolder(), name);
}

QString PrepareAppFile(const QString& name, QString* error)
{
    const DataFolders folders = CurrentFolders();
    QString problem;
    if (!SeedUserFile(folders, name, problem) && error)
        *error = problem;
    return InFolder(folders.user, name);
}

QString PrepareAppFolder()
{
    const DataFolders folders = CurrentFolders();
    if (folders.installed)
        QDir().mkpath(folders.user);
    return folders.user;
}

QString SharedFolder()
{
    return CurrentFolders().shared;
}

QString SharedFilePath(const QString& name)
{
    return InFolder(SharedFolder(), name);
}

void OverrideAppFolder(const QString& folder)
{
    QMutexLocker lock(&FolderMutex());
    OverriddenFolder() = folder;
}

} // namespace tembusa
