// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/AboutText.h"

#include "workbench/WebHost.h"

#include <QStringList>

namespace rumbela {

QString VersionText(int major, int minor, int revision)
{
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString BuildVersionText()
{
    return VersionText(TEMBUSA_VERSION_MAJOR, TEMBUSA_VERSION_MINOR, TEMBUSA_VERSION_PATCH);
}

QString MakerText()
{
    // The project has no office, telephone or town of its own yet: those
    // lines say so rather than show made-up data.
    const QStringList lines = {
        QStringLiteral("Program ini dibuat oleh "),
        QStringLiteral("Web: ") + WebsiteUrl(),
        QStringLiteral("E-mail: ") + ContactMail(),
        QStringLiteral("Telp.: -"),
        QStringLiteral("Alamat: -"),
        QStringLiteral("Kota: -"),
    };
    return lines.join(QLatin1Char('\n'));
}

QString DisclaimerText()
{
    // The program is free software: the warning is against copying outside
    // its licence, not against copying as such.
    return QStringLiteral("Warning: this program is protected by copyright law. You may copy and "
                          "distribute it only under the terms of the GNU General Public License, "
                          "version 3 or later; copying or distributing it in any other way "
                          "infringes the copyright of its makers.");
}

} // namespace rumbela
