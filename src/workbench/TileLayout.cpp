// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/TileLayout.h"

#include <algorithm>

namespace rumbela {

QList<QRect> TileRects(int count, const QRect& area, Arrangement arrangement)
{
    QList<QRect> rects;
    if (count <= 0)
        return rects;
    const bool stacked = arrangement == Arrangement::TileHorizontal;
    const int total = stacked ? area.height() : area.width();
    const int step = total / count;
    for (int i = 0; i < count; ++i) {
        const int start = i * step;
        const int length = i + 1 == count ? total - start : step;
        if (stacked)
            rects.append(QRect(area.left(), area.top() + start, area.width(), length));
        else
            rects.append(QRect(area.left() + start, area.top(), length, area.height()));
    }
    return rects;
}

QList<QRect> CascadeRects(int count, const QRect& area, int step)
{
    QList<QRect> rects;
    if (count <= 0)
        return rects;
    step = std::max(step, 1);
    const int spread = (count - 1) * step;
    const int width = std::max(area.width() * 2 / 3, area.width() - spread);
    const int height = std::max(area.height() * 2 / 3, area.height() - spread);
    const int fit =
        std::max(1, std::min((area.width() - width) / step, (area.height() - height) / step) + 1);
    for (int i = 0; i < count; ++i) {
        const int offset = (i % fit) * step;
        rects.append(QRect(area.left() + offset, area.top() + offset, width, height));
    }
    return rects;
}

QList<QRect> IconRects(const QList<QSize>& sizes, const QRect& area)
{
    QList<QRect> rects;
    int x = area.left();
    int bottom = area.bottom() + 1;
    int rowHeight = 0;
    for (const QSize& size : sizes) {
        if (x > area.left() && x + size.width() > area.right() + 1) {
            x = area.left();
            bottom -= rowHeight;
            rowHeight = 0;
        }
        rects.append(QRect(QPoint(x, bottom - size.height()), size));
        x += size.width();
        rowHeight = qMax(rowHeight, size.height());
    }
    return rects;
}

} // namespace rumbela
