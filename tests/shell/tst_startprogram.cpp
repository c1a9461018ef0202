// The start-up: the one-copy rule, the order of its steps, and the random
// choice of the offer label on top of the main window.

#include "FakeServices.h"
#include "Label.h"
#include "Program.h"
#include "SetUpProgram.h"
#include "StartProgram.h"
#include "TestSupport.h"
#include "frmMain.h"
#include "modHelp.h"

#include <QApplication>
#include <QTest>

#include <cmath>
#include <limits>
#include <stdexcept>

using platform::MessageBoxes;
namespace fake = platform::fake;

namespace
{

int visibleWindows()
{
    int count = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        count += window->isVisible() ? 1 : 0;
    return count;
}

// Fakes that write what happens, and how many windows are visible at that
// moment, into one shared log.
struct Log {
    QStringList events;
    void add(const QString& event)
    {
        events.append(event + QStringLiteral(" [windows %1]").arg(visibleWindows()));
    }
};

class LoggingRandom : public fake::ScriptedRandom
{
public:
    explicit LoggingRandom(Log& log) : log_(log) {}
    void seed(quint32 value) override
    {
        log_.add(QStringLiteral("seed"));
        ScriptedRandom::seed(value);
    }
    float next() override
    {
        log_.add(QStringLiteral("draw"));
        return ScriptedRandom::next();
    }

private:
    Log& log_;
};

class LoggingMessages : public fake::ScriptedMessageBoxes
{
public:
    explicit LoggingMessages(Log& log) : log_(log) {}
    Answer show(const QString& text, Icon icon, Buttons buttons, const QString& title) override
    {
        log_.add(QStringLiteral("message ") + (buttons == Buttons::YesNo ? "YesNo" : "Ok"));
        return ScriptedMessageBoxes::show(text, icon, buttons, title);
    }

private:
    Log& log_;
};

class CountingSettings : public fake::MemorySettings
{
public:
    QString read(const QString& application, const QString& section, const QString& key) override
    {
        ++reads;
        if (failReads)
            throw std::runtime_error("settings store unreadable");
        return MemorySettings::read(application, section, key);
    }
    int reads = 0;
    bool failReads = false;
};

class LoggingExit : public fake::RecordingExit
{
public:
    explicit LoggingExit(Log& log) : log_(log) {}
    void end() override
    {
        log_.add(QStringLiteral("end"));
        RecordingExit::end();
    }

private:
    Log& log_;
};

// A program wired as in production, with logging fakes.
struct StartFixture {
    StartFixture()
    {
        clock.seed = 4242;
        SetUpProgram(program);
    }
    ~StartFixture() { flushDeferredDeletes(); }

    // Makes the update question due at the next start: a first start a month
    // ago stored its date.
    void makeQuestionDue()
    {
        const QDate today = clock.date;
        clock.date = today.addDays(-30);
        modHelp::CheckUpdateReminder(services);
        clock.date = today;
        log.events.clear();
    }

    frmMain& mainWindow() { return program.frmMain.as<frmMain>(); }

    Log log;
    fake::RecordingBrowser browser;
    fake::FixedInstanceGuard instance;
    CountingSettings settings;
    fake::FixedClock clock;
    LoggingRandom random{log};
    LoggingMessages messages{log};
    LoggingExit exit{log};
    platform::Services services{browser, instance, settings, clock, random, messages, exit};
    Program program{services};
};

// The direct child of the labels' panel that is seen where the two offers overlap.
QWidget* offerOnTop(frmMain& window)
{
    QWidget* panel = window.lblCobrand->parentWidget();
    const QRect overlap = window.lblCobrand->geometry() & window.lblFullBrand->geometry();
    QWidget* hit = panel->childAt(overlap.center());
    while (hit && hit->parentWidget() != panel)
        hit = hit->parentWidget();
    return hit;
}

} // namespace

class tst_StartProgram : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void secondCopyOnlyShowsTheMessageAndEnds();
    void firstStartSeedsShowsMainWindowThenDraws();
    void dueQuestionComesBeforeAnyWindow();
    void failingReminderDoesNotStopTheStart();
    void offersOverlapWithCobrandOnTopAsDesigned();
    void coBrandDraw_data();
    void coBrandDraw();
    void coBrandRandomizeRaisesOffer_data();
    void coBrandRandomizeRaisesOffer();
};

void tst_StartProgram::cleanup()
{
    flushDeferredDeletes();
    QCOMPARE(visibleWindows(), 0);
}

void tst_StartProgram::secondCopyOnlyShowsTheMessageAndEnds()
{
    StartFixture f;
    f.makeQuestionDue();
    const int writesBefore = f.settings.writes;
    f.settings.reads = 0;
    f.instance.running = true;

    StartProgram(f.program);

    QCOMPARE(f.log.events, (QStringList{"message Ok [windows 0]", "end [windows 0]"}));
    QCOMPARE(f.messages.shown.size(), 1);
    const fake::ScriptedMessageBoxes::Shown& box = f.messages.shown.first();
    QCOMPARE(box.text, QStringLiteral("Application is already running"));
    QCOMPARE(box.icon, MessageBoxes::Icon::Information);
    QCOMPARE(box.buttons, MessageBoxes::Buttons::Ok);
    QCOMPARE(box.title, QStringLiteral("Tolvane"));
    QCOMPARE(f.exit.ends, 1);
    // Nothing else: no reminder, no seed, no window.
    QCOMPARE(f.settings.reads, 0);
    QCOMPARE(f.settings.writes, writesBefore);
    QVERIFY(f.random.seeds.isEmpty());
    QCOMPARE(f.program.forms.count(), 0);
    QVERIFY(f.browser.opened.isEmpty());
}

void tst_StartProgram::firstStartSeedsShowsMainWindowThenDraws()
{
    StartFixture f;
    StartProgram(f.program);

    // The seed comes before any window; the offer is drawn with the main
    // window up.
    QCOMPARE(f.log.events, (QStringList{"seed [windows 0]", "draw [windows 1]"}));
    QCOMPARE(f.random.seeds, QList<quint32>{4242});
    QVERIFY(f.messages.shown.isEmpty());
    QCOMPARE(f.exit.ends, 0);
    // The first start stores the reminder's date.
    QCOMPARE(f.settings.writes, 1);
    QCOMPARE(f.program.forms.loaded(), QList<forms::FormSlot*>{&f.program.frmMain});
    QVERIFY(f.mainWindow().isVisible());
    QVERIFY(!f.mainWindow().isModal());
}

void tst_StartProgram::dueQuestionComesBeforeAnyWindow()
{
    StartFixture f;
    f.makeQuestionDue();
    f.messages.answers = {MessageBoxes::Answer::No};

    StartProgram(f.program);

    QCOMPARE(f.log.events,
             (QStringList{"seed [windows 0]", "message YesNo [windows 0]", "draw [windows 1]"}));
    QVERIFY(f.mainWindow().isVisible());
    QCOMPARE(f.exit.ends, 0);
}

void tst_StartProgram::failingReminderDoesNotStopTheStart()
{
    StartFixture f;
    f.settings.failReads = true;

    StartProgram(f.program);

    QCOMPARE(f.settings.reads, 1);
    QCOMPARE(f.settings.writes, 0);
    QCOMPARE(f.log.events, (QStringList{"seed [windows 0]", "draw [windows 1]"}));
    QVERIFY(f.mainWindow().isVisible());
}

void tst_StartProgram::offersOverlapWithCobrandOnTopAsDesigned()
{
    StartFixture f;
    frmMain& window = f.mainWindow();
    QCOMPARE(window.lblCobrand->parentWidget(), window.lblFullBrand->parentWidget());
    const QRect overlap = window.lblCobrand->geometry() & window.lblFullBrand->geometry();
    QVERIFY(overlap.width() * overlap.height() * 10 >
            window.lblCobrand->width() * window.lblCobrand->height() * 9);
    QCOMPARE(offerOnTop(window), window.lblCobrand);
}

void tst_StartProgram::coBrandDraw_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<int>("x");

    // x = r * 6 + 1 in single precision, rounded half to even.
    QTest::newRow("0") << 0.0f << 1;
    QTest::newRow("0.25: 2.5 goes to 2") << 0.25f << 2;
    QTest::newRow("0.3: 2.8") << 0.3f << 3;
    QTest::newRow("0.5: 4") << 0.5f << 4;
    QTest::newRow("0.75: 5.5 goes to 6") << 0.75f << 6;
    QTest::newRow("0.95: 6.7") << 0.95f << 7;
    QTest::newRow("largest value below 1") << std::nextafter(1.0f, 0.0f) << 7;
    QTest::newRow("just below 1/12") << 0.08f << 1;
    QTest::newRow("1/12: 1.5 goes to 2") << float(1.0 / 12) << 2;
    QTest::newRow("just above 1/12") << 0.0834f << 2;
    QTest::newRow("just below 5/12") << 0.41f << 3;
    // The single-precision 5/12 lies just below 5/12, yet r * 6 rounds to
    // exactly 2.5 in single precision: 3.5 goes to 4.
    QTest::newRow("5/12 in single precision") << float(5.0 / 12) << 4;
    QTest::newRow("just above 5/12") << 0.42f << 4;
    QTest::newRow("7/12: 4.5 goes to 4") << float(7.0 / 12) << 4;
    // Just above 11/12, but 6.5 in single precision goes to 6.
    QTest::newRow("11/12 in single precision") << float(11.0 / 12) << 6;
}

void tst_StartProgram::coBrandDraw()
{
    QFETCH(float, r);
    QFETCH(int, x);
    QCOMPARE(CoBrandDraw(r), x);
}

void tst_StartProgram::coBrandRandomizeRaisesOffer_data()
{
    QTest::addColumn<float>("r");
    QTest::addColumn<QString>("onTop"); // "full", "cobrand" or "unchanged"

    QTest::newRow("x 1") << 0.0f << "cobrand";
    QTest::newRow("x 2 from half-way 2.5") << 0.25f << "full";
    QTest::newRow("x 3") << 0.3f << "cobrand";
    QTest::newRow("x 4") << 0.5f << "full";
    QTest::newRow("x 5") << float(2.0 / 3) << "cobrand";
    QTest::newRow("x 6 from half-way 5.5") << 0.75f << "full";
    QTest::newRow("x 7") << 0.95f << "unchanged";
    QTest::newRow("x 7 from the largest value") << std::nextafter(1.0f, 0.0f) << "unchanged";
}

void tst_StartProgram::coBrandRandomizeRaisesOffer()
{
    QFETCH(float, r);
    QFETCH(QString, onTop);

    // From each earlier state: the designed order, then each offer raised by
    // an earlier draw.
    const QList<float> earlierDraws = {-1.0f, 0.0f, 0.5f};
    for (float earlier : earlierDraws) {
        StartFixture f;
        frmMain& window = f.mainWindow();
        if (earlier >= 0) {
            f.random.queued = {earlier};
            CoBrand_Randomize(f.program);
        }
        QWidget* before = offerOnTop(window);

        f.random.queued = {r};
        CoBrand_Randomize(f.program);

        QWidget* expected = onTop == "full"      ? window.lblFullBrand
                            : onTop == "cobrand" ? window.lblCobrand
                                                 : before;
        QCOMPARE(offerOnTop(window), expected);
        QVERIFY(f.random.queued.empty());
    }
}

QTEST_MAIN(tst_StartProgram)
#include "tst_startprogram.moc"
