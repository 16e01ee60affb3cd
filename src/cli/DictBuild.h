// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace tembusa::cli {

// "dict import-freedict INDEX DICTDZ [--db FILE]": adds a dictd dictionary's
// headwords to a dictionary database. Takes the arguments after the
// subcommand's name and returns the exit code.
int RunImportFreeDict(const QStringList& args);

// "dict build [--db FILE] ...": builds the default dictionary from the core
// lists and FreeDict.
int RunBuild(const QStringList& args);

} // namespace tembusa::cli
