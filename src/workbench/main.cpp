// SPDX-License-Identifier: GPL-3.0-or-later
// rumbela: the desktop workbench.
#include "workbench/Engine.h"
#include "workbench/ui/Desktop.h"
#include "workbench/ui/MDIForm1.h"

#include <tembusa/ui.h>

#include <QApplication>
#include <QScreen>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rumbela"));
    QApplication::setApplicationVersion(QStringLiteral(TEMBUSA_VERSION_STRING));
    tembusa::InstallUi(&tembusa::WindowsUi());

    rumbela::QtDesktop desktop;
    int result = 0;
    {
        rumbela::MDIForm1 frame(desktop);
        // Fills the screen also where no window manager maximises windows.
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            frame.setGeometry(screen->availableGeometry());
        frame.showMaximized();
        result = QApplication::exec();
    }
    // The engine's dictionary connection closes while the library is whole.
    rumbela::ReleaseEngine();
    return result;
}
