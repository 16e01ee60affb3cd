// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tembusa {

// The application folder: the folder of the files a user changes (the
// dictionary, the text dictionaries, the log). In a build tree it is the
// folder holding the library's own file (or the program's, where the library
// is linked in), never the current directory. Installed under a prefix it is
// the user's data folder, $XDG_DATA_HOME/rumbela (see DataFolders.h).
QString AppFolder();

// A data file of the application folder: the folder, "/", the name.
QString AppFilePath(const QString& name);

// AppFilePath(name), after the user's folder is made and, for an installed
// program, the shipped default of name is copied there when the user has
// none yet (never replacing the user's file). A failure to do so is put in
// *error when given; the path is returned either way, so that the caller's
// own open reports a missing file as before.
QString PrepareAppFile(const QString& name, QString* error = nullptr);

// AppFolder(), after an installed program's user folder is made.
QString PrepareAppFolder();

// The folder of the shipped, read-only data (keyword file, word list): the
// application folder in a build tree, <prefix>/share/rumbela when installed.
QString SharedFolder();
QString SharedFilePath(const QString& name);

// Points the application folder and the shared folder at another folder
// (tests, tools); empty text goes back to the library's own folders.
void OverrideAppFolder(const QString& folder);

} // namespace tembusa
