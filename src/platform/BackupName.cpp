// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/BackupName.h"

#include <QFileInfo>

namespace tembusa {

QString FreeBackupName(const QString& path)
{
    QString name = path + QStringLiteral(".bak");
    for (int n = 1; QFileInfo::exists(name) || QFileInfo(name).isSymLink(); ++n)
        name = path + QStringLiteral(".bak.") + QString::number(n);
    return name;
}

} // namespace tembusa
