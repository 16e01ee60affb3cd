// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/ui/DesktopFiles.h"

#include "workbench/ui/MDIForm1.h"
#include "workbench/ui/ModMDI.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace rumbela {

QStringList FilesFromArguments(const QStringList& arguments, const QString& currentFolder)
{
    QStringList files;
    const QDir folder(currentFolder);
    for (const QString& argument : arguments) {
        if (argument.isEmpty())
            continue;
        QString path = argument;
        if (argument.startsWith(QLatin1String("file:"))) {
            path = QUrl(argument).toLocalFile();
            if (path.isEmpty())
                continue;
        }
        files.append(QDir::cleanPath(folder.absoluteFilePath(path)));
    }
    return files;
}

QStringList DroppedFiles(const QMimeData* data)
{
    QStringList files;
    if (!data || !data->hasUrls())
        return files;
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile() && QFileInfo(url.toLocalFile()).isFile())
            files.append(url.toLocalFile());
    }
    return files;
}

void OpenFiles(MDIForm1& frame, const QStringList& files)
{
    for (const QString& path : files) {
        frame.Docs().OpenFile(path);
        // A missing file the user chose not to create is not remembered.
        if (QFileInfo(path).isFile())
            frame.Docs().UpdateRecentList(path);
    }
}

FileDrop::FileDrop(MDIForm1& frame) : QObject(&frame), m_Frame(frame)
{
    frame.setAcceptDrops(true);
    frame.installEventFilter(this);
}

bool FileDrop::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* drag = static_cast<QDropEvent*>(event);
        if (DroppedFiles(drag->mimeData()).isEmpty())
            return false;
        drag->acceptProposedAction();
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList files = DroppedFiles(drop->mimeData());
        if (files.isEmpty())
            return false;
        drop->acceptProposedAction();
        // Opened after the drop has ended, so the file manager is not kept
        // waiting by a box the opening may show.
        QTimer::singleShot(0, &m_Frame, [this, files] { OpenFiles(m_Frame, files); });
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

} // namespace rumbela
