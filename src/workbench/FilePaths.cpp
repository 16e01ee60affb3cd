// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/FilePaths.h"

#include "platform/DataFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace rumbela {

namespace {

QString& FolderOverride()
{
    static QString folder;
    return folder;
}

// The program's own folders, resolved once; an installed program's user
// folder is made on first use.
const tembusa::DataFolders& ProgramFolders()
{
    static const tembusa::DataFolders folders = [] {
        tembusa::DataFolders found =
            tembusa::DataFoldersFor(QCoreApplication::applicationDirPath());
        if (found.installed)
            QDir().mkpath(found.user);
        return found;
    }();
    return folders;
}

QString DialogPatterns(const QString& patterns)
{
    QStringList result;
    for (const QString& pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        result.append(pattern == QLatin1String("*.*") ? QStringLiteral("*") : pattern);
    return result.join(QLatin1Char(' '));
}

} // namespace

QString FileTitle(const QString& path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

QString AddBackslash(const QString& path)
{
    if (path.endsWith(QLatin1Char('/')))
        return path;
    return path + QLatin1Char('/');
}

bool FileExists(const QString& path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

QString WorkbenchFolder()
{
    if (!FolderOverride().isEmpty())
        return FolderOverride();
    return ProgramFolders().user;
}

QString WorkbenchFilePath(const QString& name)
{
    return WorkbenchFolder() + QLatin1Char('/') + name;
}

QString WorkbenchSharedFilePath(const QString& name)
{
    const QString folder = FolderOverride().isEmpty() ? ProgramFolders().shared : FolderOverride();
    return folder + QLatin1Char('/') + name;
}

void OverrideWorkbenchFolder(const QString& folder)
{
    FolderOverride() = folder;
}

QString DialogFilter(const QString& fileFilter)
{
    const QStringList parts = fileFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = DialogPatterns(parts[i + 1]);
        if (!patterns.isEmpty())
            filters.append(parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

QString PathCaption(const QString& path)
{
    QString caption = path;
    return caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace rumbela
