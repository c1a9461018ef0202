// The referral module: its checks in order, and the address it hands on.

#include "FakeServices.h"
#include "modTellAFriend.h"

#include <QTest>

class tst_modTellAFriend : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tellAFriend_data()
    {
        // name, email, message, friend's name, friend's email
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("expected"); // a message, or the address opened
        const auto row = [](const char* name, const QStringList& texts, const QString& expected) {
            QTest::newRow(name) << texts << QStringList{expected};
        };
        // Every box after the first missing one is missing too: the first check wins.
        row("name", {" Your Name ", "", "", "", ""}, "Please Enter Your Name");
        row("email", {"A", "Your Email Address", "", "", ""}, "Please Enter Your Email");
        row("message", {"A", "a", "  ", "", ""}, "Please Enter Your Message");
        row("friend", {"A", "a", "\t", "Friend's Name", ""}, "Please Enter Your Friend's Name");
        row("friend@", {"A", "a", "m", "B", "Friend's Email Address"},
            "Please Enter Your Friend's Email");
        // Values are joined as they are: blanks, quotes, URL characters, line breaks.
        row("joined as typed", {"Ann \"Lee\"", "a@b", "Hi\r\n& 50% #1", "B", "x@y"},
            "http://www.sorrelwick.com/quib-refer-a-friend.php?taf1=Ann \"Lee\"&taf2=a@b"
            "&taf3=Hi\r\n& 50% #1&taf4=B&taf5=x@y&taf6=http://tolvane.sorrelwick.com/");
    }

    void tellAFriend()
    {
        QFETCH(QStringList, texts);
        modTellAFriend::ReferForm form{texts[0], texts[1], texts[2], texts[3], texts[4], {}};
        platform::fake::FakeServices fakes;
        modTellAFriend::TellAFriend(form, fakes.messages, fakes.browser);
        // A message or the address, never both.
        QTEST(fakes.messages.texts() + fakes.browser.opened, "expected");
    }
};

QTEST_MAIN(tst_modTellAFriend)
#include "tst_modtellafriend.moc"
