// The end of the program: UnloadAllAndEnd over the collection of loaded
// windows, and the whole way out through the refer-a-friend window.

#include "FormSlot.h"
#include "TestSupport.h"
#include "frmDisplay.h"
#include "frmMain.h"
#include "frmReferFriend.h"
#include "modHelp.h"

#include <QAction>
#include <QApplication>
#include <QTest>

#include <functional>
#include <map>
#include <stdexcept>

// Logs each window's unloading and the end, with the windows still loaded then.
struct Recorder : platform::ProcessExit {
    QStringList log;
    forms::FormCollection forms;
    void end() override { log.append(QStringLiteral("end, %1 loaded").arg(forms.count())); }
};

// A window whose Form_Unload runs `onUnload`.
struct RecordingForm : forms::Form {
    explicit RecordingForm(std::function<void()> onUnload)
        : Form(Frame::FixedSingle, 1500, 1500, Qt::white), onUnload_(std::move(onUnload))
    {
    }
    void Form_Unload(std::int16_t&) override { onUnload_(); }
    std::function<void()> onUnload_;
};

// Leaves the main or the result window by its Exit button, File Exit or close box.
template <class Window> void leave(Window& window, const QString& way)
{
    if (way == "Exit button")
        window.cmdExit->click();
    else if (way == "File Exit")
        window.mnuExit->trigger();
    else
        window.close();
}

class tst_UnloadAllAndEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        flushDeferredDeletes();
        QCOMPARE(visibleWindows(), QStringList());
    }

    void unloadsInLoadOrderThenEnds_data()
    {
        QTest::addColumn<QStringList>("loadOrder");
        // "B ends": B's Form_Unload ends the program as frmReferFriend's does; "B fails"
        QTest::addColumn<QString>("inUnload");
        QTest::newRow("none loaded") << QStringList{} << "";
        QTest::newRow("C A D B") << QStringList{"C", "A", "D", "B"} << "";
        QTest::newRow("nested call from B") << QStringList{"A", "B", "C"} << "B ends";
        QTest::newRow("B fails") << QStringList{"A", "B", "C"} << "B fails";
    }

    void unloadsInLoadOrderThenEnds()
    {
        QFETCH(QStringList, loadOrder);
        QFETCH(QString, inUnload);
        Recorder r;
        std::map<QString, forms::FormSlot> slots;
        for (const QString name : {"A", "B", "C", "D"}) {
            slots.try_emplace(name, r.forms, [&, name] {
                return std::make_unique<RecordingForm>([&, name] {
                    r.log.append(name);
                    if (inUnload == name + " ends")
                        modHelp::UnloadAllAndEnd(r.forms, r);
                    if (inUnload == name + " fails")
                        throw std::runtime_error("unload failed");
                });
            });
        }
        for (const QString& name : loadOrder)
            slots.at(name).show();

        modHelp::UnloadAllAndEnd(r.forms, r);

        // Every window unloads once, in order; then the program ends, from a
        // nested call too, with nothing loaded but a window that failed to unload.
        const qsizetype ends = r.log.filter("end, ").size();
        QVERIFY(ends >= 1);
        QCOMPARE(r.log.mid(0, loadOrder.size()), loadOrder);
        QCOMPARE(r.log.size(), loadOrder.size() + ends);
        QCOMPARE(r.log.last(), QString("end, %1 loaded").arg(inUnload.endsWith("fails") ? 1 : 0));
    }

    void exitLeadsThroughReferFriend_data()
    {
        QTest::addColumn<QString>("from"); // the window left, "back" for main after Back
        QTest::addColumn<QString>("way");  // closing refer-a-friend by its close box too
        // clang-format off
        QTest::newRow("main: Exit button") << "main" << "Exit button";
        QTest::newRow("main: File Exit") << "main" << "File Exit";
        QTest::newRow("main: close box") << "main" << "close box";
        QTest::newRow("result: Exit button") << "result" << "Exit button";
        QTest::newRow("result: File Exit") << "result" << "File Exit";
        QTest::newRow("result: close box") << "result" << "close box";
        QTest::newRow("result: Back, main: Exit button") << "back" << "Exit button";
        // clang-format on
    }

    void exitLeadsThroughReferFriend()
    {
        QFETCH(QString, from);
        QFETCH(QString, way);
        TestProgram t;
        Program& p = t.program;
        p.frmMain.show();
        if (from != "main") { // as after a search
            p.frmMain.hide();
            p.frmDisplay.show();
        }
        forms::Form* hidden = nullptr;
        if (from == "back") { // loads the refer-a-friend window hidden
            p.frmDisplay.as<frmDisplay>().cmdBack->click();
            QVERIFY(!p.frmDisplay.isLoaded() && p.frmMain.form().isVisible());
            hidden = &p.frmReferFriend.form();
            QVERIFY(!hidden->isVisible());
        }
        const qsizetype seeds = t.fakes.random.seeds.size();
        if (from == "result")
            leave(p.frmDisplay.as<frmDisplay>(), way);
        else
            leave(p.frmMain.as<frmMain>(), way);

        // Still running, the main window loaded only if hidden behind a result;
        // after Back the same window comes up (no second Form_Load seeding).
        const QList<forms::FormSlot*> loaded{&p.frmMain, &p.frmReferFriend};
        QCOMPARE(t.fakes.exit.ends, 0);
        QCOMPARE(p.forms.loaded(), loaded.mid(from == "result" ? 0 : 1));
        QVERIFY(p.frmReferFriend.form().isVisible());
        QVERIFY(from != "result" || !p.frmMain.form().isVisible());
        QVERIFY(!hidden || &p.frmReferFriend.form() == hidden);
        QCOMPARE(t.fakes.random.seeds.size(), seeds + (hidden ? 0 : 1));

        auto& referFriend = p.frmReferFriend.as<frmReferFriend>();
        if (way == "close box")
            referFriend.close();
        else
            referFriend.cmdClose->click();
        // Unloading the hidden main window runs the close rule again; that does
        // not keep the program alive.
        QVERIFY(t.fakes.exit.ends >= 1);
        QCOMPARE(p.forms.count(), 0);
    }
};

QTEST_MAIN(tst_UnloadAllAndEnd)
#include "tst_unloadallandend.moc"
