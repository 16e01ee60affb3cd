// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/ui/FormMetrics.h"

#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tembusa {

QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

void UseFormFont(QWidget* form)
{
    const QString verdana = QStringLiteral("Verdana");
    QFont font = form->font();
    if (QFontDatabase::hasFamily(verdana))
        font.setFamily(verdana);
    font.setPointSizeF(8.25);
    form->setFont(font);
}

void CentreWindowOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace tembusa
