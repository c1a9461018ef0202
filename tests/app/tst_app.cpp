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
    // Each row: which copy starts, whether its settings can be read, and the
    // draws and message boxes in turn, with the windows shown by then. A refused
    // copy shows the message and ends: no reminder, seed or window. The reminder's
    // question (due: a first start a month ago stored its date) comes before any
    // window. A failing reminder is skipped; the start-up goes on.
    void startOrder_data()
    {
        addRows({"second|readable|Application is already running, windows 0",
                 "first|readable|question, windows 0;draw, 1 seeds, windows 1",
                 "first|unreadable|draw, 1 seeds, windows 1"});
    }
    void startOrder()
    {
        const QStringList row = cells();
        const bool running = row[0] == "second";
        TestProgram t;
        platform::fake::FakeServices& f = t.fakes;
        f.clock.date = f.clock.date.addDays(-30);
        modHelp::CheckUpdateReminder(f.services);
        f.clock.date = f.clock.date.addDays(30);
        const int writes = f.settings.writes;
        f.instance.running = running;
        f.settings.readable = row[1] == "readable";
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

        QCOMPARE(log.join(';'), row[2]);
        QCOMPARE(f.exit.ends, running ? 1 : 0);
        QCOMPARE(f.random.seeds, running ? QList<quint32>{} : QList<quint32>{f.clock.seed});
        QCOMPARE(t.program.forms.count(), running ? 0 : 1);
        QVERIFY(running || t.program.frmMain.form().isVisible());
        QVERIFY(!running || (f.settings.writes == writes &&
                             f.messages.shown[0].icon == MessageBoxes::Icon::Information));
    }

    // x = r * 6 + 1 in single precision, an exact half going to the even
    // neighbour; 2, 4, 6 raise the full offer, 1, 3, 5 the co-brand one. Each row:
    // r (0, 1/3, 0.25, 5/12, 2/3, 0.75, 11/12 as single-precision numbers, 0.95)
    // and the offer then on top. The single-precision 5/12 lies just below 5/12,
    // yet r * 6 rounds to exactly 2.5: 3.5 goes to 4. 11/12 lies just above, but
    // 6.5 goes to 6. 0.25 gives 2.5, which goes to 2, and 0.75 5.5, which goes to
    // 6; 0.95 gives 6.7, and 7 leaves the order.
    void coBrandRandomize_data()
    {
        addRows({"0|cobrand", "0.33333334|cobrand", "0.25|full", "0.41666666|full",
                 "0.6666667|cobrand", "0.75|full", "0.9166667|full", "0.95|unchanged"});
    }
    void coBrandRandomize()
    {
        const float r = cells()[0].toFloat();
        const QString onTop = cells()[1];
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
