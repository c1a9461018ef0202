// The About window: modal from both windows' Help menus, how it closes, its
// links, and its layout.

#include "TestSupport.h"
#include "frmAbout.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>

using Act = std::function<void(frmAbout&)>;
Q_DECLARE_METATYPE(Act)

class tst_frmAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { test = std::make_unique<TestProgram>(); }
    void cleanup();

    void openedModally_data();
    void openedModally();
    void links_data();
    void links();
    void layout();

private:
    // Opens the About window with the Help menu of `opener` and runs `act`
    // inside it; returns what was wrong while it was open, if anything.
    QStringList openAndAct(const QString& opener, const Act& act);

    std::unique_ptr<TestProgram> test;
};

void tst_frmAbout::cleanup()
{
    test.reset();
    flushDeferredDeletes();
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->windowTitle() + " leaked"));
}

QStringList tst_frmAbout::openAndAct(const QString& opener, const Act& act)
{
    Program& program = test->program;
    forms::FormSlot& slot =
        opener == QStringLiteral("frmMain") ? program.frmMain : program.frmDisplay;
    slot.show();
    forms::Form& window = slot.form();
    QStringList faults;
    if (!QTest::qWaitForWindowActive(&window))
        faults << QStringLiteral("opener not active");
    bool ran = false;
    QTimer::singleShot(0, &window, [&] {
        ran = true;
        auto& about = program.frmAbout.as<frmAbout>();
        if (!about.isVisible() || QApplication::activeModalWidget() != &about)
            faults << QStringLiteral("not shown modal");
        if (about.focusWidget() != about.cmdOK)
            faults << QStringLiteral("cmdOK has no focus");
        if (about.windowHandle()->transientParent() != window.windowHandle())
            faults << QStringLiteral("not over its opener");
        act(about);
        // Never leave the test hanging in the modal loop.
        QTimer::singleShot(0, &window, [&] {
            if (program.frmAbout.isLoaded()) {
                faults << QStringLiteral("still open");
                program.frmAbout.unload();
            }
        });
    });
    QAction* entry = nullptr;
    for (QAction* action : window.findChildren<QAction*>())
        if (action->text() == QStringLiteral("&About Software"))
            entry = action;
    if (!entry)
        return {QStringLiteral("no About entry")};
    entry->trigger();
    if (!ran)
        faults << QStringLiteral("not modal");
    if (program.frmAbout.isLoaded() || !window.isVisible())
        faults << QStringLiteral("left behind");
    return faults;
}

void tst_frmAbout::openedModally_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<Act>("close");
    const std::pair<const char*, Act> closes[] = {
        {"Enter", [](frmAbout& w) { QTest::keyClick(&w, Qt::Key_Return); }},
        {"Esc", [](frmAbout& w) { QTest::keyClick(&w, Qt::Key_Escape); }},
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
    // Each way of closing ends the modal showing and unloads the window.
    QCOMPARE(openAndAct(opener, close), QStringList());
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
    bool stillModal = false;

    const QStringList faults = openAndAct(QStringLiteral("frmDisplay"), [&](frmAbout& about) {
        click(about);
        click(about);
        stillModal = about.isVisible() && QApplication::activeModalWidget() == &about;
        QTest::keyClick(&about, Qt::Key_Escape);
    });

    QCOMPARE(faults, QStringList());
    QCOMPARE(test->fakes.browser.opened, QStringList({address, address}));
    QVERIFY(stillModal);
}

void tst_frmAbout::layout()
{
    auto& about = test->program.frmAbout.as<frmAbout>();
    const QRect client = about.clientArea()->rect();
    QCOMPARE(client.size(), QSize(423, 264));

    // Line2: one pixel high, across the whole window, between Label5 and cmdOK.
    const QRect line = about.Line2->geometry();
    QCOMPARE(line.height(), 1);
    QVERIFY(line.left() <= client.left() && line.right() >= client.right());
    QVERIFY(line.top() > about.Label5->geometry().bottom());
    QVERIFY(line.bottom() < about.cmdOK->geometry().top());

    // Labels fitting their text keep their left edge, show all of it on one
    // line, and stay inside the window; wrapped labels show all their lines.
    const std::pair<forms::Label*, int> fitting[] = {
        {about.Label2, 960}, {about.lblHomePage, 1560}, {about.Label5, 3600}};
    for (const auto& [label, left] : fitting) {
        const QString text = label->accessibleName();
        QCOMPARE(label->x(), forms::toPixels(left));
        QVERIFY2(label->width() >= label->fontMetrics().horizontalAdvance(text), qPrintable(text));
        QVERIFY2(client.contains(label->geometry()), qPrintable(text));
    }
    for (forms::Label* label : {about.Label1, about.Label6})
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                 qPrintable(label->accessibleName()));
    QVERIFY(
        about.lblHomePage->accessibleName().endsWith(QStringLiteral("http://www.sorrelwick.com")));
    QVERIFY(about.Label1->accessibleName().contains(QStringLiteral("on our lives. All rights")));
    QCOMPARE(about.picIcon->pixmap().size(), QSize(32, 32));
}

QTEST_MAIN(tst_frmAbout)
#include "tst_frmabout.moc"
