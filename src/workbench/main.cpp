// SPDX-License-Identifier: GPL-3.0-or-later
// rumbela: the desktop workbench.
#include "workbench/ui/MDIForm1.h"

#include <tembusa/ui.h>

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rumbela"));
    QApplication::setApplicationVersion(QStringLiteral(TEMBUSA_VERSION_STRING));
    tembusa::InstallUi(&tembusa::WindowsUi());

    rumbela::MDIForm1 frame;
    frame.showMaximized();
    return QApplication::exec();
}
