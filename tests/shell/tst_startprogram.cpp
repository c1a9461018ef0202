// The start-up: the one-copy rule, the order of its steps, and the random
// choice of the offer label on top of the main window.

#include "SetUpProgram.h"
#include "StartProgram.h"
#include "TestSupport.h"
#include "frmMain.h"
#include "modHelp.h"

#include <QApplication>
#include <QTest>

#include <algorithm>

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
    float next() override
    {
        log.append(QStringLiteral("draw, %1 seeds, windows %2")
                       .arg(seeds.size())
                       .arg(visibleWindows().size()));
        return ScriptedRandom::next();
    }
    Answer show(const QString& text, Icon icon, Buttons buttons, const QString& title) override
    {
        log.append(QStringLiteral("%1, windows %2")
                       .arg(buttons == Buttons::Ok ? text : "question")
                       .arg(visibleWindows().size()));
        return ScriptedMessageBoxes::show(text, icon, buttons, title);
    }
};

class tst_StartProgram : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        flushDeferredDeletes();
        QCOMPARE(visibleWindows(), QStringList());
    }

    void startOrder_data()
    {
        QTest::addColumn<bool>("running");
        QTest::addColumn<QStringList>("log");
        // A refused copy shows the message and ends: no reminder, seed or window.
        QTest::newRow("second copy")
            << true << QStringList{"Application is already running, windows 0"};
        // The reminder's question (due: a first start a month ago stored its date) comes before any
        // window.
        QTest::newRow("first copy")
            << false << QStringList{"question, windows 0", "draw, 1 seeds, windows 1"};
    }

    void startOrder()
    {
        QFETCH(bool, running);
        QFETCH(QStringList, log);
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
        f.answers = {MessageBoxes::Answer::No};

        StartProgram(program);

        QCOMPARE(f.log, log);
        QCOMPARE(f.ends, running ? 1 : 0);
        QCOMPARE(f.seeds, running ? QList<quint32>{} : QList<quint32>{clock.seed});
        QCOMPARE(program.forms.count(), running ? 0 : 1);
        QVERIFY(running || program.frmMain.form().isVisible());
        QVERIFY(!running ||
                (f.writes == writes && f.shown[0].icon == MessageBoxes::Icon::Information));
        flushDeferredDeletes();
    }

    void coBrandRandomize_data()
    {
        // x = r * 6 + 1 in single precision, an exact half going to the even
        // neighbour; 2, 4, 6 raise the full offer, 1, 3, 5 the co-brand one.
        QTest::addColumn<float>("r");
        QTest::addColumn<QString>("onTop");
        QTest::newRow("0: 1") << 0.0f << "cobrand";
        QTest::newRow("1/12: 1.5 goes to 2") << float(1.0 / 12) << "full";
        QTest::newRow("0.25: 2.5 goes to 2") << 0.25f << "full";
        // The single-precision 5/12 lies just below 5/12, yet r * 6 rounds to
        // exactly 2.5 in single precision: 3.5 goes to 4.
        QTest::newRow("5/12: 3.5 goes to 4") << float(5.0 / 12) << "full";
        QTest::newRow("7/12: 4.5 goes to 4") << float(7.0 / 12) << "full";
        QTest::newRow("0.75: 5.5 goes to 6") << 0.75f << "full";
        // Just above 11/12, but 6.5 in single precision goes to 6.
        QTest::newRow("11/12: 6.5 goes to 6") << float(11.0 / 12) << "full";
        // 7 leaves the order as it is.
        QTest::newRow("0.95: 6.7 to 7") << 0.95f << "unchanged";
    }

    void coBrandRandomize()
    {
        QFETCH(float, r);
        QFETCH(QString, onTop);
        TestProgram t;
        frmMain& w = t.program.frmMain.as<frmMain>();
        // raise() moves a widget to the end of its parent's children.
        const auto top = [&w] {
            const QObjectList order = w.lblCobrand->parentWidget()->children();
            return order.indexOf(w.lblCobrand) > order.indexOf(w.lblFullBrand) ? w.lblCobrand
                                                                               : w.lblFullBrand;
        };
        QCOMPARE(top(), w.lblCobrand); // as designed
        for (forms::Label* before : {w.lblCobrand, w.lblFullBrand}) {
            before->raise();
            t.fakes.random.queued = {r};
            CoBrand_Randomize(t.program);
            QCOMPARE(top(), onTop == "full"      ? w.lblFullBrand
                            : onTop == "cobrand" ? w.lblCobrand
                                                 : before);
        }
    }
};

QTEST_MAIN(tst_StartProgram)
#include "tst_startprogram.moc"
