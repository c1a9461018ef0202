// The referral module: its checks in order, and the address it hands on.

#include "FakeServices.h"
#include "modTellAFriend.h"

#include <QProcess>
#include <QTest>
#include <QUrl>

class tst_modTellAFriend : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void trimBlanks_data();
    void trimBlanks();
    void tellAFriend_data();
    void tellAFriend();
};

void tst_modTellAFriend::trimBlanks_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("trimmed");
    QTest::newRow("only blanks") << "    "
                                 << "";
    QTest::newRow("blanks at both ends") << "  Ann Lee "
                                         << "Ann Lee";
    QTest::newRow("tabs and line breaks stay") << "\tAnn \r\n "
                                               << "\tAnn \r\n";
}

void tst_modTellAFriend::trimBlanks()
{
    QFETCH(QString, text);
    QFETCH(QString, trimmed);
    QCOMPARE(modTellAFriend::TrimBlanks(text), trimmed);
}

void tst_modTellAFriend::tellAFriend_data()
{
    // name, email, message, friend's name, friend's email
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("expected"); // a message, or the address opened
    QTest::newRow("all missing") << QStringList(5) << "Please Enter Your Name";
    QTest::newRow("name placeholder in blanks")
        << QStringList{" Your Name ", "a@b.c", "m", "B", "x@y.z"} << "Please Enter Your Name";
    QTest::newRow("email placeholder")
        << QStringList{"A", "Your Email Address", "m", "B", "x@y.z"} << "Please Enter Your Email";
    QTest::newRow("message blanks")
        << QStringList{"A", "a@b.c", "  ", "B", "x@y.z"} << "Please Enter Your Message";
    QTest::newRow("friend's name placeholder")
        << QStringList{"A", "a@b.c", "m", "Friend's Name", "x@y.z"}
        << "Please Enter Your Friend's Name";
    QTest::newRow("friend's email placeholder")
        << QStringList{"A", "a@b.c", "m", "B", "Friend's Email Address"}
        << "Please Enter Your Friend's Email";
    // Values are joined as they are: blanks, quotes, shell and URL characters, line breaks.
    QTest::newRow("hostile values")
        << QStringList{"Ann \"Lee\"", "a@b.c", "Hi\r\n; rm -rf ~ | `id` $(id) & 50% #1", "B",
                       "x@y.z"}
        << "http://www.sorrelwick.com/quib-refer-a-friend.php?taf1=Ann \"Lee\"&taf2=a@b.c"
           "&taf3=Hi\r\n; rm -rf ~ | `id` $(id) & 50% #1&taf4=B&taf5=x@y.z"
           "&taf6=http://tolvane.sorrelwick.com/";
}

void tst_modTellAFriend::tellAFriend()
{
    QFETCH(QStringList, texts);
    QFETCH(QString, expected);
    modTellAFriend::ReferForm form{texts[0], texts[1], texts[2], texts[3], texts[4], {}};
    platform::fake::ScriptedMessageBoxes messages;
    platform::fake::RecordingBrowser browser;
    modTellAFriend::TellAFriend(form, messages, browser);

    if (!expected.startsWith(QStringLiteral("http://"))) {
        QCOMPARE(messages.texts(), QStringList{expected});
        QCOMPARE(messages.shown[0].icon, platform::MessageBoxes::Icon::Critical);
        QCOMPARE(messages.shown[0].buttons, platform::MessageBoxes::Buttons::Ok);
        QCOMPARE(messages.shown[0].title, QStringLiteral("Tolvane"));
        QVERIFY(browser.opened.isEmpty() && form.ReferUrl.isEmpty());
        return;
    }
    QVERIFY(messages.shown.isEmpty());
    QCOMPARE(form.ReferUrl, expected);
    QCOMPARE(browser.opened, QStringList{expected});

    // The desktop opener joins its name, a blank and QUrl's encoded address,
    // splits that into arguments and starts the program without a shell: the
    // encoded address must keep no blank, quote or control character.
    const QByteArray encoded = QUrl(expected, QUrl::TolerantMode).toEncoded();
    QCOMPARE(QProcess::splitCommand(QStringLiteral("xdg-open ") + QLatin1String(encoded)),
             QStringList({QStringLiteral("xdg-open"), QString::fromLatin1(encoded)}));
    QVERIFY(encoded.contains("%0D%0A"));
}

QTEST_MAIN(tst_modTellAFriend)
#include "tst_modtellafriend.moc"
