// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QMimeData;

namespace rumbela {

class MDIForm1;

// The files the desktop hands the workbench: named on the command line (the
// menu entry's "rumbela %F", a file manager's "Open With"), handed over by a
// second start, or dropped onto the frame.

// The files of the command line's arguments as absolute paths, so that they
// mean the same to a program running in another folder. A file: URL is taken
// as its local path.
QStringList FilesFromArguments(const QStringList& arguments, const QString& currentFolder);

// The local files of dropped data; empty when it holds none.
QStringList DroppedFiles(const QMimeData* data);

// Opens each file as a document, as the Open command does, and puts it on the
// recent list; an open document of the same path is activated instead.
void OpenFiles(MDIForm1& frame, const QStringList& files);

// Lets files from a file manager be dropped onto the frame to open them.
// Owned by the frame.
class FileDrop : public QObject
{
    Q_OBJECT

public:
    explicit FileDrop(MDIForm1& frame);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MDIForm1& m_Frame;
};

} // namespace rumbela
