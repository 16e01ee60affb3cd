// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rumbela {

// The text after the last "/" of path: the file name without its folder. A
// path without "/" comes back whole; one ending in "/" gives empty text.
QString FileTitle(const QString& path);

// path with "/" appended unless it already ends in one; "" gives "/".
QString AddBackslash(const QString& path);

// True when path names an existing file (not a folder).
bool FileExists(const QString& path);

// The workbench's application folder, where the files a user changes live
// (recent.rct, temp.html): the folder of the program's file in a build tree,
// the user's data folder ($XDG_DATA_HOME/rumbela) when installed.
QString WorkbenchFolder();

// A data file of the workbench's folder: the folder, "/", the name.
QString WorkbenchFilePath(const QString& name);

// A shipped, read-only file of the workbench (the readme, the manual): in the
// program's folder in a build tree, in <prefix>/share/rumbela when installed.
QString WorkbenchSharedFilePath(const QString& name);

// Points WorkbenchFolder and the shipped files at another folder (tests);
// empty text goes back to the program's folders.
void OverrideWorkbenchFolder(const QString& folder);

// The file dialog filter for a filter text of description|patterns pairs
// ("Text Files|*.txt;*.text|..."): "Text Files (*.txt *.text);;...". "*.*"
// becomes "*", so that all files also shows names without a dot.
QString DialogFilter(const QString& fileFilter);

// A path shown as a menu item's or a tab's caption: "&" doubled, so that it
// is not taken for a mnemonic.
QString PathCaption(const QString& path);

} // namespace rumbela
