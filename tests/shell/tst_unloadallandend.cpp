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

#include <deque>
#include <functional>

namespace fake = platform::fake;

// A window that reports its unloading by name.
class RecordingForm : public forms::Form
{
public:
    RecordingForm(QString name, std::function<void(const QString&)> onUnload)
        : Form(Frame::FixedSingle, 1500, 1500, Qt::white), name_(std::move(name)),
          onUnload_(std::move(onUnload))
    {
    }
    void Form_Unload(std::int16_t&) override { onUnload_(name_); }

private:
    QString name_;
    std::function<void(const QString&)> onUnload_;
};

// Logs the end with the number of windows still loaded then.
struct LoggingExit : fake::RecordingExit {
    QStringList& log;
    forms::FormCollection& forms;
    LoggingExit(QStringList& l, forms::FormCollection& f) : log(l), forms(f) {}
    void end() override
    {
        log.append(QStringLiteral("end, %1 loaded").arg(forms.count()));
        RecordingExit::end();
    }
};

class tst_UnloadAllAndEnd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        flushDeferredDeletes();
        for (QWidget* window : QApplication::topLevelWidgets())
            QVERIFY2(!window->isVisible(), qPrintable(window->windowTitle()));
    }

    void unloadsInLoadOrderThenEnds_data()
    {
        QTest::addColumn<QStringList>("loadOrder");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QString>("endsInUnloadOf"); // as frmReferFriend's Form_Unload does
        QTest::newRow("none loaded") << QStringList{} << QStringList{} << "";
        QTest::newRow("C A D B, hidden and shown")
            << QStringList{"C", "A", "D", "B"} << QStringList{"A", "B"} << "";
        QTest::newRow("nested call from B")
            << QStringList{"A", "B", "C"} << QStringList{"B"} << "B";
    }

    void unloadsInLoadOrderThenEnds()
    {
        QFETCH(QStringList, loadOrder);
        QFETCH(QStringList, shown);
        QFETCH(QString, endsInUnloadOf);
        QStringList log;
        forms::FormCollection forms;
        LoggingExit exit(log, forms);
        std::deque<forms::FormSlot> slots;
        for (const char* name : {"A", "B", "C", "D"}) {
            slots.emplace_back(forms, [&, name] {
                return std::make_unique<RecordingForm>(QString(name), [&](const QString& unloaded) {
                    log.append(unloaded);
                    if (unloaded == endsInUnloadOf)
                        modHelp::UnloadAllAndEnd(forms, exit);
                });
            });
        }
        for (const QString& name : loadOrder)
            slots[name[0].unicode() - 'A'].form();
        for (const QString& name : shown)
            slots[name[0].unicode() - 'A'].show();

        modHelp::UnloadAllAndEnd(forms, exit);

        // Every window unloads once, in order; then the program ends, from a
        // nested call too, with nothing loaded.
        QCOMPARE(log.mid(0, loadOrder.size()), loadOrder);
        QVERIFY(exit.ends >= 1);
        QCOMPARE(log.size(), loadOrder.size() + exit.ends);
        QCOMPARE(log.last(), QStringLiteral("end, 0 loaded"));
    }

    void exitLeadsThroughReferFriend_data()
    {
        QTest::addColumn<bool>("fromResult");
        QTest::addColumn<QString>("way");
        QTest::addColumn<bool>("referFriendByButton");
        QTest::newRow("main: Exit button, close") << false << "button" << true;
        QTest::newRow("main: File Exit, close box") << false << "menu" << false;
        QTest::newRow("main: close box, close") << false << "close box" << true;
        QTest::newRow("result: Exit button, close box") << true << "button" << false;
        QTest::newRow("result: File Exit, close") << true << "menu" << true;
        QTest::newRow("result: close box, close box") << true << "close box" << false;
    }

    void exitLeadsThroughReferFriend()
    {
        QFETCH(bool, fromResult);
        QFETCH(QString, way);
        QFETCH(bool, referFriendByButton);
        TestProgram t;
        Program& p = t.program;
        p.frmMain.show();
        if (fromResult) { // as after a search
            p.frmMain.hide();
            p.frmDisplay.show();
        }
        forms::Form& window = fromResult ? p.frmDisplay.form() : p.frmMain.form();
        QPushButton* exitButton =
            fromResult ? p.frmDisplay.as<frmDisplay>().cmdExit : p.frmMain.as<frmMain>().cmdExit;
        QAction* exitMenu =
            fromResult ? p.frmDisplay.as<frmDisplay>().mnuExit : p.frmMain.as<frmMain>().mnuExit;
        if (way == "button")
            exitButton->click();
        else if (way == "menu")
            exitMenu->trigger();
        else
            window.close();

        // Still running, the main window loaded only if hidden behind a result.
        const QList<forms::FormSlot*> loaded{&p.frmMain, &p.frmReferFriend};
        QCOMPARE(t.fakes.exit.ends, 0);
        QCOMPARE(p.forms.loaded(), loaded.mid(fromResult ? 0 : 1));
        QVERIFY(p.frmReferFriend.form().isVisible());
        QVERIFY(!fromResult || !p.frmMain.form().isVisible());

        auto& referFriend = p.frmReferFriend.as<frmReferFriend>();
        if (referFriendByButton)
            referFriend.cmdClose->click();
        else
            referFriend.close();
        // Unloading the hidden main window runs the close rule again; that does
        // not keep the program alive.
        QVERIFY(t.fakes.exit.ends >= 1);
        QCOMPARE(p.forms.count(), 0);
    }

    void backKeepsTheSameReferFriendWindowHidden()
    {
        TestProgram t;
        Program& p = t.program;
        p.frmMain.show();
        p.frmMain.hide();
        p.frmDisplay.show();
        p.frmDisplay.as<frmDisplay>().cmdBack->click();

        QVERIFY(!p.frmDisplay.isLoaded());
        QVERIFY(p.frmMain.form().isVisible());
        QVERIFY(p.frmReferFriend.isLoaded() && !p.frmReferFriend.form().isVisible());
        forms::Form* referFriend = &p.frmReferFriend.form();
        const QList<quint32> seeds = t.fakes.random.seeds; // its Form_Load seeds once

        p.frmMain.as<frmMain>().cmdExit->click();

        QCOMPARE(&p.frmReferFriend.form(), referFriend); // the same window, not a new one
        QVERIFY(referFriend->isVisible());
        QCOMPARE(t.fakes.random.seeds, seeds);
        QCOMPARE(t.fakes.exit.ends, 0);
        p.frmReferFriend.as<frmReferFriend>().cmdClose->click();
        QVERIFY(t.fakes.exit.ends >= 1);
    }
};

QTEST_MAIN(tst_UnloadAllAndEnd)
#include "tst_unloadallandend.moc"
