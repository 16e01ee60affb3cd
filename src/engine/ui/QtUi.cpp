// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ui/QtUi.h"

#include "dictionary/ui/KamusWindows.h"
#include "engine/ui/frmUnknownWord.h"
#include "engine/ui/frmWordSelect.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace tembusa {
namespace {

const QString kTitle = QStringLiteral("Tembusa");

} // namespace

void QtUi::ErrorBox(const QString& text)
{
    QMessageBox::critical(QApplication::activeWindow(), kTitle, text);
}

void QtUi::MessageBox(const QString& text, const QString& title)
{
    QMessageBox::information(QApplication::activeWindow(), title.isEmpty() ? kTitle : title, text);
}

void QtUi::Warning(const QString& text)
{
    QMessageBox::warning(QApplication::activeWindow(), kTitle, text);
}

void QtUi::BusyPointer(bool busy)
{
    if (busy) {
        if (!QApplication::overrideCursor())
            QApplication::setOverrideCursor(Qt::WaitCursor);
    } else {
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }
}

void QtUi::ProcessEvents()
{
    QApplication::processEvents();
}

QString QtUi::InputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), title, prompt,
                                               QLineEdit::Normal, defaultText, &ok);
    return ok ? text : QString();
}

QString QtUi::ChooseMeaning(const QString& word, const QStringList& meanings)
{
    frmWordSelect dialog(word, meanings, QApplication::activeWindow());
    dialog.exec();
    return dialog.Answer();
}

QString QtUi::AskUnknownWord(const QString& word)
{
    frmUnknownWord dialog(word, QApplication::activeWindow());
    dialog.exec();
    return dialog.Answer();
}

void QtUi::ShowKamus(bool modal)
{
    ShowKamusWindow(modal);
}

void QtUi::ShowProgress()
{
    ShowProgressWindow();
}

void QtUi::SetProgressMax(qint32 value)
{
    SetProgressWindowMax(value);
}

void QtUi::SetProgressValue(qint32 value)
{
    SetProgressWindowValue(value);
}

void QtUi::SetProgressStatus(const QString& text)
{
    SetProgressWindowStatus(text);
}

void QtUi::CloseProgress()
{
    CloseProgressWindow();
}

Ui& WindowsUi()
{
    static QtUi ui;
    return ui;
}

} // namespace tembusa
