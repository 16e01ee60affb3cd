// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rumbela {

// The project's web host. Every web address the workbench opens or shows
// is made from it, so it is the one place to change when the site moves.
inline constexpr char kWebHost[] = "https://rumbela.example.org";

// The project's web site: the root of the host.
QString WebsiteUrl();

// The online help page: "/Rumbela/Index.html" on the host.
QString HelpOnlineUrl();

// The project's mail address, at the host's domain.
QString ContactMail();

} // namespace rumbela
