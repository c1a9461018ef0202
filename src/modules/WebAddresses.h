#pragma once
// The maker's web addresses.

#include <QString>

namespace webaddress
{

inline const QString MainSite = QStringLiteral("http://www.sorrelwick.com");
inline const QString HelpSite = QStringLiteral("http://help.sorrelwick.com");
inline const QString ProductSite = QStringLiteral("http://tolvane.sorrelwick.com");

inline const QString OnlineHelp = ProductSite + QStringLiteral("/tolvane-help.html");
inline const QString HomePage = MainSite;
inline const QString DownloadPage = ProductSite + QStringLiteral("/download-tolvane.html");
inline const QString DonatePage = HelpSite + QStringLiteral("/donate.html");
inline const QString FullBrandPage = HelpSite + QStringLiteral("/fully-branded.html");
inline const QString CoBrandPage = HelpSite + QStringLiteral("/co-brand.html");
inline const QString SoftwareLibrary = MainSite + QStringLiteral("/sorrelwicksoftwares");
inline const QString ReferAFriendPage = MainSite + QStringLiteral("/quib-refer-a-friend.php");
// The product's own pages, sent along with a referral.
inline const QString ProductPages = ProductSite + QStringLiteral("/");

} // namespace webaddress
