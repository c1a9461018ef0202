// The referral module: its checks in order, the address it builds, and how
// that address reaches the browser.

#include "FakeServices.h"
#include "modTellAFriend.h"

#include <QProcess>
#include <QTest>
#include <QUrl>

using modTellAFriend::ReferForm;
using platform::MessageBoxes;

namespace
{

const QString ReferPage = QStringLiteral("http://www.sorrelwick.com/quib-refer-a-friend.php");
const QString ProductPages = QStringLiteral("http://tolvane.sorrelwick.com/");

ReferForm fullForm()
{
    ReferForm form;
    form.ReferName = QStringLiteral("Ann Lee");
    form.ReferEmail = QStringLiteral("ann@example.org");
    form.ReferMessage = QStringLiteral("Try this");
    form.ReferFriendName = QStringLiteral("Bob");
    form.ReferFriendEmail = QStringLiteral("bob@example.net");
    return form;
}

} // namespace

class tst_modTellAFriend : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void trimBlanks_data();
    void trimBlanks();
    void missingTexts_data();
    void missingTexts();
    void addressJoinsTheValuesAsTheyAre_data();
    void addressJoinsTheValuesAsTheyAre();
    void hostileAddressStaysOneArgument_data();
    void hostileAddressStaysOneArgument();
};

void tst_modTellAFriend::trimBlanks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("only blanks") << QStringLiteral("    ") << QString();
    QTest::newRow("blanks at both ends")
        << QStringLiteral("  Ann Lee ") << QStringLiteral("Ann Lee");
    QTest::newRow("tabs stay") << QStringLiteral("\tAnn\t") << QStringLiteral("\tAnn\t");
    QTest::newRow("line break stays")
        << QStringLiteral(" Your Message\r\n ") << QStringLiteral("Your Message\r\n");
}

void tst_modTellAFriend::trimBlanks()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QCOMPARE(modTellAFriend::TrimBlanks(text), trimmed);
}

void tst_modTellAFriend::missingTexts_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("name empty") << "name"
                                << ""
                                << "Please Enter Your Name";
    QTest::newRow("name placeholder") << "name"
                                      << "Your Name"
                                      << "Please Enter Your Name";
    QTest::newRow("name placeholder in blanks") << "name"
                                                << "  Your Name "
                                                << "Please Enter Your Name";
    QTest::newRow("email blanks") << "email"
                                  << "   "
                                  << "Please Enter Your Email";
    QTest::newRow("email placeholder") << "email"
                                       << "Your Email Address"
                                       << "Please Enter Your Email";
    QTest::newRow("message placeholder") << "message"
                                         << "Your Message"
                                         << "Please Enter Your Message";
    QTest::newRow("friend name placeholder") << "friendName"
                                             << "Friend's Name"
                                             << "Please Enter Your Friend's Name";
    QTest::newRow("friend email empty") << "friendEmail"
                                        << ""
                                        << "Please Enter Your Friend's Email";
    QTest::newRow("friend email placeholder") << "friendEmail"
                                              << "Friend's Email Address"
                                              << "Please Enter Your Friend's Email";
    // The first missing text in order is the one reported.
    QTest::newRow("name before the rest") << "all"
                                          << ""
                                          << "Please Enter Your Name";
}

void tst_modTellAFriend::missingTexts()
{
    QFETCH(QString, field);
    QFETCH(QString, value);
    QFETCH(QString, message);
    ReferForm form = fullForm();
    QString* fields[] = {&form.ReferName, &form.ReferEmail, &form.ReferMessage,
                         &form.ReferFriendName, &form.ReferFriendEmail};
    const QStringList names = {"name", "email", "message", "friendName", "friendEmail"};
    for (int i = 0; i < names.size(); ++i) {
        if (field == names[i] || field == QLatin1String("all"))
            *fields[i] = value;
    }
    platform::fake::ScriptedMessageBoxes messages;
    platform::fake::RecordingBrowser browser;
    modTellAFriend::TellAFriend(form, messages, browser);

    QCOMPARE(messages.texts(), QStringList{message});
    QCOMPARE(messages.shown.first().icon, MessageBoxes::Icon::Critical);
    QCOMPARE(messages.shown.first().buttons, MessageBoxes::Buttons::Ok);
    QCOMPARE(messages.shown.first().title, QStringLiteral("Tolvane"));
    QVERIFY(browser.opened.isEmpty());
    QVERIFY(form.ReferUrl.isEmpty());
}

void tst_modTellAFriend::addressJoinsTheValuesAsTheyAre_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("expected");
    QTest::newRow("plain") << "Try this"
                           << ReferPage +
                                  "?taf1=Ann Lee&taf2=ann@example.org&taf3=Try this&taf4=Bob"
                                  "&taf5=bob@example.net&taf6=" +
                                  ProductPages;
    QTest::newRow("line break and reserved characters")
        << "Your Message\r\n50% & more #1"
        << ReferPage +
               "?taf1=Ann Lee&taf2=ann@example.org&taf3=Your Message\r\n50% & more #1&taf4=Bob"
               "&taf5=bob@example.net&taf6=" +
               ProductPages;
}

void tst_modTellAFriend::addressJoinsTheValuesAsTheyAre()
{
    QFETCH(QString, message);
    QFETCH(QString, expected);
    ReferForm form = fullForm();
    form.ReferMessage = message;
    platform::fake::ScriptedMessageBoxes messages;
    platform::fake::RecordingBrowser browser;

    modTellAFriend::TellAFriend(form, messages, browser);
    QVERIFY(messages.shown.isEmpty());
    QCOMPARE(form.ReferUrl, expected);
    QCOMPARE(browser.opened, QStringList{expected});

    // Sending again opens the address again.
    modTellAFriend::TellAFriend(form, messages, browser);
    QCOMPARE(browser.opened, QStringList({expected, expected}));
}

void tst_modTellAFriend::hostileAddressStaysOneArgument_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("blanks and quotes") << QStringLiteral("say \"hi\" to 'them'");
    QTest::newRow("shell characters") << QStringLiteral("; rm -rf ~ | cat $(id) `id` && x");
    QTest::newRow("line breaks") << QStringLiteral("Your Message\r\nsecond line");
    QTest::newRow("fragment sign") << QStringLiteral("x#y z");
    QTest::newRow("stray percent") << QStringLiteral("100% \"sure\"");
}

void tst_modTellAFriend::hostileAddressStaysOneArgument()
{
    // The desktop browser opener hands QUrl's encoded form, after the opener's
    // name and one blank, to a command splitter and starts the program without
    // a shell. The encoded address must carry no blank, quote or control
    // character, so that it stays one argument.
    QFETCH(QString, value);
    ReferForm form = fullForm();
    form.ReferName = value;
    form.ReferMessage = value;
    platform::fake::ScriptedMessageBoxes messages;
    platform::fake::RecordingBrowser browser;
    modTellAFriend::TellAFriend(form, messages, browser);
    QCOMPARE(browser.opened.size(), 1);

    const QUrl url(browser.opened.first(), QUrl::TolerantMode);
    QVERIFY(url.isValid());
    QCOMPARE(url.host(), QStringLiteral("www.sorrelwick.com"));
    const QByteArray encoded = url.toEncoded();
    for (char c : encoded)
        QVERIFY2(c > ' ' && c != '"' && c < 127, encoded.constData());
    const QStringList arguments =
        QProcess::splitCommand(QStringLiteral("xdg-open ") + QString::fromLatin1(encoded));
    QCOMPARE(arguments, QStringList({QStringLiteral("xdg-open"), QString::fromLatin1(encoded)}));
}

QTEST_MAIN(tst_modTellAFriend)
#include "tst_modtellafriend.moc"
