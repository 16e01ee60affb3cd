// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>

namespace rumbela {

// The icon of a toolbar button, by its key ("open", "mac3"): the desktop
// theme's icon where the theme has one, else a drawing of our own, so no
// button is blank on a desktop without an icon theme. Unknown keys get a
// plain drawn square.
QIcon ToolIcon(const QString& key);

// The tab image of a document: 1 unchanged, 2 changed.
QIcon TabImage(int image);

} // namespace rumbela
