// The window runtime: loading on first touch, hiding, unloading, the close box,
// unloading every window at the end; message boxes stacked above the window that
// raised them (above one that stays on top too) and centred on it, else on top
// of every window and centred on the screen.

#include "FormSlot.h"
#include "ProgramIcon.h"
#include "QtMessageBoxes.h"
#include "TestSupport.h"
#include "modHelp.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <map>
#include <stdexcept>

using forms::FormSlot;

namespace
{

// A small window that logs what happens to it, under its name.
struct ProbeForm : forms::Form {
    ProbeForm(QStringList& log, const QString& name)
        : Form(Frame::FixedSingle, 3000, 1500, Qt::white), log(log), name(name)
    {
    }
    void Form_Load() override { log.append("load" + name); }
    void Form_Unload(std::int16_t& Cancel) override
    {
        log.append("unload" + name);
        Cancel = refuseUnload ? 1 : 0;
        // Runs once, so that a runtime that re-enters cannot loop.
        if (auto then = std::exchange(thenOnce, {}))
            then();
    }
    QStringList& log;
    QString name;
    QLineEdit* box = new QLineEdit("initial", this);
    bool refuseUnload = false;
    std::function<void()> thenOnce; // run by the next Form_Unload
};

} // namespace

// Also the end of the program: it logs the number of windows still loaded then.
class tst_Forms : public QObject, public platform::ProcessExit
{
    Q_OBJECT
    void end() override { log.append(QStringLiteral("end, %1 loaded").arg(collection.count())); }
    QStringList log;
    forms::FormCollection collection;
    std::map<QString, FormSlot> windows; // by name, each making a ProbeForm

    FormSlot& slot(const QString& name = {})
    {
        return windows
            .try_emplace(name, collection,
                         [this, name] { return std::make_unique<ProbeForm>(log, name); })
            .first->second;
    }
    ProbeForm& probe(const QString& name = {}) { return slot(name).as<ProbeForm>(); }

private Q_SLOTS:
    void cleanup()
    {
        windows.clear();
        log.clear();
        flushDeferredDeletes();
        QCOMPARE(visibleWindows(), QStringList());
    }

    void loadHideUnload_data()
    {
        addRows({"close box", "close box, Form_Unload unloads its own window again"});
    }
    void loadHideUnload()
    {
        QVERIFY(!slot().isLoaded());
        QCOMPARE(probe().box->text(), "initial");
        QVERIFY(slot().isLoaded());
        slot().show();
        probe().box->setText("typed");
        slot().hide();
        QVERIFY(!probe().isVisible());
        slot().show();
        QCOMPARE(probe().box->text(), "typed");
        QCOMPARE(collection.loaded(), QList<FormSlot*>{&slot()});
        // A refused unload keeps the window as it is.
        probe().refuseUnload = true;
        QVERIFY(!probe().close() && !slot().unload() && probe().isVisible());
        probe().refuseUnload = false;

        QPointer<ProbeForm> first = &probe();
        if (cells()[0].endsWith("again"))
            first->thenOnce = [this] { QVERIFY(slot().unload()); };
        QVERIFY(first->close());
        QVERIFY(!slot().isLoaded() && !first->isVisible() && collection.count() == 0);
        flushDeferredDeletes();
        QVERIFY(first.isNull());
        // Unloading a window that is not loaded runs nothing; the next touch loads it afresh.
        QVERIFY(slot().unload());
        QCOMPARE(probe().box->text(), "initial");
        QCOMPARE(log, (QStringList{"load", "unload", "unload", "unload", "load"}));
    }

    void hidingAnUnloadedWindowNeverShowsIt()
    {
        struct ShownOnLoad : ProbeForm { // as the refer-a-friend window is
            using ProbeForm::ProbeForm;
            void Form_Load() override { show(); }
            void showEvent(QShowEvent*) override { log.append("shown"); }
        };
        FormSlot hidden(collection, [this] { return std::make_unique<ShownOnLoad>(log, ""); });
        hidden.hide();
        hidden.show();
        QVERIFY(hidden.isLoaded() && log == QStringList{"shown"});
    }

    // Each row: the windows in the order loaded, and what B's Form_Unload does:
    // "ends" the program as frmReferFriend's does, or "fails", throwing.
    void unloadAllAndEnd_data() { addRows({"|", "CADB|", "ABC|B ends", "ABC|B fails"}); }
    void unloadAllAndEnd()
    {
        const QString loadOrder = cells()[0], inUnload = cells()[1];
        QStringList unloads;
        for (QChar name : loadOrder) {
            slot(name).show();
            unloads << "unload" + QString(name);
        }
        if (inUnload.endsWith("ends"))
            probe("B").thenOnce = [this] { modHelp::UnloadAllAndEnd(collection, *this); };
        if (inUnload.endsWith("fails"))
            probe("B").thenOnce = [] { throw std::runtime_error("unload failed"); };
        log.clear();
        modHelp::UnloadAllAndEnd(collection, *this);
        // Every window unloads once, in load order; then the program ends, from a
        // nested call too, with nothing loaded but a window that failed to unload.
        QCOMPARE(log.filter("unload"), unloads);
        QCOMPARE(log.size() - unloads.size(), inUnload.endsWith("ends") ? 2 : 1);
        QCOMPARE(log.last(), QString("end, %1 loaded").arg(inUnload.endsWith("fails") ? 1 : 0));
    }

    // Each row: where the box is raised from, and what it stands over, its
    // stacking and its centre.
    void owner_data()
    {
        addRows({"on top|window, on top|window", "on top, inactive|window, on top|window",
                 "plain|window|window", "none|none, on top|screen"});
    }

    void owner()
    {
        const QString raisedFrom = cells()[0];
        forms::Form window(forms::Form::Frame::FixedSingle, 6000, 4500, Qt::white);
        window.setWindowFlag(Qt::WindowStaysOnTopHint, raisedFrom.startsWith("on top"));
        window.move(10, 20);
        window.setVisible(raisedFrom != "none");
        QVERIFY(raisedFrom == "none" || QTest::qWaitForWindowActive(&window));
        QWindow other; // a window of no widget's takes the focus, as another program's would
        if (raisedFrom.endsWith("inactive")) {
            other.show();
            other.requestActivate();
            QVERIFY(QTest::qWaitForWindowActive(&other) && !QApplication::activeWindow());
        }

        QString seen, centredOn; // how the box stands once it is up; then it is answered
        QTimer::singleShot(0, this, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                const QWindow* over = box->windowHandle()->transientParent();
                const auto centred = [box](QRect area) {
                    return (box->geometry().center() - area.center()).manhattanLength() <= 2;
                };
                seen = QString(over ? over == window.windowHandle() ? "window" : "?" : "none") +
                       (box->windowFlags() & Qt::WindowStaysOnTopHint ? ", on top" : "");
                centredOn = centred(window.geometry())           ? "window"
                            : centred(box->screen()->geometry()) ? "screen"
                                                                 : "";
                box->accept();
            }
        });
        forms::QtMessageBoxes().show(QStringLiteral("Please Enter Proper Email Address"),
                                     platform::MessageBoxes::Icon::Critical,
                                     platform::MessageBoxes::Buttons::Ok, "Tolvane");
        QCOMPARE(seen, cells()[1]);
#ifdef Q_OS_WIN
        // Qt centres a dialog by the frame of a window already shown, and by a
        // guess of 10 by 40 pixels where that frame looks unlikely.
        QSKIP("Wine: the X window manager draws the frames, so Qt centres the box by its "
              "guessed frame and it lands 10 by 17 pixels off centre");
#endif
        QCOMPARE(centredOn, cells()[2]);
    }

    void programIcon()
    {
        // Every window size, its corners clear and the night-blue disc at its centre.
        const QIcon icon = forms::programIcon();
        QCOMPARE(icon.availableSizes(),
                 (QList<QSize>{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}}));
        for (const QSize size : icon.availableSizes()) {
            const QImage image = icon.pixmap(size, 1.0).toImage();
            const QColor corner = image.pixelColor(0, 0),
                         centre = image.pixelColor(size.width() / 2, size.height() / 2);
            QVERIFY2(image.size() == size && corner.alpha() == 0 && centre.alpha() == 255 &&
                         centre.blue() > 2 * centre.red(),
                     qPrintable(centre.name(QColor::HexArgb)));
        }
    }
};

QTEST_MAIN(tst_Forms)
#include "tst_forms.moc"
