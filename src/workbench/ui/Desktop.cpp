// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/ui/Desktop.h"

#include "workbench/FilePaths.h"
#include "workbench/ui/HelpWindow.h"

#include <QButtonGroup>
#include <QDesktopServices>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTextDocument>
#include <QUrl>
#include <QVBoxLayout>

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

bool QtDesktop::AskPrint(QWidget* owner, PrintContent& content, bool& preview)
{
    QDialog dialog(owner);
    dialog.setObjectName(QStringLiteral("frmPrint"));
    dialog.setWindowTitle(QStringLiteral("Print Document"));
    auto* layout = new QVBoxLayout(&dialog);
    auto* choices = new QButtonGroup(&dialog);
    const std::pair<PrintContent, QString> options[] = {
        {PrintContent::Translation, QStringLiteral("&Translation")},
        {PrintContent::Source, QStringLiteral("&Source text")},
        {PrintContent::SideBySide, QStringLiteral("Source and translation side &by side")}};
    for (const auto& [value, text] : options) {
        auto* option = new QRadioButton(text, &dialog);
        option->setChecked(value == content);
        choices->addButton(option, int(value));
        layout->addWidget(option);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, &dialog);
    QPushButton* print =
        buttons->addButton(QStringLiteral("&Print..."), QDialogButtonBox::AcceptRole);
    QPushButton* look =
        buttons->addButton(QStringLiteral("Print Pre&view..."), QDialogButtonBox::AcceptRole);
    print->setDefault(true);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    layout->addWidget(buttons);
    bool looked = false;
    QObject::connect(buttons, &QDialogButtonBox::clicked, &dialog,
                     [&looked, look](QAbstractButton* button) { looked = button == look; });
    if (dialog.exec() != QDialog::Accepted)
        return false;
    content = PrintContent(choices->checkedId());
    preview = looked;
    return true;
}

void QtDesktop::PrintText(QWidget* owner, QTextDocument& document, bool preview)
{
    QPrinter printer(QPrinter::HighResolution);
    if (preview) {
        QPrintPreviewDialog dialog(&printer, owner);
        QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                         [&document](QPrinter* target) { document.print(target); });
        dialog.exec();
        return;
    }
    QPrintDialog dialog(&printer, owner);
    if (dialog.exec() == QDialog::Accepted)
        document.print(&printer);
}

bool QtDesktop::ChooseFont(QWidget* owner, QFont& font)
{
    bool chosen = false;
    const QFont result = QFontDialog::getFont(&chosen, font, owner, QStringLiteral("Font"));
    if (chosen)
        font = result;
    return chosen;
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
