// The start-up: the one-copy rule, the order of its steps, and the random
// choice of the offer on top of the main window.

#include "StartProgram.h"
#include "TestSupport.h"
#include "frmMain.h"
#include "modHelp.h"

#include <QTest>

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
};

QTEST_MAIN(tst_App)
#include "tst_app.moc"
