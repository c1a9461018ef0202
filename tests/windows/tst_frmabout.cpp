// The About window: shown modally from both windows' Help menus, closed by
// Enter, Esc and the close box, its links, and its layout.

#include "TestSupport.h"
#include "frmAbout.h"
#include "frmDisplay.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>

namespace
{

using Act = std::function<void(frmAbout&)>;

// The "&About Software" entry of a window's Help menu.
QAction* aboutEntry(QWidget& window)
{
    for (QAction* action : window.findChildren<QAction*>())
        if (action->text() == QStringLiteral("&About Software"))
            return action;
    return nullptr;
}

// What the About window looked like while it was open.
struct Seen {
    bool ran = false;
    bool visible = false;
    bool modal = false;
    bool okHasFocus = false;
    bool overOpener = false;
    bool stillOpenAfterAct = false;
    bool closedByTest = false;
};

} // namespace

Q_DECLARE_METATYPE(Act)

class tst_frmAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void openedModally_data();
    void openedModally();
    void links_data();
    void links();
    void openerUnloadedWhileOpen();
    void layout();

private:
    forms::Form& showOpener(const QString& opener);
    // Opens the About window through `opener`'s menu, runs `act` inside it and
    // records what was seen; closes the window itself if `act` left it open.
    Seen openAndAct(forms::Form& opener, const Act& act);

    std::unique_ptr<TestProgram> test;
};

void tst_frmAbout::init()
{
    test = std::make_unique<TestProgram>();
}

void tst_frmAbout::cleanup()
{
    test.reset();
    flushDeferredDeletes();
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->windowTitle() + " leaked"));
}

forms::Form& tst_frmAbout::showOpener(const QString& opener)
{
    forms::FormSlot& slot =
        opener == QStringLiteral("frmMain") ? test->program.frmMain : test->program.frmDisplay;
    slot.show();
    if (!QTest::qWaitForWindowActive(&slot.form()))
        qWarning("%s did not become active", qPrintable(opener));
    return slot.form();
}

Seen tst_frmAbout::openAndAct(forms::Form& opener, const Act& act)
{
    Seen seen;
    Program& program = test->program;
    QTimer::singleShot(0, &opener, [&] {
        seen.ran = true;
        auto& about = program.frmAbout.as<frmAbout>();
        seen.visible = about.isVisible();
        seen.modal = QApplication::activeModalWidget() == &about;
        seen.okHasFocus = about.focusWidget() == about.cmdOK;
        seen.overOpener = about.windowHandle()->transientParent() == opener.windowHandle();
        act(about);
        seen.stillOpenAfterAct = program.frmAbout.isLoaded();
        // Never leave the test hanging in the modal loop.
        QTimer::singleShot(0, &opener, [&] {
            if (program.frmAbout.isLoaded()) {
                seen.closedByTest = true;
                program.frmAbout.unload();
            }
        });
    });
    QAction* entry = aboutEntry(opener);
    if (entry)
        entry->trigger();
    else
        qWarning("no About entry");
    return seen;
}

void tst_frmAbout::openedModally_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<Act>("close");

    const QList<std::pair<const char*, Act>> closes = {
        {"Enter", [](frmAbout& w) { QTest::keyClick(&w, Qt::Key_Return); }},
        {"Esc", [](frmAbout& w) { QTest::keyClick(&w, Qt::Key_Escape); }},
        {"OK button", [](frmAbout& w) { QTest::mouseClick(w.cmdOK, Qt::LeftButton); }},
        {"close box", [](frmAbout& w) { w.close(); }},
    };
    for (const char* opener : {"frmMain", "frmDisplay"})
        for (const auto& [name, close] : closes)
            QTest::addRow("%s, %s", opener, name) << QString::fromLatin1(opener) << close;
}

void tst_frmAbout::openedModally()
{
    QFETCH(QString, opener);
    QFETCH(Act, close);
    forms::Form& window = showOpener(opener);

    const Seen seen = openAndAct(window, close);

    // showModal returned only once the window was gone, and it was unloaded.
    QVERIFY(seen.ran);
    QVERIFY(seen.visible);
    QVERIFY(seen.modal);
    QVERIFY(seen.okHasFocus);
    QVERIFY(seen.overOpener);
    QVERIFY(!seen.stillOpenAfterAct);
    QVERIFY(!seen.closedByTest);
    QVERIFY(!test->program.frmAbout.isLoaded());
    QVERIFY(window.isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(test->fakes.browser.opened.isEmpty());
}

void tst_frmAbout::links_data()
{
    QTest::addColumn<Act>("click");
    QTest::addColumn<QString>("address");

    QTest::newRow("lblHomePage") << Act([](frmAbout& w) {
        QTest::mouseClick(w.lblHomePage, Qt::LeftButton);
    }) << QStringLiteral("http://www.sorrelwick.com");
    QTest::newRow("Label5") << Act([](frmAbout& w) { QTest::mouseClick(w.Label5, Qt::LeftButton); })
                            << QStringLiteral("http://help.sorrelwick.com/fully-branded.html");
}

void tst_frmAbout::links()
{
    QFETCH(Act, click);
    QFETCH(QString, address);
    forms::Form& window = showOpener(QStringLiteral("frmDisplay"));
    bool modalAfterClick = false;

    const Seen seen = openAndAct(window, [&](frmAbout& about) {
        click(about);
        click(about);
        modalAfterClick = about.isVisible() && QApplication::activeModalWidget() == &about;
    });

    // The page opens each time; the window stays open and modal until closed.
    QCOMPARE(test->fakes.browser.opened, QStringList({address, address}));
    QVERIFY(seen.stillOpenAfterAct);
    QVERIFY(modalAfterClick);
    QVERIFY(!test->program.frmAbout.isLoaded());
}

void tst_frmAbout::openerUnloadedWhileOpen()
{
    // The window that opened the About window can go away under it (the end of
    // the program unloads every window): the About window stays usable.
    forms::Form& window = showOpener(QStringLiteral("frmDisplay"));
    bool detached = false;

    const Seen seen = openAndAct(window, [&](frmAbout& about) {
        test->program.frmDisplay.unload();
        flushDeferredDeletes();
        detached = about.windowHandle()->transientParent() == nullptr;
        QTest::keyClick(&about, Qt::Key_Escape);
    });

    QVERIFY(seen.overOpener);
    QVERIFY(detached);
    QVERIFY(!seen.stillOpenAfterAct);
    QVERIFY(!test->program.frmAbout.isLoaded());
}

void tst_frmAbout::layout()
{
    auto& about = test->program.frmAbout.as<frmAbout>();
    const QRect client = about.clientArea()->rect();
    QCOMPARE(client.size(), QSize(423, 264));
    QCOMPARE(about.windowType(), Qt::Dialog);

    // Line2: one pixel high, across the whole window, between Label5 and cmdOK.
    const QRect line = about.Line2->geometry();
    QCOMPARE(line.height(), 1);
    QVERIFY(line.left() <= client.left() && line.right() >= client.right());
    QVERIFY(line.top() > about.Label5->geometry().bottom());
    QVERIFY(line.bottom() < about.cmdOK->geometry().top());

    // Labels that fit their text keep their left edge, show all of it on one
    // line, and stay inside the window.
    const QList<std::pair<forms::Label*, int>> fitting = {
        {about.Label2, 960}, {about.lblHomePage, 1560}, {about.Label5, 3600}};
    for (const auto& [label, left] : fitting) {
        const QString text = label->accessibleName();
        QCOMPARE(label->x(), forms::toPixels(left));
        QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(text), qPrintable(text));
        QVERIFY2(client.contains(label->geometry()), qPrintable(text));
    }
    QVERIFY(
        about.lblHomePage->accessibleName().endsWith(QStringLiteral("http://www.sorrelwick.com")));

    // Wrapped texts fit their boxes; the description ends with the rights notice.
    for (forms::Label* label : {about.Label1, about.Label6})
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                 qPrintable(label->accessibleName()));
    const QString description = about.Label1->accessibleName();
    QVERIFY(description.startsWith(QStringLiteral("Tolvane finds your Zorivi sign. ")));
    QVERIFY(description.contains(QStringLiteral("on our lives. All rights reserved")));

    // The icon sits on a background of its own inside its box.
    QVERIFY(!about.picIcon->pixmap().isNull());
    QCOMPARE(about.picIcon->pixmap().size(), QSize(32, 32));
    QVERIFY(about.picIcon->autoFillBackground());
}

QTEST_MAIN(tst_frmAbout)
#include "tst_frmabout.moc"
