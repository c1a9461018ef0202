// The refer-a-friend window: appeal, placeholders, e-mail checks, referral,
// links, and the end of the program.

#include "SetUpProgram.h"
#include "TestSupport.h"
#include "frmReferFriend.h"

#include <QApplication>
#include <QTest>

using Icon = platform::MessageBoxes::Icon;
using Buttons = platform::MessageBoxes::Buttons;

namespace
{

// Records, each time the program ends, whether any window was still loaded.
struct EndProbe : platform::ProcessExit {
    void end() override
    {
        loadedAtEnd.append(program->frmMain.isLoaded() || program->frmDisplay.isLoaded() ||
                           program->frmAbout.isLoaded() || program->frmReferFriend.isLoaded());
    }
    Program* program = nullptr;
    QList<bool> loadedAtEnd;
};

} // namespace

class tst_frmReferFriend : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { test = std::make_unique<TestProgram>(); }
    void cleanup();
    void topmostWithFocusOnExitAndTabOrder();
    void appealFollowsTheDraw_data();
    void appealFollowsTheDraw();
    void placeholders_data();
    void placeholders();
    void blankRefusedInEmailBoxes_data();
    void blankRefusedInEmailBoxes();
    void submitChecks_data();
    void submitChecks();
    void fullFormOpensTheReferral();
    void messageEmptiedThroughTab();
    void links();
    void closingEndsTheProgram_data();
    void closingEndsTheProgram();

private:
    // Shows the window as the close rule does; null unless it got the focus.
    frmReferFriend* open()
    {
        test->program.frmReferFriend.show();
        w = &test->program.frmReferFriend.as<frmReferFriend>();
        return QTest::qWaitForWindowActive(w) ? w : nullptr;
    }
    void fill(const QString& name, const QString& email, const QString& friendName,
              const QString& friendEmail)
    {
        w->txtName->setText(name);
        w->txtEmail->setText(email);
        w->txtFriendName->setText(friendName);
        w->txtFriendEmail->setText(friendEmail);
    }
    std::unique_ptr<TestProgram> test;
    frmReferFriend* w = nullptr;
};

void tst_frmReferFriend::cleanup()
{
    test.reset();
    flushDeferredDeletes();
    for (QWidget* top : QApplication::topLevelWidgets())
        QVERIFY2(!top->isVisible(), qPrintable(top->windowTitle() + " leaked"));
}

void tst_frmReferFriend::topmostWithFocusOnExitAndTabOrder()
{
    // Loading alone puts the window on top and shows it.
    auto& window = test->program.frmReferFriend.as<frmReferFriend>();
    QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(window.isVisible());
    QVERIFY(open());
    QCOMPARE(QApplication::focusWidget(), w->cmdClose);
    for (QWidget* next :
         {(QWidget*)w->Check1, (QWidget*)w->txtName, (QWidget*)w->cmdSubmit, (QWidget*)w->txtEmail,
          (QWidget*)w->txtFriendEmail, (QWidget*)w->txtFriendName, (QWidget*)w->txtMessage,
          (QWidget*)w->cmdClose}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void tst_frmReferFriend::appealFollowsTheDraw_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("index");
    QTest::newRow("0") << 0.0f << 0;
    QTest::newRow("0.2499") << 0.2499f << 0;
    QTest::newRow("0.25") << 0.25f << 1;
    QTest::newRow("0.5") << 0.5f << 2;
    QTest::newRow("largest below 1") << 0.99999994f << 3;
}

void tst_frmReferFriend::appealFollowsTheDraw()
{
    QFETCH(float, r);
    QFETCH(int, index);
    auto& random = test->fakes.random;
    test->fakes.clock.seed = 4242;
    random.queued = {r, 0.75f};
    QVERIFY(open());
    QCOMPARE(random.seeds, QList<quint32>{4242});
    QCOMPARE(w->Label2->caption(), frmReferFriend::Appeals().at(index));

    // Hiding keeps the window loaded: no new draw, the same appeal.
    test->program.frmReferFriend.hide();
    test->program.frmReferFriend.show();
    QCOMPARE(w->Label2->caption(), frmReferFriend::Appeals().at(index));
    QCOMPARE(random.queued.size(), size_t(1));
}

void tst_frmReferFriend::placeholders_data()
{
    QTest::addColumn<int>("box"); // txtName, txtEmail, txtMessage, txtFriendName, txtFriendEmail
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("entering");
    QTest::addColumn<QString>("after");
    const QStringList placeholders = {"Your Name", "Your Email Address", "Your Message",
                                      "Friend's Name", "Friend's Email Address"};
    for (int box = 0; box < placeholders.size(); ++box) {
        const QString p = placeholders[box];
        const auto row = [&p](const char* what) -> QTestData& {
            return QTest::newRow(qPrintable(p + QStringLiteral(": ") + QLatin1String(what)));
        };
        row("entering empties placeholder") << box << p << true << QString();
        row("entering empties it in blanks") << box << "  " + p + " " << true << QString();
        row("entering keeps other case") << box << p.toUpper() << true << p.toUpper();
        row("leaving empty restores it") << box << "" << false << p;
        row("leaving blanks restores it") << box << "   " << false << p;
        row("leaving keeps typed text") << box << " ann " << false << " ann ";
    }
    QTest::newRow("tab is no blank") << 0 << "\t" << false << "\t";
    QTest::newRow("untouched message kept") << 2 << "Your Message\r\n"
                                            << true << "Your Message\r\n";
}

void tst_frmReferFriend::placeholders()
{
    QFETCH(int, box);
    QFETCH(QString, before);
    QFETCH(bool, entering);
    QFETCH(QString, after);
    QVERIFY(open());
    QWidget* target = QList<QWidget*>{w->txtName, w->txtEmail, w->txtMessage, w->txtFriendName,
                                      w->txtFriendEmail}[box];
    const auto text = [&] {
        return box == 2 ? w->messageText() : static_cast<QLineEdit*>(target)->text();
    };
    const auto setText = [&](const QString& t) {
        box == 2 ? w->setMessageText(t) : static_cast<QLineEdit*>(target)->setText(t);
    };
    if (!entering)
        target->setFocus(Qt::TabFocusReason);
    setText(before);
    (entering ? target : w->cmdClose)->setFocus(Qt::MouseFocusReason);
    QCOMPARE(text(), after);

    // The whole window losing the focus (to a message box, say) changes nothing.
    setText(QString());
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(target, &away);
    QCOMPARE(text(), QString());
}

void tst_frmReferFriend::blankRefusedInEmailBoxes_data()
{
    QTest::addColumn<bool>("friends");
    QTest::newRow("txtEmail") << false;
    QTest::newRow("txtFriendEmail") << true;
}

void tst_frmReferFriend::blankRefusedInEmailBoxes()
{
    QFETCH(bool, friends);
    QVERIFY(open());
    QLineEdit* box = friends ? w->txtFriendEmail : w->txtEmail;
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box, QStringLiteral("ann @x.org"));
    QCOMPARE(box->text(), QStringLiteral("ann@x.org"));
    auto& messages = test->fakes.messages;
    QCOMPARE(messages.texts(), QStringList{"Email Address Cannot Contain Space"});
    QCOMPARE(messages.shown[0].icon, Icon::Critical);
    QCOMPARE(messages.shown[0].buttons, Buttons::Ok);
    QCOMPARE(messages.shown[0].title, QStringLiteral("Tolvane"));
    QCOMPARE(QApplication::focusWidget(), box);

    // Pasted blanks pass; the name box takes typed blanks.
    box->insert(QStringLiteral(" x"));
    QCOMPARE(box->text(), QStringLiteral("ann@x.org x"));
    w->txtName->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(w->txtName, QStringLiteral("Ann Lee"));
    QCOMPARE(w->txtName->text(), QStringLiteral("Ann Lee"));
    QCOMPARE(messages.shown.size(), 1);
}

void tst_frmReferFriend::submitChecks_data()
{
    QTest::addColumn<QStringList>("boxes"); // name, email, friend's name, friend's email
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("expected");
    const QString untouched = QStringLiteral("Your Message\r\n");
    const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
    const QString proper = QStringLiteral("Please Enter Proper Email Address");
    const QString name = QStringLiteral("Please Enter Your Name");
    QTest::newRow("both placeholders")
        << QStringList{"Your Name", "Your Email Address", "Friend's Name", "Friend's Email Address"}
        << untouched << proper;
    QTest::newRow("both empty") << QStringList{"Ann", "", "Bob", ""} << untouched << distinct;
    QTest::newRow("equal") << QStringList{"", "a@b.c", "", "a@b.c"} << untouched << distinct;
    QTest::newRow("equal trimmed")
        << QStringList{"A", " a@b.c", "B", "a@b.c "} << untouched << distinct;
    QTest::newRow("no @, own") << QStringList{"A", "a.b.c", "B", "x@y.z"} << untouched << proper;
    QTest::newRow("no @, friend's") << QStringList{"A", "a@b.c", "B", "x.y"} << untouched << proper;
    QTest::newRow("no ., own") << QStringList{"A", "a@bc", "B", "x@y.z"} << untouched << proper;
    QTest::newRow("no ., friend's")
        << QStringList{"A", "a@b.c", "B", "x@yz"} << untouched << proper;
    QTest::newRow("case makes them distinct")
        << QStringList{"Your Name", "A@b.c", "B", "a@b.c"} << untouched << name;
    QTest::newRow("name emptied") << QStringList{"  ", "a@b.c", "B", "x@y.z"} << untouched << name;
    QTest::newRow("message placeholder")
        << QStringList{"A", "a@b.c", "B", "x@y.z"} << "Your Message"
        << "Please Enter Your Message";
    QTest::newRow("friend's name placeholder")
        << QStringList{"A", "a@b.c", "Friend's Name", "x@y.z"} << untouched
        << "Please Enter Your Friend's Name";
    QTest::newRow("@ and . anywhere") << QStringList{"A", ".a@", "B", "@x."} << untouched << "";
}

void tst_frmReferFriend::submitChecks()
{
    QFETCH(QStringList, boxes);
    QFETCH(QString, message);
    QFETCH(QString, expected);
    QVERIFY(open());
    fill(boxes[0], boxes[1], boxes[2], boxes[3]);
    w->setMessageText(message);
    QTest::mouseClick(w->cmdSubmit, Qt::LeftButton);

    auto& fakes = test->fakes;
    QCOMPARE(fakes.messages.texts(), expected.isEmpty() ? QStringList() : QStringList{expected});
    for (const auto& shown : fakes.messages.shown)
        QVERIFY(shown.icon == Icon::Critical && shown.buttons == Buttons::Ok &&
                shown.title == QStringLiteral("Tolvane"));
    QCOMPARE(fakes.browser.opened.size(), expected.isEmpty() ? 1 : 0);
    // The texts are stored trimmed before any check.
    QCOMPARE(w->Refer.ReferName, boxes[0].trimmed());
    QCOMPARE(w->Refer.ReferFriendEmail, boxes[3].trimmed());
}

void tst_frmReferFriend::fullFormOpensTheReferral()
{
    QVERIFY(open());
    fill("  Ann Lee ", "ann@example.org", "Bob", "bob@example.net ");
    QTest::mouseClick(w->cmdSubmit, Qt::LeftButton);
    const QString expected = QStringLiteral(
        "http://www.sorrelwick.com/quib-refer-a-friend.php?taf1=Ann Lee&taf2=ann@example.org"
        "&taf3=Your Message\r\n&taf4=Bob&taf5=bob@example.net&taf6=http://tolvane.sorrelwick.com/");
    QCOMPARE(test->fakes.messages.texts(), QStringList());
    QCOMPARE(test->fakes.browser.opened, QStringList{expected});
    QCOMPARE(w->Refer.ReferUrl, expected);
    // The window stays open with what was typed.
    QVERIFY(w->isVisible());
    QCOMPARE(w->txtName->text(), QStringLiteral("  Ann Lee "));
    QCOMPARE(test->fakes.exit.ends, 0);
}

void tst_frmReferFriend::messageEmptiedThroughTab()
{
    QVERIFY(open());
    fill("Ann", "ann@example.org", "Bob", "bob@example.net");
    w->txtFriendName->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(w->txtFriendName, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w->txtMessage);
    QTest::keyClick(w->txtMessage, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(w->txtMessage, Qt::Key_Delete);
    QTest::keyClick(w->txtMessage, Qt::Key_Tab);
    QCOMPARE(w->messageText(), QStringLiteral("Your Message"));
    QTest::mouseClick(w->cmdSubmit, Qt::LeftButton);
    QCOMPARE(test->fakes.messages.texts(), QStringList{"Please Enter Your Message"});
    QVERIFY(test->fakes.browser.opened.isEmpty());
}

void tst_frmReferFriend::links()
{
    QVERIFY(open());
    auto& opened = test->fakes.browser.opened;
    const QString home = QStringLiteral("http://www.sorrelwick.com");
    for (int click = 1; click <= 2; ++click) {
        QTest::mouseClick(w->Check1, Qt::LeftButton);
        QVERIFY(!w->Check1->isChecked());
        QCOMPARE(opened, QStringList(click, home));
    }
    QTest::mouseClick(w->lblGoToHome, Qt::LeftButton);
    QCOMPARE(opened.last(), QStringLiteral("http://www.sorrelwick.com/sorrelwicksoftwares"));
    QCOMPARE(opened.size(), 3);
}

void tst_frmReferFriend::closingEndsTheProgram_data()
{
    QTest::addColumn<bool>("closeBox");
    QTest::newRow("close box") << true;
    QTest::newRow("cmdClose") << false;
}

void tst_frmReferFriend::closingEndsTheProgram()
{
    QFETCH(bool, closeBox);
    platform::fake::FakeServices fakes;
    EndProbe exit;
    platform::Services services{fakes.browser, fakes.instance, fakes.settings,
                                fakes.clock,   fakes.random,   fakes.messages,
                                exit};
    Program program{services};
    exit.program = &program;
    SetUpProgram(program);
    program.frmMain.show();
    program.frmDisplay.show();
    program.frmReferFriend.show();
    auto& window = program.frmReferFriend.as<frmReferFriend>();
    closeBox ? (void)window.close() : window.cmdClose->click();

    // The program ends, and every window was unloaded by then.
    QVERIFY(!exit.loadedAtEnd.isEmpty());
    QCOMPARE(exit.loadedAtEnd.first(), false);
    QCOMPARE(program.forms.count(), 0);
    flushDeferredDeletes();
}

QTEST_MAIN(tst_frmReferFriend)
#include "tst_frmreferfriend.moc"
