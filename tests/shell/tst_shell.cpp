// The start-up (the one-copy rule, the order of its steps, the update reminder
// with its stored date, the random choice of the offer on top of the main
// window) and the refer-a-friend window at the end (appeal, placeholders,
// e-mail checks, referral, links).

#include "ReminderDate.h"
#include "SettingCodec.h"
#include "StartProgram.h"
#include "TestSupport.h"
#include "UpdateReminder.h"
#include "frmMain.h"
#include "frmReferFriend.h"
#include "modHelp.h"

#include <QApplication>
#include <QTest>

using modHelp::DecodeSetting;
using modHelp::EncodeSetting;
using platform::MessageBoxes;
namespace fake = platform::fake;

// Fakes that log each draw and message box with what had happened by then.
struct Logging : fake::FixedInstanceGuard,
                 fake::RecordingBrowser,
                 fake::MemorySettings,
                 fake::ScriptedRandom,
                 fake::ScriptedMessageBoxes,
                 fake::RecordingExit {
    QStringList log;
    bool readFails = false;
    QString windows() const { return QString::number(visibleWindows().size()); }
    float next() override
    {
        log << "draw, " + QString::number(seeds.size()) + " seeds, windows " + windows();
        return ScriptedRandom::next();
    }
    Answer show(const QString& text, Icon icon, Buttons buttons, const QString& title) override
    {
        log << (buttons == Buttons::Ok ? text : "question") + ", windows " + windows();
        return ScriptedMessageBoxes::show(text, icon, buttons, title);
    }
    QString read(const QString& application, const QString& section, const QString& key) override
    {
        if (readFails)
            throw std::runtime_error("unreadable settings");
        return MemorySettings::read(application, section, key);
    }
};

class tst_Shell : public WindowTest
{
    Q_OBJECT
    frmReferFriend* w = nullptr;

private Q_SLOTS:
    void startOrder_data()
    {
        QTest::addColumn<bool>("running");
        QTest::addColumn<bool>("readFails");
        QTest::addColumn<QStringList>("log");
        // A refused copy shows the message and ends: no reminder, seed or window.
        QTest::newRow("second copy")
            << true << false << QStringList{"Application is already running, windows 0"};
        // The reminder's question (due: a first start a month ago stored its date)
        // comes before any window.
        QTest::newRow("first copy")
            << false << false << QStringList{"question, windows 0", "draw, 1 seeds, windows 1"};
        // A failing reminder is skipped; the start-up goes on.
        QTest::newRow("reminder fails") << false << true << QStringList{"draw, 1 seeds, windows 1"};
    }
    void startOrder()
    {
        QFETCH(bool, running);
        QFETCH(bool, readFails);
        Logging f;
        fake::FixedClock clock;
        platform::Services services{f, f, f, clock, f, f, f};
        Program program{services};
        SetUpProgram(program);
        clock.date = clock.date.addDays(-30);
        modHelp::CheckUpdateReminder(services);
        clock.date = clock.date.addDays(30);
        const int writes = f.writes;
        f.running = running;
        f.readFails = readFails;
        f.answers = {MessageBoxes::Answer::No};

        StartProgram(program);

        QTEST(f.log, "log");
        QCOMPARE(f.ends, running ? 1 : 0);
        QCOMPARE(f.seeds, running ? QList<quint32>{} : QList<quint32>{clock.seed});
        QCOMPARE(program.forms.count(), running ? 0 : 1);
        QVERIFY(running || program.frmMain.form().isVisible());
        QVERIFY(!running ||
                (f.writes == writes && f.shown[0].icon == MessageBoxes::Icon::Information));
    }

    void coBrandRandomize_data()
    {
        // x = r * 6 + 1 in single precision, an exact half going to the even
        // neighbour; 2, 4, 6 raise the full offer, 1, 3, 5 the co-brand one.
        QTest::addColumn<float>("r");
        QTest::addColumn<QString>("onTop");
        QTest::newRow("0: 1") << 0.0f << "cobrand";
        QTest::newRow("1/3: 3") << float(1.0 / 3) << "cobrand";
        QTest::newRow("0.25: 2.5 goes to 2") << 0.25f << "full";
        // The single-precision 5/12 lies just below 5/12, yet r * 6 rounds to
        // exactly 2.5 in single precision: 3.5 goes to 4.
        QTest::newRow("5/12: 3.5 goes to 4") << float(5.0 / 12) << "full";
        QTest::newRow("2/3: 5") << float(2.0 / 3) << "cobrand";
        QTest::newRow("0.75: 5.5 goes to 6") << 0.75f << "full";
        // Just above 11/12, but 6.5 in single precision goes to 6.
        QTest::newRow("11/12: 6.5 goes to 6") << float(11.0 / 12) << "full";
        QTest::newRow("0.95: 6.7 to 7 leaves the order") << 0.95f << "unchanged";
    }
    void coBrandRandomize()
    {
        QFETCH(float, r);
        QFETCH(QString, onTop);
        frmMain& w = open<frmMain>(&Program::frmMain);
        const auto top = [&w] { return w.Frame5->childAt(w.lblFullBrand->geometry().center()); };
        for (forms::Label* before : {w.lblCobrand, w.lblFullBrand}) {
            before->raise();
            tp->fakes.random.queued = {r};
            CoBrand_Randomize(tp->program);
            QCOMPARE(top(),
                     (QHash<QString, QWidget*>{{"full", w.lblFullBrand}, {"cobrand", w.lblCobrand}}
                          .value(onTop, before)));
        }
    }

    void everyByte()
    {
        QString table;
        for (int byte = 0; byte < 256; ++byte) {
            const char16_t unit = codepage1252::toUnicode(uchar(byte));
            QCOMPARE(int(codepage1252::fromUnicode(unit)), byte);
            // Only 0x80-0x9F leave Latin-1, except the five unassigned bytes.
            table += QChar(unit == byte ? u'=' : unit);
            // Shifted by 85 both ways; a character whose shift leaves 0-255 is dropped.
            const QString character(QChar{unit});
            const QString shifted =
                byte < 171 ? QString(QChar{codepage1252::toUnicode(uchar(byte + 85))}) : QString();
            QCOMPARE(EncodeSetting(character), shifted);
            QCOMPARE(DecodeSetting(shifted), shifted.isEmpty() ? QString() : character);
            QCOMPARE(DecodeSetting(character).isEmpty(), byte < 85);
        }
        const QString high = QStringLiteral(
            "\u20AC=\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152=\u017D="
            "=\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A\u0153="
            "\u017E\u0178");
        QCOMPARE(table, QString(128, u'=') + high + QString(96, u'='));
        // A character outside the code page counts as '?' (63).
        QCOMPARE(EncodeSetting(QStringLiteral("a\u00AB\u4E2Db")),
                 QStringLiteral("\u00B6\u201D\u00B7"));
    }

    void dateText_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text"); // null: the text the program itself writes
        QTest::addColumn<QDate>("date");
        const auto row = [](const char* locale, const char* text, QDate date) {
            QTest::addRow("%s %s %s", locale, text ? text : "written",
                          qPrintable(date.toString(Qt::ISODate)))
                << locale << QString(text) << date;
        };
        // en_US, de_DE and es_ES write two-digit years in their short format.
        for (const char* locale : {"en_US", "de_DE", "es_ES", "ko_KR", "ar_EG", "C"}) {
            row(locale, nullptr, QDate(1999, 12, 31));
            row(locale, nullptr, QDate(2000, 1, 1));
        }
        // Today is 5 December 2026: a two-digit year lies nearest to it.
        row("en_US", "1/1/00", QDate(2000, 1, 1));
        row("en_US", "1/1/77", QDate(1977, 1, 1));
        row("en_US", "6/1/76", QDate(2076, 6, 1));
        row("en_US", "hello", QDate());
        row("de_DE", "12/5/2026", QDate()); // another user's format
    }
    void dateText()
    {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(QDate, date);
        if (text.isNull()) {
            // Written with a four-digit year, and unchanged by the settings shift.
            text = reminderdate::DateToText(date, QLocale(locale));
            QVERIFY2(text.contains(QString::number(date.year())), qPrintable(text));
            QCOMPARE(DecodeSetting(EncodeSetting(text)), text);
        }
        QCOMPARE(reminderdate::TextToDate(text, QLocale(locale), QDate(2026, 12, 5)), date);
    }

    // Each row: the date stored ("-" for none), whether the store is writable,
    // the answer to the question, and whether it is asked. Today is 5 December 2026.
    void reminder_data()
    {
        QTest::addColumn<QString>("row");
        for (const char* row : {"- writable Yes quiet", "11/21/2026 writable Yes quiet",
                                "11/20/2026 writable Yes asks", "11/20/2026 writable No asks",
                                "12/19/2026 writable Yes quiet", "12/20/2026 writable No asks",
                                "13/1/2026 writable Yes quiet", "- unwritable Yes quiet",
                                "11/20/2026 unwritable Yes asks"})
            QTest::newRow(row) << QString(row);
    }
    void reminder()
    {
        QFETCH(QString, row);
        const QStringList cells = row.split(' ');
        const QString stored = cells[0] == "-" ? QString() : EncodeSetting(cells[0]);
        const bool writable = cells[1] == "writable", yes = cells[2] == "Yes",
                   asks = cells[3] == "asks";
        // The entry is "Duration" shifted, under the program's name.
        const QString entry = platform::fake::MemorySettings::path(
            QCoreApplication::applicationName(), QStringLiteral("Settings"),
            QStringLiteral("\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3"));
        platform::fake::FakeServices fake;
        fake.messages.answers.push_back(yes ? MessageBoxes::Answer::Yes : MessageBoxes::Answer::No);
        fake.settings.writable = writable;
        if (!stored.isNull())
            fake.settings.values.insert(entry, stored);

        modHelp::CheckUpdateReminder(fake.services, QLocale(QStringLiteral("en_US")));

        // The first start and every question store today; nothing else writes.
        const bool rewrites = writable && (stored.isNull() || asks);
        QCOMPARE(fake.settings.values.value(entry), rewrites ? EncodeSetting("12/5/2026") : stored);
        QCOMPARE(fake.settings.writes, rewrites ? 1 : 0);
        const bool opens = rewrites && asks && yes;
        QCOMPARE(fake.browser.opened,
                 QStringList(opens, "http://tolvane.sorrelwick.com/download-tolvane.html"));
        QCOMPARE(fake.messages.shown.size(), asks ? 1 : 0);
        if (asks) {
            const auto& box = fake.messages.shown.constFirst();
            QCOMPARE(box.text, QStringLiteral("There maybe an update to this software available\r"
                                              "Do you want to check for an update?"));
            QVERIFY(box.icon == MessageBoxes::Icon::Information &&
                    box.buttons == MessageBoxes::Buttons::YesNo && box.title == "Tolvane");
        }
    }

    // One visit: the appeal drawn, one box's placeholder, the links, and the way out.
    void visit_data()
    {
        QTest::addColumn<int>("box"); // in the order of the placeholders below
        QTest::addColumn<float>("r");
        QTest::addColumn<int>("appeal");
        QTest::newRow("txtName, r below 1/4") << 0 << 0.2499f << 0;
        QTest::newRow("txtEmail, r 1/4") << 1 << 0.25f << 1;
        QTest::newRow("txtMessage, r 1/2") << 2 << 0.5f << 2;
        QTest::newRow("txtFriendName, r below 1") << 3 << 0.99999994f << 3;
        QTest::newRow("txtFriendEmail, r 0") << 4 << 0.0f << 0;
        QTest::newRow("txtName, r 1") << 0 << 1.0f << 3;
        QTest::newRow("txtEmail, r below 0") << 1 << -0.5f << 0;
    }
    void visit()
    {
        QFETCH(int, box);
        QFETCH(float, r);
        const QString placeholder = QStringList{"Your Name", "Your Email Address", "Your Message",
                                                "Friend's Name", "Friend's Email Address"}[box];
        tp = std::make_unique<TestProgram>(); // open() uses it
        tp->fakes.random.queued = {r, 0.75f};
        w = &open<frmReferFriend>(&Program::frmReferFriend);
        QVERIFY(w->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QWidget* target = QList<QWidget*>{w->txtName, w->txtEmail, w->txtMessage, w->txtFriendName,
                                          w->txtFriendEmail}[box];
        const char* text = box == 2 ? "plainText" : "text";
        const auto shows = [&] { return target->property(text).toString(); };
        // Entering empties the placeholder (blanks around it too); leaving a blank box
        // puts it back. Typing below shows that entering emptied the box.
        target->setProperty(text, " " + placeholder + " ");
        target->setFocus(Qt::MouseFocusReason);
        w->cmdClose->setFocus(Qt::MouseFocusReason);
        QCOMPARE(shows(), placeholder);
        // The e-mail boxes refuse a typed blank, say why and keep the focus.
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

        // Check1 opens the home page and unchecks itself, so each click opens it.
        for (QWidget* link : QList<QWidget*>{w->Check1, w->Check1, w->lblGoToHome})
            QTest::mouseClick(link, Qt::LeftButton);
        const QString home = QStringLiteral("http://www.sorrelwick.com");
        QCOMPARE(tp->fakes.browser.opened, QStringList(2, home) << home + "/sorrelwicksoftwares");

        QTEST(int(frmReferFriend::Appeals().indexOf(w->Label2->caption())), "appeal");

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
        // The texts go out trimmed of blanks, otherwise as typed; the untouched message
        // keeps its line break.
        row("full form", {" Ann \"Lee\" & 50% #1", "a@b.c", QString(), "Bob", "b@x.net "},
            "http://www.sorrelwick.com/quib-refer-a-friend.php?taf1=Ann \"Lee\" & 50% #1&taf2=a@b.c"
            "&taf3=Your Message\r\n&taf4=Bob&taf5=b@x.net&taf6=http://tolvane.sorrelwick.com/");
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
        QCOMPARE(w->Refer.ReferUrl, tp->fakes.browser.opened.value(0));
    }
};

QTEST_MAIN(tst_Shell)
#include "tst_shell.moc"
