#pragma once
// The refer-a-friend form: its checks and the address that sends it to the
// maker's web site.

#include "Services.h"

#include <QString>

namespace modTellAFriend
{

// What each box of the form shows until the user types into it.
inline const QString NamePlaceholder = QStringLiteral("Your Name");
inline const QString EmailPlaceholder = QStringLiteral("Your Email Address");
inline const QString MessagePlaceholder = QStringLiteral("Your Message");
inline const QString FriendNamePlaceholder = QStringLiteral("Friend's Name");
inline const QString FriendEmailPlaceholder = QStringLiteral("Friend's Email Address");

// The texts of the last submitted form, and the address built from them. They
// start empty and keep their values until the program ends.
struct ReferForm {
    QString ReferName;
    QString ReferEmail;
    QString ReferMessage;
    QString ReferFriendName;
    QString ReferFriendEmail;
    QString ReferUrl;
};

// `text` without the blanks (code 32) at either end; tabs and line breaks stay.
QString TrimBlanks(const QString& text);

// Checks the five texts of `form` in turn and reports the first missing one;
// when all are present, builds form.ReferUrl and opens it.
void TellAFriend(ReferForm& form, platform::MessageBoxes& messages, platform::Browser& browser);

// Hands the referral address to the browser exactly as it is.
void OpenTellAFriendUrl(const QString& url, platform::Browser& browser);

} // namespace modTellAFriend
