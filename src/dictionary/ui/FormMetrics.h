// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

class QWidget;

namespace tembusa {

// Form layouts are given in twips; the screen has 15 twips to a pixel.
constexpr int Twips(int twips)
{
    return (twips + 7) / 15;
}

// A control's place (left, top) and size (width x height), in twips.
QRect TwipsRect(int left, int top, int width, int height);

// Verdana 8.25 pt where the font is installed, else the desktop's font at
// that size, so the fixed layouts keep their proportions.
void UseFormFont(QWidget* form);

// Moves a window to the centre of the screen it is on.
void CentreWindowOnScreen(QWidget* window);

} // namespace tembusa
