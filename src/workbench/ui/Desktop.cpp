// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/ui/Desktop.h"

#include <QFileDialog>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>

namespace rumbela {

Desktop::~Desktop() = default;

bool QtDesktop::AskYesNo(QWidget* owner, const QString& title, const QString& text)
{
    return QMessageBox::question(owner, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

void QtDesktop::ShowCritical(QWidget* owner, const QString& title, const QString& text)
{
    QMessageBox::critical(owner, title, text);
}

QString QtDesktop::OpenFileName(QWidget* owner, const QString& title, const QString& filter)
{
    return QFileDialog::getOpenFileName(owner, title, QString(), filter);
}

QString QtDesktop::SaveFileName(QWidget* owner, const QString& title, const QString& filter)
{
    return QFileDialog::getSaveFileName(owner, title, QString(), filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

void QtDesktop::EndProgram()
{
    // Every workbench file is written when it changes, so nothing is lost by
    // skipping the windows' own closing.
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

} // namespace rumbela
