// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRect>
#include <QSize>

namespace rumbela {

// The frame's arrange codes.
enum class Arrangement { Cascade = 0, TileHorizontal = 1, TileVertical = 2, Icons = 3 };

// Places count windows in area without overlap: tiled horizontally they lie
// one above the other, each as wide as the area; tiled vertically they stand
// side by side, each as high as the area. Leftover pixels go to the last
// window, so together they fill the area exactly.
QList<QRect> TileRects(int count, const QRect& area, Arrangement arrangement);

// Cascades count windows in area: each one step right of and below the one
// before, all of one size that keeps them usable (at least two thirds of the
// area each way, all of it when the area is small), starting again at the
// top left when the next would leave the area.
QList<QRect> CascadeRects(int count, const QRect& area, int step);

// Places minimised windows of the given sizes in rows along the bottom of
// area, left to right, a new row above when one is full.
QList<QRect> IconRects(const QList<QSize>& sizes, const QRect& area);

} // namespace rumbela
