// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

namespace rumbela {

// Layout values are worked in twips, 15 twips to the pixel at 96 dpi.
constexpr int kTwipsPerPixel = 15;

// Where a document window's two panes go, in twips.
struct PaneGeometry
{
    QRect Src;
    QRect tgt;
};

// Lays out the source pane above the target pane for a document window of
// the given outer width and height in twips. Both panes are 100 narrower than
// the window; with h = half the height (a half rounded to the even number),
// the source pane is h - 100 high and the target pane, 50 below it, h - 500.
// Sizes that would be negative are 0.
PaneGeometry LayoutPanes(int width, int height);

// Twips to pixels and back, rounded to the nearest pixel.
int TwipsToPixels(int twips);
QRect TwipsToPixels(const QRect& twips);
QSize PixelsToTwips(const QSize& pixels);

} // namespace rumbela
