#pragma once
// Fixed texts that more than one window shows.

#include "WebAddresses.h"

#include <QString>

namespace windowtext
{

// What the program does: Label3 of the main and the result window, and the
// start of Label1 in the About window.
inline const QString Description = QStringLiteral(
    "Tolvane finds your Zorivi sign. Zorivi Astrology shows how a person relates to himself and "
    "portrays himself to the outside world. This includes self admiration of one's physical and "
    "mental attributes. This is an active masculine planet. This sign helps one make an impression "
    "on the real world. This asteroid has a lingering effect having a far reaching effect on our "
    "lives.");

// The maker's main site as people write it: without "http://".
inline QString mainSiteShown()
{
    QString shown = webaddress::MainSite;
    return shown.remove(QStringLiteral("http://"));
}

// Label61 of the main and the result window: the discussion-board advert.
inline QString discussionBoardAdvert()
{
    return QStringLiteral("Ask questions, share tips and meet other users on our free discussion "
                          "boards. Visit us now at ") +
           mainSiteShown();
}

// The offers in the bottom strip of the main and the result window (label captions,
// so "&&" shows one "&").
inline const QString FullBrandOffer = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get this "
    "software fully branded for your website. Click here for more details.");
inline const QString CoBrandOffer = QStringLiteral(
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your "
    "site's name &&  link here. See \"Help\" for details.Click Here for more info on co-branding.");

} // namespace windowtext
