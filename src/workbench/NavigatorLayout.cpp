// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/NavigatorLayout.h"

#include <algorithm>

namespace rumbela {

FilesPageGeometry ArrangeFilesPage(int width, int height, int splitterTop, int driveHeight)
{
    width = std::max(width, 0);
    FilesPageGeometry page;
    page.Drive1 = QRect(0, kNavGap, width, std::max(driveHeight, 0));
    const int dirTop = page.Drive1.bottom() + 1 + kNavGap;
    int dirHeight = std::max(splitterTop - dirTop, 0);
    dirHeight = std::max(std::min(dirHeight, height - kFolderListMargin), 0);
    page.Dir1 = QRect(0, dirTop, width, dirHeight);
    page.imgSize = QRect(0, dirTop + dirHeight, width, kSplitterHeight);
    const int fileTop = page.imgSize.bottom() + 1;
    page.File1 = QRect(0, fileTop, width, std::max(height - fileTop, 0));
    return page;
}

int DragSplitterTop(int top, int offset, int height)
{
    int result = std::max(top + offset, kSplitterMinTop);
    if (result > height - kSplitterMinTop)
        result = height - kSplitterMinTop;
    return result;
}

} // namespace rumbela
