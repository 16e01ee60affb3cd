// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <tembusa/Export.h>

#include <QString>

namespace tembusa {

// A name beside path that no file has yet: path.bak, else path.bak.1,
// path.bak.2, ... A backup made under this name never replaces an earlier
// one. Exported for the workbench, which keeps its documents' backups alike.
TEMBUSA_EXPORT QString FreeBackupName(const QString& path);

} // namespace tembusa
