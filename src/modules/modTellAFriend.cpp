#include "modTellAFriend.h"

#include "WebAddresses.h"

namespace modTellAFriend
{

QString TrimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && text[first] == u' ')
        ++first;
    while (end > first && text[end - 1] == u' ')
        --end;
    return text.mid(first, end - first);
}

void TellAFriend(ReferForm& form, platform::MessageBoxes& messages, platform::Browser& browser)
{
    struct Check {
        const QString& text;
        const QString& placeholder;
        const char* message;
    };
    const Check checks[] = {
        {form.ReferName, NamePlaceholder, "Please Enter Your Name"},
        {form.ReferEmail, EmailPlaceholder, "Please Enter Your Email"},
        {form.ReferMessage, MessagePlaceholder, "Please Enter Your Message"},
        {form.ReferFriendName, FriendNamePlaceholder, "Please Enter Your Friend's Name"},
        {form.ReferFriendEmail, FriendEmailPlaceholder, "Please Enter Your Friend's Email"},
    };
    for (const Check& check : checks) {
        const QString trimmed = TrimBlanks(check.text);
        if (trimmed.isEmpty() || trimmed == check.placeholder) {
            messages.show(QString::fromLatin1(check.message),
                          platform::MessageBoxes::Icon::Critical,
                          platform::MessageBoxes::Buttons::Ok);
            return;
        }
    }

    // The values go into the address as they are, without any escaping.
    form.ReferUrl = webaddress::ReferAFriendPage + u'?' + QStringLiteral("taf1=") + form.ReferName +
                    QStringLiteral("&taf2=") + form.ReferEmail + QStringLiteral("&taf3=") +
                    form.ReferMessage + QStringLiteral("&taf4=") + form.ReferFriendName +
                    QStringLiteral("&taf5=") + form.ReferFriendEmail + QStringLiteral("&taf6=") +
                    webaddress::ProductPages;
    OpenTellAFriendUrl(form.ReferUrl, browser);
}

void OpenTellAFriendUrl(const QString& url, platform::Browser& browser)
{
    browser.open(url);
}

} // namespace modTellAFriend
