// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/ui/HelpCommands.h"

#include "workbench/FilePaths.h"
#include "workbench/WebHost.h"
#include "workbench/ui/Desktop.h"
#include "workbench/ui/MDIForm1.h"
#include "workbench/ui/ModMDI.h"
#include "workbench/ui/TextPane.h"
#include "workbench/ui/frmAbout.h"
#include "workbench/ui/frmDoc.h"

#include <QUrl>

namespace rumbela {

namespace {

// "Path/File access error", as the document commands report it.
constexpr qint32 kFileAccessError = 75;

} // namespace

void GeneralHelp(MDIForm1& frame)
{
    ShowHelpContents(&frame);
}

void HelpOnline()
{
    OpenWithShell(QUrl(HelpOnlineUrl()));
}

void RumbelaWebsite()
{
    OpenWithShell(QUrl(WebsiteUrl()));
}

void OpenReadme(MDIForm1& frame)
{
    frame.Docs().OpenFile(WorkbenchSharedFilePath(QStringLiteral("Readme.txt")));
}

void ShowFileInBrowser(MDIForm1& frame)
{
    const QString path = WorkbenchFilePath(QStringLiteral("temp.html"));
    if (const frmDoc* doc = frame.Docs().Current()) {
        QString error;
        if (!doc->tgt()->SaveFile(path, error)) {
            const QString title = QStringLiteral("Error: ") + QString::number(kFileAccessError);
            frame.desktop().ShowCritical(&frame, title, title + QLatin1Char('\n') + error);
            return;
        }
    }
    if (FileExists(path))
        OpenWithShell(QUrl::fromLocalFile(path));
}

void ShowAbout(MDIForm1& frame)
{
    frmAbout about(frame.desktop(), &frame);
    about.exec();
}

} // namespace rumbela
