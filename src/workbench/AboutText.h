// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rumbela {

// The version line of the About box: "Version " and the three numbers
// joined by "." (1, 0, 0 gives "Version 1.0.0").
QString VersionText(int major, int minor, int revision);

// The version line of this build.
QString BuildVersionText();

// The maker text of the About box: "Program ini dibuat oleh ", a line
// feed, and five contact lines (web, e-mail, telephone, street, town)
// joined by line feeds.
QString MakerText();

// The copyright warning of the About box.
QString DisclaimerText();

} // namespace rumbela
