// The window runtime: loading on first touch, hiding, unloading, the close box,
// the collection of loaded windows, and the default and cancel buttons.

#include "Controls.h"
#include "FormSlot.h"
#include "TestSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using forms::Form;
using forms::FormCollection;
using forms::FormSlot;

namespace
{

// A small window that records what happens to it.
class ProbeForm : public Form
{
public:
    explicit ProbeForm(QStringList& log)
        : Form(Frame::FixedSingle, 3000, 1500, Qt::white), log_(log)
    {
        box = forms::makeTextBox(clientArea(), {100, 100, 1500, 300}, QStringLiteral("initial"));
        ok = forms::makeButton(clientArea(), {100, 600, 900, 375}, QStringLiteral("&OK"),
                               forms::verdana(8.25), Qt::gray);
        other = forms::makeButton(clientArea(), {1200, 600, 900, 375}, QStringLiteral("Ot&her"),
                                  forms::verdana(8.25), Qt::gray);
        cancel = forms::makeButton(clientArea(), {2100, 600, 800, 375}, QStringLiteral("&Cancel"),
                                   forms::verdana(8.25), Qt::gray);
        setDefaultButton(ok);
        setCancelButton(cancel);
        for (QPushButton* button : {ok, other, cancel})
            connect(button, &QPushButton::clicked, this,
                    [this, button] { log_.append("probe:click " + button->text()); });
    }
    void Form_Load() override { log_.append(QStringLiteral("probe:load")); }
    void Form_Unload(std::int16_t& Cancel) override
    {
        log_.append(QStringLiteral("probe:unload"));
        Cancel = refuseUnload ? 1 : 0;
    }

    QLineEdit* box;
    QPushButton* ok;
    QPushButton* other;
    QPushButton* cancel;
    bool refuseUnload = false;

private:
    QStringList& log_;
};

} // namespace

class tst_FormSlot : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        log.clear();
        slot = std::make_unique<FormSlot>(collection,
                                          [this] { return std::make_unique<ProbeForm>(log); });
    }
    void cleanup()
    {
        slot.reset();
        flushDeferredDeletes();
        QCOMPARE(visibleWindows(), QStringList());
    }

    void touchingLoadsOnceAndHidingKeepsContents();
    void unloadingDiscardsAndReloadsFresh();
    void closeBoxUnloadsUnlessRefused();
    void hidingAnUnloadedWindowNeverShowsIt();
    void enterAndEscape_data();
    void enterAndEscape();

private:
    ProbeForm& probe() { return slot->as<ProbeForm>(); }

    QStringList log;
    FormCollection collection;
    std::unique_ptr<FormSlot> slot;
};

void tst_FormSlot::touchingLoadsOnceAndHidingKeepsContents()
{
    QVERIFY(!slot->isLoaded());
    QCOMPARE(probe().box->text(), QStringLiteral("initial"));
    QVERIFY(slot->isLoaded());
    slot->show();
    probe().box->setText(QStringLiteral("typed"));
    slot->hide();
    QVERIFY(!probe().isVisible());
    slot->show();
    QCOMPARE(probe().box->text(), QStringLiteral("typed"));
    QCOMPARE(log, QStringList{"probe:load"});
}

void tst_FormSlot::unloadingDiscardsAndReloadsFresh()
{
    slot->show();
    QPointer<Form> first = &probe();
    probe().box->setText(QStringLiteral("typed"));
    QVERIFY(slot->unload());
    QVERIFY(!slot->isLoaded());
    QVERIFY(!first->isVisible());
    flushDeferredDeletes();
    QVERIFY(first.isNull());
    QCOMPARE(probe().box->text(), QStringLiteral("initial"));
    QCOMPARE(log, (QStringList{"probe:load", "probe:unload", "probe:load"}));
    // Unloading a window that is not loaded runs nothing.
    QVERIFY(slot->unload());
    QVERIFY(slot->unload());
    QCOMPARE(log.count("probe:unload"), 2);
}

void tst_FormSlot::closeBoxUnloadsUnlessRefused()
{
    slot->show();
    probe().refuseUnload = true;
    QVERIFY(!probe().close());
    QVERIFY(!slot->unload());
    QVERIFY(probe().isVisible());
    probe().refuseUnload = false;
    QVERIFY(probe().close());
    QVERIFY(!slot->isLoaded());
    QCOMPARE(log, (QStringList{"probe:load", "probe:unload", "probe:unload", "probe:unload"}));
}

void tst_FormSlot::hidingAnUnloadedWindowNeverShowsIt()
{
    struct ShownOnLoad : Form { // as the refer-a-friend window is
        ShownOnLoad(int& shows) : Form(Frame::FixedSingle, 900, 900, Qt::white), shows(shows) {}
        void Form_Load() override { show(); }
        void showEvent(QShowEvent*) override { ++shows; }
        int& shows;
    };
    int shows = 0;
    FormSlot hidden(collection, [&shows] { return std::make_unique<ShownOnLoad>(shows); });
    hidden.hide();
    hidden.show();
    QVERIFY(hidden.isLoaded() && shows == 1);
}

void tst_FormSlot::enterAndEscape_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("pressed");
    QTest::newRow("Enter in a text box presses the default button")
        << "box" << int(Qt::Key_Return) << "&OK";
    QTest::newRow("Enter on another button presses that one")
        << "other" << int(Qt::Key_Return) << "Ot&her";
    QTest::newRow("Esc presses the cancel button") << "box" << int(Qt::Key_Escape) << "&Cancel";
    QTest::newRow("Esc on another button still cancels")
        << "other" << int(Qt::Key_Escape) << "&Cancel";
}

void tst_FormSlot::enterAndEscape()
{
    QFETCH(QString, focus);
    QFETCH(int, key);
    QFETCH(QString, pressed);
    slot->show();
    ProbeForm& form = probe();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QWidget* target = focus == "box"     ? static_cast<QWidget*>(form.box)
                      : focus == "other" ? form.other
                                         : form.cancel;
    target->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), target);
    QTest::keyClick(target, Qt::Key(key));
    QCOMPARE(log, (QStringList{"probe:load", "probe:click " + pressed}));
}

QTEST_MAIN(tst_FormSlot)
#include "tst_formslot.moc"
