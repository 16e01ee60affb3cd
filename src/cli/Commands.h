// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

namespace tembusa::cli {

// Each command takes the arguments after its name and returns the exit code.
int RunList(const QStringList& args);
int RunDict(const QStringList& args);
int RunTranslate(const QStringList& args);
int RunLookup(const QStringList& args);

} // namespace tembusa::cli
