// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/DocumentText.h"

#include <QSaveFile>

namespace rumbela {

bool WriteDocumentText(const QString& path, const QString& text, QString& error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = QStringLiteral("Cannot save %1: %2").arg(path, file.errorString());
        return false;
    }
    const QByteArray bytes = text.toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit()) {
        error = QStringLiteral("Cannot save %1: %2").arg(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    return true;
}

} // namespace rumbela
