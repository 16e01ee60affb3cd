// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/ui/DialogLook.h"

#include <QDialog>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>

namespace tembusa {

void ApplyDialogLook(QDialog* dialog)
{
    if (QFontDatabase::families().contains(QStringLiteral("Verdana"))) {
        QFont font(QStringLiteral("Verdana"));
        font.setPointSizeF(8.25);
        dialog->setFont(font);
    }
    dialog->setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    dialog->setModal(true);
}

void CentreOnScreen(QDialog* dialog)
{
    dialog->adjustSize();
    dialog->setFixedSize(dialog->size());
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = dialog->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    dialog->move(frame.topLeft());
}

} // namespace tembusa
