// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/ui/Desktop.h"

#include "workbench/FilePaths.h"
#include "workbench/ui/HelpWindow.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

#include <cstdio>
#include <cstdlib>

namespace rumbela {

Desktop::~Desktop() = default;

bool QtDesktop::AskYesNo(QWidget* owner, const QString& title, const QString& text)
{
    return QMessageBox::question(owner, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

bool QtDesktop::AskYesNoDefaultNo(QWidget* owner, const QString& title, const QString& text)
{
    return QMessageBox::question(owner, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

Desktop::SaveChoice QtDesktop::AskSaveChanges(QWidget* owner, const QString& title,
                                              const QString& text)
{
    switch (QMessageBox::warning(owner, title, text,
                                 QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                                 QMessageBox::Save)) {
    case QMessageBox::Save:
        return SaveChoice::Save;
    case QMessageBox::Discard:
        return SaveChoice::Discard;
    default:
        return SaveChoice::Cancel;
    }
}

void QtDesktop::ShowCritical(QWidget* owner, const QString& title, const QString& text)
{
    QMessageBox::critical(owner, title, text);
}

void QtDesktop::ShowMessage(QWidget* owner, const QString& title, const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner);
    box.exec();
}

QString QtDesktop::OpenFileName(QWidget* owner, const QString& title, const QString& filter,
                                const QString& start)
{
    return QFileDialog::getOpenFileName(owner, title, start, filter);
}

QString QtDesktop::SaveFileName(QWidget* owner, const QString& title, const QString& filter,
                                const QString& start)
{
    return QFileDialog::getSaveFileName(owner, title, start, filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

void QtDesktop::EndProgram()
{
    // Every workbench file is written when it changes, so nothing is lost by
    // skipping the windows' own closing.
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

bool OpenWithShell(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

bool ShowHelpContents(QWidget* owner)
{
    // One help window for the whole program.
    static QPointer<HelpWindow> window;
    const QString contents = WorkbenchSharedFilePath(QStringLiteral("help/index.html"));
    if (!FileExists(contents))
        return false;
    if (!window)
        window = new HelpWindow(owner);
    window->ShowContents(contents);
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

QString FindSysInfoProgram()
{
    // Graphical programs that show the machine's hardware and system, in
    // the order they are preferred.
    static const char* const kPrograms[] = {"hardinfo2", "hardinfo", "kinfocenter", "lshw-gtk",
                                            "xfce4-about"};
    for (const char* name : kPrograms) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty())
            return path;
    }
    return QString();
}

bool StartProgram(const QString& program)
{
    return QProcess::startDetached(program, QStringList());
}

} // namespace rumbela
