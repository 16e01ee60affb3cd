// SPDX-License-Identifier: GPL-3.0-or-later
#include "workbench/WebHost.h"

#include <QUrl>

namespace rumbela {

QString WebsiteUrl()
{
    return QLatin1String(kWebHost) + QLatin1Char('/');
}

QString HelpOnlineUrl()
{
    return QLatin1String(kWebHost) + QStringLiteral("/Rumbela/Index.html");
}

QString ContactMail()
{
    return QStringLiteral("info@") + QUrl(QLatin1String(kWebHost)).host();
}

} // namespace rumbela
