// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/DataFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace tembusa {
namespace {

// The install step's folders below the prefix, set by the build.
constexpr char kBinDir[] = TEMBUSA_INSTALL_BINDIR;
constexpr char kLibDir[] = TEMBUSA_INSTALL_LIBDIR;
constexpr char kDataDir[] = TEMBUSA_INSTALL_DATADIR;
constexpr char kDataName[] = "rumbela";

// The prefix folder is installed under, or empty when folder is not one of
// the install step's program folders.
QString InstallPrefix(const QString& folder)
{
    const QString cleaned = QDir::cleanPath(folder);
    for (const char* dir : {kBinDir, kLibDir}) {
        const QString suffix = QLatin1Char('/') + QDir::cleanPath(QString::fromUtf8(dir));
        if (cleaned.endsWith(suffix))
            return cleaned.chopped(suffix.size());
    }
    return QString();
}

} // namespace

QString UserDataFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (base.isEmpty())
        return QString();
    return base + QLatin1Char('/') + QLatin1String(kDataName);
}

DataFolders DataFoldersFor(const QString& folder)
{
    const QString prefix = InstallPrefix(folder);
    if (!folder.isEmpty() && QDir::isAbsolutePath(folder) && !prefix.isNull()) {
        const QString shared = prefix + QLatin1Char('/') + QLatin1String(kDataDir) +
                               QLatin1Char('/') + QLatin1String(kDataName);
        if (QFileInfo(shared).isDir())
            return {UserDataFolder(), QDir::cleanPath(shared), true};
    }
    return {folder, folder, false};
}

bool SeedUserFile(const DataFolders& folders, const QString& name, QString& error)
{
    if (!folders.installed)
        return true;
    if (folders.user.isEmpty()) {
        error = QStringLiteral("there is no data folder for this user (HOME is not set)");
        return false;
    }
    if (!QDir().mkpath(folders.user)) {
        error = QStringLiteral("cannot create the folder \"%1\"").arg(folders.user);
        return false;
    }
    const QString target = folders.user + QLatin1Char('/') + name;
    const QString shipped = folders.shared + QLatin1Char('/') + name;
    if (QFileInfo::exists(target) || !QFileInfo(shipped).isFile())
        return true;
    // QFile::copy writes a temporary file and renames it into place without
    // replacing anything, so a second program seeding at the same moment, or
    // a crash half way, never leaves a half copied file under the real name.
    QFile source(shipped);
    if (!source.copy(target)) {
        if (QFileInfo::exists(target))
            return true;
        error = QStringLiteral("cannot copy \"%1\" to \"%2\": %3")
                    .arg(shipped, target, source.errorString());
        return false;
    }
    // The copy takes the shipped file's mode; the user must be able to write it.
    QFile copy(target);
    copy.setPermissions(copy.permissions() | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return true;
}

} // namespace tembusa
