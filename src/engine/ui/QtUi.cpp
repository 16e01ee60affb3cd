// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ui/QtUi.h"

#include <QApplication>
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

void QtUi::BusyPointer(bool busy)
{
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

void QtUi::ProcessEvents()
{
    QApplication::processEvents();
}

Ui& WindowsUi()
{
    static QtUi ui;
    return ui;
}

} // namespace tembusa
