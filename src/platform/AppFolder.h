// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tembusa {

// The application folder: the folder holding the library's own file (or the
// program's, where the library is linked in). Never the current directory.
QString AppFolder();

// A data file of the application folder: the folder, "/", the name.
QString AppFilePath(const QString& name);

// Points AppFolder at another folder (tests, tools); empty text goes back to
// the library's own folder.
void OverrideAppFolder(const QString& folder);

} // namespace tembusa
