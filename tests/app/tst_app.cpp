// The start-up: the one-copy rule, the order of its steps, and the random
// choice of the offer on top of the main window.

#include "StartProgram.h"
#include "TestSupport.h"
#include "frmMain.h"
#include "modHelp.h"

using platform::MessageBoxes;

class tst_App : public WindowTest
{
    Q_OBJECT

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
        TestProgram t;
        platform::fake::FakeServices& f = t.fakes;
        f.clock.date = f.clock.date.addDays(-30);
        modHelp::CheckUpdateReminder(f.services);
        f.clock.date = f.clock.date.addDays(30);
        const int writes = f.settings.writes;
        f.instance.running = running;
        f.settings.readable = !readFails;
        f.messages.answers = {MessageBoxes::Answer::No};
        // Each draw and message box, with what had happened by then.
        QStringList log;
        const auto windows = [] { return ", windows " + QString::number(visibleWindows().size()); };
        f.random.onNext = [&] {
            log << "draw, " + QString::number(f.random.seeds.size()) + " seeds" + windows();
        };
        f.messages.onShow = [&](const auto& box) {
            log << (box.buttons == MessageBoxes::Buttons::Ok ? box.text : "question") + windows();
        };

        StartProgram(t.program);

        QTEST(log, "log");
        QCOMPARE(f.exit.ends, running ? 1 : 0);
        QCOMPARE(f.random.seeds, running ? QList<quint32>{} : QList<quint32>{f.clock.seed});
        QCOMPARE(t.program.forms.count(), running ? 0 : 1);
        QVERIFY(running || t.program.frmMain.form().isVisible());
        QVERIFY(!running || (f.settings.writes == writes &&
                             f.messages.shown[0].icon == MessageBoxes::Icon::Information));
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
};

QTEST_MAIN(tst_App)
#include "tst_app.moc"
