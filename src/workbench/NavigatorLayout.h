// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

namespace rumbela {

// The navigator's Files page, in pixels (design values in twips / 15).
constexpr int kNavGap = 2;             // 30: above the drive chooser and the folder list
constexpr int kSplitterHeight = 3;     // 50
constexpr int kSplitterFirstTop = 128; // 1920: where the splitter starts
constexpr int kSplitterMinTop = 53;    // 800: the splitter stays this far from both edges
constexpr int kFolderListMargin = 100; // 1500: the folder list leaves this much of the page

// Where the Files page's controls go.
struct FilesPageGeometry
{
    QRect Drive1;
    QRect Dir1;
    QRect imgSize; // the splitter
    QRect File1;
};

// Lays out a Files page of the given width and height: the drive chooser
// (driveHeight high) at the top, the folder list below it down to the
// splitter's top, but never taller than the page less kFolderListMargin; the
// splitter right under the folder list, and the file list filling the rest.
// Sizes that would be negative are 0.
FilesPageGeometry ArrangeFilesPage(int width, int height, int splitterTop, int driveHeight);

// The splitter's top after a drag by offset pixels from top, on a page of the
// given height: at least kSplitterMinTop from the top and, overriding that,
// at least kSplitterMinTop from the bottom.
int DragSplitterTop(int top, int offset, int height);

} // namespace rumbela
