// The refer-a-friend window: appeal, placeholders, e-mail checks, referral, links.

#include "TestSupport.h"
#include "frmReferFriend.h"

#include <QAccessible>
#include <QApplication>

using platform::MessageBoxes;

class tst_ReferFriend : public WindowTest
{
    Q_OBJECT
    frmReferFriend* w = nullptr;

private Q_SLOTS:
    // One visit: the appeal drawn, one box's placeholder, the links, and the way
    // out. Each row: the box, the random number drawn and the appeal it picks.
    void visit_data()
    {
        addRows({"txtName|0.2499|0", "txtEmail|0.25|1", "txtMessage|0.5|2",
                 "txtFriendName|0.99999994|3", "txtFriendEmail|0|0", "txtName|1|3",
                 "txtEmail|-0.5|0"});
    }
    void visit()
    {
        const QStringList row = cells();
        const qsizetype box =
            QStringList{"txtName", "txtEmail", "txtMessage", "txtFriendName", "txtFriendEmail"}
                .indexOf(row[0]);
        const QString placeholder = QStringList{"Your Name", "Your Email Address", "Your Message",
                                                "Friend's Name", "Friend's Email Address"}[box];
        tp = std::make_unique<TestProgram>(); // open() uses it
        tp->fakes.random.queued = {row[1].toFloat(), 0.75f};
        w = &open<frmReferFriend>(&Program::frmReferFriend);
        QVERIFY(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QWidget* target = QList<QWidget*>{w->txtName, w->txtEmail, w->txtMessage, w->txtFriendName,
                                          w->txtFriendEmail}[box];
        const char* text = box == 2 ? "plainText" : "text";
        const auto shows = [&] { return target->property(text).toString(); };
        // Entering empties the placeholder (blanks around it too), once the focus has
        // moved: a screen reader hears of the box before its change. A box left before
        // then keeps its text; leaving a blank box puts the placeholder back.
        const QString padded = " " + placeholder + " ";
        target->setProperty(text, padded);
        target->setFocus(Qt::TabFocusReason);
        w->cmdClose->setFocus(Qt::MouseFocusReason);
        QCoreApplication::processEvents();
        QCOMPARE(shows(), padded);
        target->setFocus(Qt::TabFocusReason);
        QCOMPARE(shows(), padded);
        QTRY_COMPARE(shows(), QString());
        w->cmdClose->setFocus(Qt::MouseFocusReason);
        QCOMPARE(shows(), placeholder);
        // The e-mail boxes refuse a typed blank, say why and keep the focus. Keys
        // typed at once go into the emptied box.
        const bool email = box == 1 || box == 4;
        target->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(target, QStringLiteral("a b"));
        QCOMPARE(QApplication::focusWidget(), target);
        QCOMPARE(tp->fakes.messages.texts(),
                 QStringList(email, "Email Address Cannot Contain Space"));
        QVERIFY(!email || tp->fakes.messages.shown[0].icon == MessageBoxes::Icon::Critical);
        // Leaving keeps what was typed.
        w->cmdClose->setFocus(Qt::MouseFocusReason);
        QCOMPARE(shows(), email ? "ab" : "a b");
        // Ctrl+Backspace (here with the text Windows gives it) types 127, which
        // the e-mail boxes let through like any code but a blank: every box
        // deletes the word before the cursor, with no message.
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_Backspace, QStringLiteral("\x7f"),
                            Qt::ControlModifier);
        QCOMPARE(shows(), email ? "" : "a ");
        QCOMPARE(tp->fakes.messages.shown.size(), email ? 1 : 0);

        // Check1 opens the home page and unchecks itself, so each click opens it:
        // a click anywhere in its area, Space, and a reader's press.
        const QRect area = w->Check1->rect();
        for (const QPoint at : {area.center(), area.topRight(), area.bottomLeft()})
            QTest::mouseClick(w->Check1, Qt::LeftButton, {}, at);
        w->Check1->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w->Check1, Qt::Key_Space);
        QAccessible::queryAccessibleInterface(w->Check1)->actionInterface()->doAction(
            QAccessibleActionInterface::toggleAction());
        QTest::mouseClick(w->lblGoToHome, Qt::LeftButton);
        const QString home = QStringLiteral("http://www.sorrelwick.com");
        QCOMPARE(tp->fakes.browser.opened, QStringList(5, home) << home + "/sorrelwicksoftwares");

        QCOMPARE(frmReferFriend::Appeals().indexOf(w->Label2->caption()), row[2].toInt());

        // The close box and cmdClose take turns; either ends the program.
        box % 2 ? w->cmdClose->click() : (void)w->close();
        QVERIFY(tp->fakes.exit.ends >= 1);
        QCOMPARE(tp->program.forms.count(), 0);
    }

    void submit_data()
    {
        // name, email, message, friend's name, friend's email
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("expected"); // the message shown, or the address opened
        const auto row = [](const char* name, const QStringList& texts, const QString& expected) {
            QTest::newRow(name) << texts << QStringList{expected};
        };
        const QString proper = "Please Enter Proper Email Address";
        // The e-mail checks come first, then the first box left as it was wins.
        row("equal trimmed", {"", " a", "", "", "a "}, "Please Enter Distinct Email Addresses");
        row("no @", {"", "a.b", "", "", "x@y.z"}, proper);
        row("no .", {"A", "a@b.c", "m", "B", "x@yz"}, proper);
        row("name", {" Your Name ", "a@b.c", "", "", "x@y.z"}, "Please Enter Your Name");
        row("message", {"A", "a@b.c", "  ", "", "x@y.z"}, "Please Enter Your Message");
        row("friend", {"A", "a@b.c", "\t", "Friend's Name", "x@y.z"},
            "Please Enter Your Friend's Name");
        // The texts go out trimmed of blanks, otherwise as typed and whole at any
        // length; the untouched message keeps its line break.
        const QString bob = "Bob" + QString(40000, u'b');
        row("full form", {" Ann \"Lee\" & 50% #1", "a@b.c", QString(), bob, "b@x.net "},
            "http://www.sorrelwick.com/quib-refer-a-friend.php?taf1=Ann \"Lee\" & 50% #1&taf2=a@b.c"
            "&taf3=Your Message\r\n&taf4=" +
                bob + "&taf5=b@x.net&taf6=http://tolvane.sorrelwick.com/");
    }
    void submit()
    {
        QFETCH(QStringList, texts);
        w = &open<frmReferFriend>(&Program::frmReferFriend);
        const QList<QLineEdit*> boxes{w->txtName, w->txtEmail, nullptr, w->txtFriendName,
                                      w->txtFriendEmail};
        for (int box : {0, 1, 3, 4})
            boxes[box]->setText(texts[box]);
        if (!texts[2].isNull())
            w->setMessageText(texts[2]);
        QTest::mouseClick(w->cmdSubmit, Qt::LeftButton);
        QTEST(tp->fakes.messages.texts() + tp->fakes.browser.opened, "expected");
    }
};

QTEST_MAIN(tst_ReferFriend)
#include "tst_referfriend.moc"
