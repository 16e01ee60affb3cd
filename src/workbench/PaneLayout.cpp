// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/PaneLayout.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace rumbela {

namespace {

// Design places of the panes' left edges and of the source pane's top.
constexpr int kSrcLeft = -30;
constexpr int kSrcTop = 0;
constexpr int kTgtLeft = 15;

// Half of a non-negative value, a half going to the even neighbour (5001 ->
// 2500, 5003 -> 2502).
int HalfToEven(int value)
{
    int half = value / 2;
    if (value % 2 != 0 && half % 2 != 0)
        ++half;
    return half;
}

} // namespace

PaneGeometry LayoutPanes(int width, int height)
{
    const int paneWidth = std::max(0, width - 100);
    const int h = HalfToEven(std::max(0, height));
    const int srcHeight = std::max(0, h - 100);
    PaneGeometry panes;
    panes.Src = QRect(kSrcLeft, kSrcTop, paneWidth, srcHeight);
    panes.tgt = QRect(kTgtLeft, kSrcTop + srcHeight + 50, paneWidth, std::max(0, h - 500));
    return panes;
}

int TwipsToPixels(int twips)
{
    return int(std::lround(double(twips) / kTwipsPerPixel));
}

QRect TwipsToPixels(const QRect& twips)
{
    return QRect(TwipsToPixels(twips.x()), TwipsToPixels(twips.y()), TwipsToPixels(twips.width()),
                 TwipsToPixels(twips.height()));
}

QSize PixelsToTwips(const QSize& pixels)
{
    return QSize(pixels.width() * kTwipsPerPixel, pixels.height() * kTwipsPerPixel);
}

} // namespace rumbela
