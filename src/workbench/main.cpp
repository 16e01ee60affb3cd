// SPDX-License-Identifier: GPL-3.0-or-later
// rumbela: the desktop workbench.
#include "workbench/Engine.h"
#include "workbench/FilePaths.h"
#include "workbench/ui/Desktop.h"
#include "workbench/ui/DesktopFiles.h"
#include "workbench/ui/FrameSettings.h"
#include "workbench/ui/MDIForm1.h"
#include "workbench/ui/SingleInstance.h"

#include <tembusa/ui.h>

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QIcon>
#include <QScreen>
#include <QTimer>

namespace {

// The menu entry's and the icon's name.
const QString kAppId = QStringLiteral("org.example.rumbela");

QIcon AppIcon()
{
    QIcon built;
    for (const int size : {16, 22, 24, 32, 48, 64, 128, 256})
        built.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    return QIcon::fromTheme(kAppId, built);
}

QStringList CommandLineFiles(const QApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("English to Indonesian translation workbench.\n\n"
                       "Opens each FILE as a document; when Rumbela runs already, in its window.\n"
                       "Your dictionary and files: %1\n"
                       "Shipped data: %2")
            .arg(rumbela::WorkbenchFolder(),
                 QDir::cleanPath(rumbela::WorkbenchSharedFilePath(QStringLiteral(".")))));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("a file to open"),
                                 QStringLiteral("[FILE...]"));
    parser.process(app);
    return rumbela::FilesFromArguments(parser.positionalArguments(), QDir::currentPath());
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rumbela"));
    QApplication::setApplicationVersion(QStringLiteral(TEMBUSA_VERSION_STRING));
    QGuiApplication::setDesktopFileName(kAppId);
    QApplication::setWindowIcon(AppIcon());
    const QStringList files = CommandLineFiles(app);

    rumbela::SingleInstance instance(
        rumbela::SingleInstance::ServerNameFor(rumbela::WorkbenchFolder()));
    if (instance.HandOver(files))
        return 0;
    // Two programs started at the same moment: the one that lost the race
    // hands its files to the other.
    if (!instance.Listen() && instance.HandOver(files))
        return 0;

    tembusa::InstallUi(&tembusa::WindowsUi());
    rumbela::QtDesktop desktop;
    int result = 0;
    {
        rumbela::MDIForm1 frame(desktop);
        auto* settings = new rumbela::FrameSettings(frame, *frame.mnStat());
        new rumbela::FileDrop(frame);
        if (settings->Restore()) {
            frame.show();
        } else {
            // Fills the screen also where no window manager maximises windows.
            if (const QScreen* screen = QGuiApplication::primaryScreen())
                frame.setGeometry(screen->availableGeometry());
            frame.showMaximized();
        }
        QObject::connect(&instance, &rumbela::SingleInstance::FilesReceived, &frame,
                         [&frame](const QStringList& handed) {
                             rumbela::OpenFiles(frame, handed);
                             if (frame.isMinimized())
                                 frame.showNormal();
                             frame.raise();
                             frame.activateWindow();
                         });
        // Opened once the frame shows, so that boxes have their owner on screen.
        QTimer::singleShot(0, &frame, [&frame, files] { rumbela::OpenFiles(frame, files); });
        result = QApplication::exec();
    }
    // The engine's dictionary connection closes while the library is whole.
    rumbela::ReleaseEngine();
    return result;
}
