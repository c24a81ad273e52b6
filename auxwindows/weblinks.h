#pragma once
// Where the program's online help, web site and e-mail address are. Addresses under example.org
// until the project has its own: a packager changes them here and nowhere else.
#include <QString>

namespace weblinks {
inline const QString OnlineHelpUrl = QStringLiteral("https://www.example.org/mnemora/help.html");
inline const QString WebsiteUrl = QStringLiteral("https://www.example.org/mnemora/");
inline const QString EmailAddress = QStringLiteral("mnemora@example.org");
} // namespace weblinks
