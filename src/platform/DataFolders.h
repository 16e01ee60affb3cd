// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace tembusa {

// Where the program's data lives. In a build tree everything sits in the
// folder of the program's own file. Installed under a prefix, that folder is
// read-only and shared by all users: the shipped data is read from
// <prefix>/share/rumbela, and the files a user changes (the dictionary, the
// text dictionaries, the log, the recent list) live in the user's data folder.
struct DataFolders
{
    QString user;   // the files a user changes
    QString shared; // the shipped, read-only data
    bool installed = false;
};

// The folders of a program or library whose file lies in folder. The folder
// counts as installed when it is <prefix>/bin or <prefix>/lib/<multiarch>
// (the layout the install step writes) and <prefix>/share/rumbela exists;
// anything else is a build tree, whose folder holds everything.
DataFolders DataFoldersFor(const QString& folder);

// The user's data folder: $XDG_DATA_HOME/rumbela, by default
// ~/.local/share/rumbela. Empty when the user has no home folder.
QString UserDataFolder();

// Makes the user's folder and, when it has no file name yet but the shared
// folder has one, copies the shipped file there. The shipped file is never
// moved or changed, and an existing user file is never replaced: a user's
// dictionary outlives every upgrade. Nothing to do in a build tree. Returns
// false with error set when the folder or the copy cannot be made.
bool SeedUserFile(const DataFolders& folders, const QString& name, QString& error);

} // namespace tembusa
