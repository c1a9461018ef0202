// The result window: keyboard, Back and Exit, the sign label, the links and
// the layout.

#include "TestSupport.h"
#include "frmDisplay.h"
#include "frmMain.h"

#include <QApplication>
#include <QMenuBar>
#include <QTest>

#include <functional>
#include <memory>

namespace
{

using Action = std::function<void(frmDisplay&)>;

const QString InitialReading = QStringLiteral(
    "This is an idealistic combination and you shall be able to approach issues with a neutral "
    "attitude. You will have a sense of vision accompanied by imagination and innovativeness. You "
    "have a humane nature. But be careful not to make excuses when you are needed.");

const QString Description = QStringLiteral(
    "Tolvane finds your Zorivi sign. Zorivi Astrology shows how a person relates to himself and "
    "portrays himself to the outside world. This includes self admiration of one's physical and "
    "mental attributes. This is an active masculine planet. This sign helps one make an impression "
    "on the real world. This asteroid has a lingering effect having a far reaching effect on our "
    "lives.");

Action key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    return [=](frmDisplay& window) { QTest::keyClick(&window, key, modifiers); };
}

Action keys(QList<Action> actions)
{
    return [=](frmDisplay& window) {
        for (const Action& action : actions)
            action(window);
    };
}

} // namespace

Q_DECLARE_METATYPE(Action)
Q_DECLARE_METATYPE(std::function<QString(frmDisplay&)>)
Q_DECLARE_METATYPE(std::function<QWidget*(frmDisplay&)>)

class tst_frmDisplay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void leaving_data();
    void leaving();
    void focusStaysOnTheTwoButtons();
    void backKeepsMainWindowEntries();
    void initialTexts_data();
    void initialTexts();
    void signLabelFitsName_data();
    void signLabelFitsName();
    void links_data();
    void links();
    void lowerStripOpensCoBrandPage();
    void layout();
    void fonts_data();
    void fonts();

private:
    // The state the find command leaves: main window hidden, result window shown.
    frmDisplay& showResult();

    std::unique_ptr<TestProgram> test;
};

void tst_frmDisplay::init()
{
    test = std::make_unique<TestProgram>();
}

void tst_frmDisplay::cleanup()
{
    test.reset();
    flushDeferredDeletes();
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->windowTitle() + " leaked"));
}

frmDisplay& tst_frmDisplay::showResult()
{
    Program& program = test->program;
    program.frmMain.show();
    program.frmMain.hide();
    program.frmDisplay.show();
    auto& window = program.frmDisplay.as<frmDisplay>();
    if (!QTest::qWaitForWindowActive(&window))
        qWarning("result window did not become active");
    return window;
}

void tst_frmDisplay::leaving_data()
{
    QTest::addColumn<Action>("how");
    QTest::addColumn<bool>("wentBack");

    QTest::newRow("Esc") << key(Qt::Key_Escape) << false;
    QTest::newRow("Enter on opening") << key(Qt::Key_Return) << false;
    QTest::newRow("keypad Enter") << key(Qt::Key_Enter) << false;
    QTest::newRow("Tab then Enter") << keys({key(Qt::Key_Tab), key(Qt::Key_Return)}) << true;
    QTest::newRow("Tab then Esc") << keys({key(Qt::Key_Tab), key(Qt::Key_Escape)}) << false;
    QTest::newRow("Alt+B") << key(Qt::Key_B, Qt::AltModifier) << true;
    QTest::newRow("Alt+E") << key(Qt::Key_E, Qt::AltModifier) << false;
    QTest::newRow("Back button") << Action([](frmDisplay& w) { w.cmdBack->click(); }) << true;
    QTest::newRow("Exit button") << Action([](frmDisplay& w) { w.cmdExit->click(); }) << false;
    QTest::newRow("File, Back") << Action([](frmDisplay& w) { w.mnuFileBack->trigger(); }) << true;
    QTest::newRow("File, Exit") << Action([](frmDisplay& w) { w.mnuExit->trigger(); }) << false;
    QTest::newRow("close box") << Action([](frmDisplay& w) { w.close(); }) << false;
}

void tst_frmDisplay::leaving()
{
    QFETCH(Action, how);
    QFETCH(bool, wentBack);
    Program& program = test->program;
    int closeRuleRuns = 0;
    auto closeRule = program.closeRule;
    program.closeRule = [&] {
        ++closeRuleRuns;
        closeRule();
    };

    how(showResult());

    // Every way out unloads the window, and unloading runs the close rule.
    // (An access letter clicks its button after a short animation.)
    QTRY_VERIFY(!program.frmDisplay.isLoaded());
    QCOMPARE(closeRuleRuns, 1);
    QVERIFY(program.frmReferFriend.isLoaded());
    QCOMPARE(program.frmMain.form().isVisible(), wentBack);
    QCOMPARE(program.frmReferFriend.form().isVisible(), !wentBack);
    QCOMPARE(test->fakes.exit.ends, 0);
}

void tst_frmDisplay::focusStaysOnTheTwoButtons()
{
    frmDisplay& window = showResult();
    for (QWidget* child : window.findChildren<QWidget*>()) {
        const bool button = child == window.cmdExit || child == window.cmdBack;
        if (!button)
            QVERIFY2(!(child->focusPolicy() & Qt::TabFocus), child->metaObject()->className());
    }
    QCOMPARE(QApplication::focusWidget(), window.cmdExit);
    QTest::keyClick(&window, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window.cmdBack);
    QTest::keyClick(&window, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window.cmdExit);
}

void tst_frmDisplay::backKeepsMainWindowEntries()
{
    Program& program = test->program;
    auto& main = program.frmMain.as<frmMain>();
    main.txtName->setText(QStringLiteral("Ann Lee"));
    main.cboDate->setCurrentIndex(13);
    main.cboMonth->setCurrentIndex(6);
    main.cboYear->setCurrentIndex(85);
    const QStringList entered = {main.txtName->text(), main.cboDate->currentText(),
                                 main.cboMonth->currentText(), main.cboYear->currentText()};

    frmDisplay& window = showResult();
    QVERIFY(!main.isVisible());
    window.cmdBack->click();

    QVERIFY(program.frmMain.isLoaded());
    QCOMPARE(&program.frmMain.form(), &main);
    QVERIFY(main.isVisible());
    const QStringList after = {main.txtName->text(), main.cboDate->currentText(),
                               main.cboMonth->currentText(), main.cboYear->currentText()};
    QCOMPARE(after, entered);

    // The refer-a-friend window stays loaded, hidden, and comes back on a later close.
    QVERIFY(program.frmReferFriend.isLoaded());
    forms::Form* referFriend = &program.frmReferFriend.form();
    QVERIFY(!referFriend->isVisible());
    showResult().cmdExit->click();
    QCOMPARE(&program.frmReferFriend.form(), referFriend);
    QVERIFY(referFriend->isVisible());
}

void tst_frmDisplay::initialTexts_data()
{
    using Text = std::function<QString(frmDisplay&)>;
    QTest::addColumn<Text>("text");
    QTest::addColumn<QString>("expected");

    auto shown = [](forms::Label* frmDisplay::*label) {
        return Text([label](frmDisplay& w) { return (w.*label)->accessibleName(); });
    };
    QTest::newRow("lblDudizuSign")
        << shown(&frmDisplay::lblDudizuSign) << QStringLiteral("lblPowerSign");
    QTest::newRow("lblSignDesc") << shown(&frmDisplay::lblSignDesc) << InitialReading;
    QTest::newRow("Label3") << shown(&frmDisplay::Label3) << Description;
    QTest::newRow("lblFullBrand")
        << shown(&frmDisplay::lblFullBrand)
        << QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                          "money online. Get this software fully branded for your website. Click "
                          "here for more details.");
    QTest::newRow("lblCobrand shows one &")
        << shown(&frmDisplay::lblCobrand)
        << QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to "
                          "your site. Put your site's name &  link here. See \"Help\" for "
                          "details.Click Here for more info on co-branding.");
    QTest::newRow("Label61 ends with the site") << Text([](frmDisplay& w) {
        const QString text = w.Label61->accessibleName();
        return text.contains(QStringLiteral("discussion")) ? text.right(18) : text;
    }) << QStringLiteral("www.sorrelwick.com");
    QTest::newRow("cmdBack") << Text([](frmDisplay& w) { return w.cmdBack->text(); })
                             << QStringLiteral("&Back");
    QTest::newRow("cmdExit") << Text([](frmDisplay& w) { return w.cmdExit->text(); })
                             << QStringLiteral("&Exit");
    QTest::newRow("fraPowerSign") << Text([](frmDisplay& w) {
        return w.fraPowerSign->accessibleName();
    }) << QStringLiteral("Zorivi Astrology Sign");
}

void tst_frmDisplay::initialTexts()
{
    using Text = std::function<QString(frmDisplay&)>;
    QFETCH(Text, text);
    QFETCH(QString, expected);
    Program& program = test->program;

    QCOMPARE(text(program.frmDisplay.as<frmDisplay>()), expected);

    // A search writes the result labels; Back discards them, and the next
    // touch loads a fresh window with the initial texts again.
    frmDisplay* first = &showResult();
    first->lblDudizuSign->setCaption(QStringLiteral("Leo"));
    first->lblSignDesc->setCaption(QStringLiteral("another reading"));
    first->cmdBack->click();
    flushDeferredDeletes();
    QCOMPARE(text(program.frmDisplay.as<frmDisplay>()), expected);
}

void tst_frmDisplay::signLabelFitsName_data()
{
    QTest::addColumn<QString>("sign");
    QTest::newRow("short") << QStringLiteral("Leo");
    QTest::newRow("long") << QStringLiteral("Sagittarius");
    QTest::newRow("middle") << QStringLiteral("Pisces");
    QTest::newRow("empty") << QString();
}

void tst_frmDisplay::signLabelFitsName()
{
    QFETCH(QString, sign);
    frmDisplay& window = showResult();
    forms::Label* label = window.lblDudizuSign;
    const QRect before = label->geometry();

    label->setCaption(sign);

    QCOMPARE(label->x(), forms::toPixels(3000));
    QCOMPARE(label->y(), before.y());
    const int needed = label->fontMetrics().horizontalAdvance(sign);
    QVERIFY2(label->width() >= needed && label->width() <= needed + 4,
             qPrintable(
                 QStringLiteral("width %1 for %2 pixels of text").arg(label->width()).arg(needed)));
    QVERIFY(window.fraPowerSign->rect().contains(label->geometry()));
}

void tst_frmDisplay::links_data()
{
    QTest::addColumn<Action>("how");
    QTest::addColumn<QString>("address");

    const QString help = QStringLiteral("http://help.sorrelwick.com");
    const QString product = QStringLiteral("http://tolvane.sorrelwick.com");
    auto click = [](forms::Label* frmDisplay::*label) {
        return Action([label](frmDisplay& w) { QTest::mouseClick(w.*label, Qt::LeftButton); });
    };
    auto choose = [](QAction* frmDisplay::*entry) {
        return Action([entry](frmDisplay& w) { (w.*entry)->trigger(); });
    };

    QTest::newRow("Help, Online Help")
        << choose(&frmDisplay::mnuOnline) << product + QStringLiteral("/tolvane-help.html");
    QTest::newRow("Help, Visit Us Online")
        << choose(&frmDisplay::mnuVisit) << QStringLiteral("http://www.sorrelwick.com");
    QTest::newRow("Help, Check for Software Update")
        << choose(&frmDisplay::mnuUpdate) << product + QStringLiteral("/download-tolvane.html");
    QTest::newRow("Donate") << choose(&frmDisplay::mnuDonate)
                            << help + QStringLiteral("/donate.html");
    QTest::newRow("Alt+D") << key(Qt::Key_D, Qt::AltModifier)
                           << help + QStringLiteral("/donate.html");
    QTest::newRow("Make Money Online")
        << choose(&frmDisplay::mnuMakeMoneyOnline) << help + QStringLiteral("/fully-branded.html");
    QTest::newRow("Label61") << click(&frmDisplay::Label61)
                             << QStringLiteral("http://www.sorrelwick.com");
    QTest::newRow("lblCobrand") << click(&frmDisplay::lblCobrand)
                                << help + QStringLiteral("/co-brand.html");
    QTest::newRow("lblFullBrand") << click(&frmDisplay::lblFullBrand)
                                  << help + QStringLiteral("/fully-branded.html");
}

void tst_frmDisplay::links()
{
    QFETCH(Action, how);
    QFETCH(QString, address);
    frmDisplay& window = showResult();

    how(window);
    how(window);

    // Each choice opens the page once more; the window stays as it was.
    QCOMPARE(test->fakes.browser.opened, QStringList({address, address}));
    QVERIFY(test->program.frmDisplay.isLoaded());
    QVERIFY(window.isVisible());
}

void tst_frmDisplay::lowerStripOpensCoBrandPage()
{
    frmDisplay& window = showResult();
    const QRect offer = window.lblFullBrand->geometry();
    QCOMPARE(window.lblCobrand->geometry(), offer);

    // Whatever point of the offer is clicked, the co-brand label is hit.
    const QList<QPoint> points = {offer.topLeft(), offer.topRight(), offer.center(),
                                  offer.bottomLeft(), offer.bottomRight()};
    for (const QPoint& point : points) {
        QWidget* hit = window.Frame5->childAt(point);
        QCOMPARE(hit, window.lblCobrand);
        QTest::mouseClick(hit, Qt::LeftButton, {}, hit->mapFrom(window.Frame5, point));
    }
    QCOMPARE(
        test->fakes.browser.opened,
        QStringList(points.size(), QStringLiteral("http://help.sorrelwick.com/co-brand.html")));
}

void tst_frmDisplay::layout()
{
    frmDisplay& window = showResult();
    QCOMPARE(window.clientArea()->size(), QSize(497, 368));
    QVERIFY(window.menuBar()->isVisible());
    QVERIFY(!window.mnuMakeMoneyOnline->isVisible());

    // Each panel holds its own controls, all inside it.
    const QList<std::pair<QWidget*, QList<QWidget*>>> panels = {
        {window.Frame2, {window.Label61}},
        {window.Frame5, {window.lblFullBrand, window.lblCobrand}},
        {window.fraPowerSign, {window.Label3, window.lblSignDesc, window.lblDudizuSign}},
    };
    const QRect client = window.clientArea()->rect();
    for (const auto& [panel, controls] : panels) {
        const QRect area = panel->geometry();
        QVERIFY(area.left() == client.left() && area.right() == client.right());
        QVERIFY(area.top() >= client.top() && area.top() < client.bottom());
        for (QWidget* control : controls) {
            QCOMPARE(control->parentWidget(), panel);
            QVERIFY2(panel->rect().contains(control->geometry()),
                     qPrintable(control->accessibleName()));
        }
    }

    // Three bands: dark strip, sign panel, buttons, dark strip (reaching the
    // bottom edge), top to bottom.
    QVERIFY(window.Frame2->geometry().bottom() < window.fraPowerSign->geometry().bottom());
    QVERIFY(window.fraPowerSign->geometry().bottom() < window.cmdExit->geometry().top());
    QVERIFY(window.cmdExit->geometry().bottom() < window.Frame5->geometry().top());
    QVERIFY(window.Frame5->geometry().bottom() >= client.bottom());
    QCOMPARE(window.cmdBack->geometry().right(), client.right());

    // Fixed texts fit their boxes without being cut off.
    for (forms::Label* label : {window.Label3, window.lblSignDesc, window.Label61,
                                window.lblFullBrand, window.lblCobrand}) {
        QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                 qPrintable(label->accessibleName()));
    }
}

void tst_frmDisplay::fonts_data()
{
    using Widget = std::function<QWidget*(frmDisplay&)>;
    QTest::addColumn<Widget>("widget");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("underlined");
    QTest::addColumn<QColor>("textColour");

    const QColor orange(255, 128, 0);
    const QColor purple(128, 0, 128);
    QTest::newRow("cmdBack") << Widget([](frmDisplay& w) { return w.cmdBack; }) << 8.25 << false
                             << QColor();
    QTest::newRow("cmdExit") << Widget([](frmDisplay& w) { return w.cmdExit; }) << 8.25 << false
                             << QColor();
    QTest::newRow("Label61") << Widget([](frmDisplay& w) { return w.Label61; }) << 9.0 << true
                             << orange;
    QTest::newRow("lblFullBrand") << Widget([](frmDisplay& w) { return w.lblFullBrand; }) << 8.25
                                  << true << orange;
    QTest::newRow("lblCobrand") << Widget([](frmDisplay& w) { return w.lblCobrand; }) << 8.25
                                << true << orange;
    QTest::newRow("Label3") << Widget([](frmDisplay& w) { return w.Label3; }) << 8.25 << false
                            << purple;
    QTest::newRow("lblSignDesc") << Widget([](frmDisplay& w) { return w.lblSignDesc; }) << 8.25
                                 << false << purple;
    QTest::newRow("lblDudizuSign") << Widget([](frmDisplay& w) { return w.lblDudizuSign; }) << 9.0
                                   << false << QColor(Qt::white);
}

void tst_frmDisplay::fonts()
{
    using Widget = std::function<QWidget*(frmDisplay&)>;
    QFETCH(Widget, widget);
    QFETCH(double, points);
    QFETCH(bool, underlined);
    QFETCH(QColor, textColour);
    QWidget* control = widget(showResult());

    // The font in use, not just the one asked for.
    const QFontInfo used(control->font());
    QVERIFY(used.bold());
    QCOMPARE(used.underline(), underlined);
    QCOMPARE(control->font().pointSizeF(), points);
    QVERIFY(used.pixelSize() >= qFloor(points * 96 / 72) - 1);
    if (textColour.isValid())
        QCOMPARE(control->palette().color(QPalette::WindowText), textColour);
}

QTEST_MAIN(tst_frmDisplay)
#include "tst_frmdisplay.moc"
