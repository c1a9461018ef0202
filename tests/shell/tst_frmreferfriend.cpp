// The refer-a-friend window: appeal, placeholders, e-mail checks, referral,
// links, and the end of the program.

#include "TestSupport.h"
#include "frmReferFriend.h"

#include <QApplication>
#include <QTest>

class tst_frmReferFriend : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { test = std::make_unique<TestProgram>(); }
    void cleanup()
    {
        test.reset(); // also deletes the unloaded windows
        flushDeferredDeletes();
        QCOMPARE(visibleWindows(), QStringList());
    }

    // One visit: the appeal drawn, one box's placeholder, the links, and the way out.
    void visit_data()
    {
        // box: txtName, txtEmail, txtMessage, txtFriendName, txtFriendEmail
        QTest::addColumn<QString>("placeholder");
        QTest::addColumn<int>("box");
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("appeal");
        QTest::newRow("txtName") << "Your Name" << 0 << 0.2499f << 0;
        QTest::newRow("txtEmail") << "Your Email Address" << 1 << 0.25f << 1;
        QTest::newRow("txtMessage") << "Your Message" << 2 << 0.5f << 2;
        QTest::newRow("txtFriendName") << "Friend's Name" << 3 << 0.99999994f << 3;
        QTest::newRow("txtFriendEmail") << "Friend's Email Address" << 4 << 0.0f << 0;
    }
    void visit()
    {
        QFETCH(QString, placeholder);
        QFETCH(int, box);
        QFETCH(float, r);
        test->fakes.random.queued = {r, 0.75f};
        test->program.frmReferFriend.show();
        w = &test->program.frmReferFriend.as<frmReferFriend>();
        QVERIFY(QTest::qWaitForWindowActive(w));
        QVERIFY(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QWidget* target = QList<QWidget*>{w->txtName, w->txtEmail, w->txtMessage, w->txtFriendName,
                                          w->txtFriendEmail}[box];
        const char* text = box == 2 ? "plainText" : "text";
        const auto shows = [&] { return target->property(text).toString(); };
        // Entering empties the placeholder (blanks around it too); leaving a blank box
        // puts it back. Typing below shows that entering emptied the box.
        w->setMessageText(" Your Message ");
        target->setFocus(Qt::MouseFocusReason);
        w->cmdClose->setFocus(Qt::MouseFocusReason);
        QCOMPARE(shows(), placeholder);
        // The e-mail boxes refuse a typed blank, say why and keep the focus.
        const bool email = box == 1 || box == 4;
        target->setFocus(Qt::MouseFocusReason);
        QTest::keyClicks(target, QStringLiteral("a b"));
        QCOMPARE(QApplication::focusWidget(), target);
        QCOMPARE(test->fakes.messages.texts(),
                 QStringList(email, "Email Address Cannot Contain Space"));
        QVERIFY(!email ||
                test->fakes.messages.shown[0].icon == platform::MessageBoxes::Icon::Critical);
        // Leaving keeps what was typed.
        w->cmdClose->setFocus(Qt::MouseFocusReason);
        QCOMPARE(shows(), email ? "ab" : "a b");

        // Check1 opens the home page and unchecks itself, so each click opens it.
        for (QWidget* link : QList<QWidget*>{w->Check1, w->Check1, w->Check1, w->lblGoToHome})
            QTest::mouseClick(link, Qt::LeftButton);
        QVERIFY(!w->Check1->isChecked());
        const QString home = QStringLiteral("http://www.sorrelwick.com");
        QCOMPARE(test->fakes.browser.opened, QStringList(3, home) << home + "/sorrelwicksoftwares");

        // Hiding keeps the window loaded: no new draw, the same appeal.
        test->program.frmReferFriend.hide();
        test->program.frmReferFriend.show();
        QTEST(int(frmReferFriend::Appeals().indexOf(w->Label2->caption())), "appeal");

        // The close box and cmdClose take turns.
        box % 2 ? w->cmdClose->click() : (void)w->close();
        // cmdClose ends once more when the unloading reaches this window: the fake returns.
        QVERIFY(test->fakes.exit.ends >= 1);
        QCOMPARE(test->program.forms.count(), 0);
    }

    void submitChecks_data()
    {
        // name, email, friend's name, friend's email; the message is left untouched
        QTest::addColumn<QStringList>("texts");
        QTest::addColumn<QStringList>("expected"); // the message shown, or the address opened
        const auto row = [](const char* name, const QStringList& texts, const QString& expected) {
            QTest::newRow(name) << texts << QStringList{expected};
        };
        row("equal trimmed", {"", " a", "", "a "}, "Please Enter Distinct Email Addresses");
        row("no @", {"", "a.b", "", "x@y.z"}, "Please Enter Proper Email Address");
        row("no .", {"A", "a@b.c", "B", "x@yz"}, "Please Enter Proper Email Address");
        row("friend", {"A", "a@b.c", "Friend's Name", "x@y.z"}, "Please Enter Your Friend's Name");
        // The texts go out trimmed; the untouched message keeps its line break.
        row("full form", {"  Ann Lee ", "ann@example.org", "Bob", "bob@example.net "},
            "http://www.sorrelwick.com/quib-refer-a-friend.php?taf1=Ann Lee&taf2=ann@example.org"
            "&taf3=Your Message\r\n&taf4=Bob&taf5=bob@example.net"
            "&taf6=http://tolvane.sorrelwick.com/");
    }
    void submitChecks()
    {
        QFETCH(QStringList, texts);
        w = &test->program.frmReferFriend.as<frmReferFriend>();
        const QList<QLineEdit*> boxes{w->txtName, w->txtEmail, w->txtFriendName, w->txtFriendEmail};
        for (int box = 0; box < boxes.size(); ++box)
            boxes[box]->setText(texts[box]);
        QTest::mouseClick(w->cmdSubmit, Qt::LeftButton);
        QTEST(test->fakes.messages.texts() + test->fakes.browser.opened, "expected");
        QCOMPARE(w->Refer.ReferUrl, test->fakes.browser.opened.value(0));
    }

private:
    std::unique_ptr<TestProgram> test;
    frmReferFriend* w = nullptr;
};

QTEST_MAIN(tst_frmReferFriend)
#include "tst_frmreferfriend.moc"
