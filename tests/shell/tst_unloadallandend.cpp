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

// A window that writes its unloading into a log and may run more code then.
class RecordingForm : public forms::Form
{
public:
    RecordingForm(QString name, QStringList& log, std::function<void()> onUnload)
        : Form(Frame::FixedSingle, 1500, 1500, Qt::white), name_(std::move(name)), log_(log),
          onUnload_(std::move(onUnload))
    {
    }
    void Form_Unload(std::int16_t& Cancel) override
    {
        (void)Cancel;
        log_.append(name_);
        if (onUnload_)
            onUnload_();
    }

private:
    QString name_;
    QStringList& log_;
    std::function<void()> onUnload_;
};

class LoggingExit : public fake::RecordingExit
{
public:
    LoggingExit(QStringList& log, forms::FormCollection& forms) : log_(log), forms_(forms) {}
    void end() override
    {
        log_.append(QStringLiteral("end, %1 loaded").arg(forms_.count()));
        RecordingExit::end();
    }

private:
    QStringList& log_;
    forms::FormCollection& forms_;
};

// Four windows A to D in one collection; `onUnload` gives extra work to some.
struct Windows {
    explicit Windows(std::map<QString, std::function<void()>> onUnload = {})
    {
        for (auto& [name, slot] : slots) {
            std::function<void()> extra = onUnload.count(name) ? onUnload[name] : nullptr;
            slot->setFactory([this, name = name, extra] {
                return std::make_unique<RecordingForm>(name, log, extra);
            });
        }
    }
    ~Windows()
    {
        for (auto& entry : slots)
            delete entry.second;
        flushDeferredDeletes();
    }
    void unloadAllAndEnd() { modHelp::UnloadAllAndEnd(forms, exit); }

    QStringList log;
    forms::FormCollection forms;
    LoggingExit exit{log, forms};
    std::map<QString, forms::FormSlot*> slots{{"A", new forms::FormSlot(forms)},
                                              {"B", new forms::FormSlot(forms)},
                                              {"C", new forms::FormSlot(forms)},
                                              {"D", new forms::FormSlot(forms)}};
};

enum class Way { Button, Menu, CloseBox };

} // namespace

Q_DECLARE_METATYPE(Way)

class tst_UnloadAllAndEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup();

    void unloadsInLoadOrderThenEnds_data();
    void unloadsInLoadOrderThenEnds();
    void nestedCallEndsToo();
    void windowLoadedWhileUnloadingDoesNotKeepItAlive();

    void mainWindowClosedLeadsToReferFriend_data();
    void mainWindowClosedLeadsToReferFriend();
    void resultWindowClosedLeadsToReferFriend_data();
    void resultWindowClosedLeadsToReferFriend();
    void backKeepsTheSameReferFriendWindowHidden();
};

void tst_UnloadAllAndEnd::cleanup()
{
    flushDeferredDeletes();
    QCOMPARE(visibleWindows(), 0);
}

void tst_UnloadAllAndEnd::unloadsInLoadOrderThenEnds_data()
{
    QTest::addColumn<QStringList>("loadOrder");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("none loaded") << QStringList{} << QStringList{};
    QTest::newRow("one") << QStringList{"B"} << QStringList{"B"};
    QTest::newRow("A B C") << QStringList{"A", "B", "C"} << QStringList{"B"};
    QTest::newRow("C A D B, hidden and shown")
        << QStringList{"C", "A", "D", "B"} << QStringList{"A", "B"};
}

void tst_UnloadAllAndEnd::unloadsInLoadOrderThenEnds()
{
    QFETCH(QStringList, loadOrder);
    QFETCH(QStringList, shown);
    Windows w;
    for (const QString& name : loadOrder)
        w.slots[name]->form();
    for (const QString& name : shown)
        w.slots[name]->show();

    w.unloadAllAndEnd();

    QCOMPARE(w.log, loadOrder + QStringList{"end, 0 loaded"});
    QCOMPARE(w.exit.ends, 1);
}

void tst_UnloadAllAndEnd::nestedCallEndsToo()
{
    // B's Form_Unload ends the program itself, as frmReferFriend's does.
    Windows* self = nullptr;
    Windows w({{"B", [&self] { self->unloadAllAndEnd(); }}});
    self = &w;
    for (const char* name : {"A", "B", "C"})
        w.slots[name]->show();

    w.unloadAllAndEnd();

    // Every window unloads once, in order; then the program ends, from the
    // nested call and from the outer one.
    QCOMPARE(w.log.mid(0, 3), (QStringList{"A", "B", "C"}));
    QVERIFY(w.exit.ends >= 1);
    QCOMPARE(w.log.size(), 3 + w.exit.ends);
    QCOMPARE(w.log.last(), QStringLiteral("end, 0 loaded"));
    QCOMPARE(w.forms.count(), 0);
}

void tst_UnloadAllAndEnd::windowLoadedWhileUnloadingDoesNotKeepItAlive()
{
    // A's Form_Unload shows D, as the close rule shows frmReferFriend.
    Windows* self = nullptr;
    Windows w({{"A", [&self] { self->slots["D"]->show(); }}});
    self = &w;
    w.slots["A"]->show();
    w.slots["B"]->show();

    w.unloadAllAndEnd();

    QCOMPARE(w.log, (QStringList{"A", "B", "end, 1 loaded"}));
    QCOMPARE(w.exit.ends, 1);
}

namespace
{

void closeMainWindow(frmMain& window, Way way)
{
    switch (way) {
    case Way::Button:
        window.cmdExit->click();
        break;
    case Way::Menu:
        window.mnuExit->trigger();
        break;
    case Way::CloseBox:
        window.close();
        break;
    }
}

void closeResultWindow(frmDisplay& window, Way way)
{
    switch (way) {
    case Way::Button:
        window.cmdExit->click();
        break;
    case Way::Menu:
        window.mnuExit->trigger();
        break;
    case Way::CloseBox:
        window.close();
        break;
    }
}

void closeReferFriendWindow(frmReferFriend& window, Way way)
{
    if (way == Way::Button)
        window.cmdClose->click();
    else
        window.close();
}

void addWayRows()
{
    QTest::addColumn<Way>("closeWindow");
    QTest::addColumn<Way>("closeReferFriend");
    const std::map<Way, const char*> windowWays = {
        {Way::Button, "Exit button"}, {Way::Menu, "File Exit"}, {Way::CloseBox, "close box"}};
    const std::map<Way, const char*> referWays = {{Way::Button, "Exit button"},
                                                  {Way::CloseBox, "close box"}};
    for (const auto& [window, windowName] : windowWays) {
        for (const auto& [refer, referName] : referWays) {
            QTest::addRow("%s, then refer-a-friend's %s", windowName, referName) << window << refer;
        }
    }
}

} // namespace

void tst_UnloadAllAndEnd::mainWindowClosedLeadsToReferFriend_data()
{
    addWayRows();
}

void tst_UnloadAllAndEnd::mainWindowClosedLeadsToReferFriend()
{
    QFETCH(Way, closeWindow);
    QFETCH(Way, closeReferFriend);
    TestProgram t;
    Program& p = t.program;
    p.frmMain.show();

    closeMainWindow(p.frmMain.as<frmMain>(), closeWindow);

    // Still running, with only the refer-a-friend window.
    QCOMPARE(t.fakes.exit.ends, 0);
    QCOMPARE(p.forms.loaded(), QList<forms::FormSlot*>{&p.frmReferFriend});
    QVERIFY(p.frmReferFriend.form().isVisible());
    flushDeferredDeletes();
    QCOMPARE(visibleWindows(), 1);

    closeReferFriendWindow(p.frmReferFriend.as<frmReferFriend>(), closeReferFriend);

    QVERIFY(t.fakes.exit.ends >= 1);
    QCOMPARE(p.forms.count(), 0);
    flushDeferredDeletes();
    QCOMPARE(visibleWindows(), 0);
}

void tst_UnloadAllAndEnd::resultWindowClosedLeadsToReferFriend_data()
{
    addWayRows();
}

void tst_UnloadAllAndEnd::resultWindowClosedLeadsToReferFriend()
{
    QFETCH(Way, closeWindow);
    QFETCH(Way, closeReferFriend);
    TestProgram t;
    Program& p = t.program;
    // As after a search: the main window hidden, the result shown.
    p.frmMain.show();
    p.frmMain.hide();
    p.frmDisplay.show();

    closeResultWindow(p.frmDisplay.as<frmDisplay>(), closeWindow);

    QCOMPARE(t.fakes.exit.ends, 0);
    QCOMPARE(p.forms.loaded(), (QList<forms::FormSlot*>{&p.frmMain, &p.frmReferFriend}));
    QVERIFY(!p.frmMain.form().isVisible());
    QVERIFY(p.frmReferFriend.form().isVisible());

    closeReferFriendWindow(p.frmReferFriend.as<frmReferFriend>(), closeReferFriend);

    // Unloading the hidden main window on the way out runs the close rule
    // again; that does not keep the program alive.
    QVERIFY(t.fakes.exit.ends >= 1);
    QCOMPARE(p.forms.count(), 0);
    flushDeferredDeletes();
    QCOMPARE(visibleWindows(), 0);
}

void tst_UnloadAllAndEnd::backKeepsTheSameReferFriendWindowHidden()
{
    TestProgram t;
    Program& p = t.program;
    p.frmMain.show();
    p.frmMain.hide();
    p.frmDisplay.show();

    p.frmDisplay.as<frmDisplay>().cmdBack->click();

    QVERIFY(!p.frmDisplay.isLoaded());
    QVERIFY(p.frmMain.form().isVisible());
    QVERIFY(p.frmReferFriend.isLoaded());
    QVERIFY(!p.frmReferFriend.form().isVisible());
    QCOMPARE(t.fakes.exit.ends, 0);
    forms::Form* referFriend = &p.frmReferFriend.form();
    // Its Form_Load seeds the generator: once so far.
    const qsizetype seeds = t.fakes.random.seeds.size();
    QCOMPARE(seeds, 1);

    p.frmMain.as<frmMain>().cmdExit->click();

    // The same window comes back, not a new one.
    QCOMPARE(&p.frmReferFriend.form(), referFriend);
    QVERIFY(referFriend->isVisible());
    QCOMPARE(t.fakes.random.seeds.size(), seeds);
    QCOMPARE(t.fakes.exit.ends, 0);

    p.frmReferFriend.as<frmReferFriend>().cmdClose->click();
    QVERIFY(t.fakes.exit.ends >= 1);
    QCOMPARE(p.forms.count(), 0);
}

QTEST_MAIN(tst_UnloadAllAndEnd)
#include "tst_unloadallandend.moc"
