// The result window: the ways out, Back, the sign label, the links, the layout.

#include "TestSupport.h"
#include "frmDisplay.h"
#include "frmMain.h"

#include <QApplication>
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

Action keys(QList<Qt::Key> keys, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    return [=](frmDisplay& window) {
        for (Qt::Key key : keys)
            QTest::keyClick(&window, key, modifiers);
    };
}

} // namespace

Q_DECLARE_METATYPE(Action)

class tst_frmDisplay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { test = std::make_unique<TestProgram>(); }
    void cleanup();

    void leaving_data();
    void leaving();
    void backKeepsEntriesAndStartsAfresh();
    void signLabelFitsName_data();
    void signLabelFitsName();
    void links_data();
    void links();
    void layout();

private:
    // As the find command leaves it: main window hidden, result window shown.
    frmDisplay& showResult()
    {
        test->program.frmMain.show();
        test->program.frmMain.hide();
        test->program.frmDisplay.show();
        auto& window = test->program.frmDisplay.as<frmDisplay>();
        if (!QTest::qWaitForWindowActive(&window))
            qWarning("result window not active");
        return window;
    }

    std::unique_ptr<TestProgram> test;
};

void tst_frmDisplay::cleanup()
{
    test.reset();
    flushDeferredDeletes();
    for (QWidget* window : QApplication::topLevelWidgets())
        QVERIFY2(!window->isVisible(), qPrintable(window->windowTitle() + " leaked"));
}

void tst_frmDisplay::leaving_data()
{
    QTest::addColumn<Action>("how");
    QTest::addColumn<bool>("wentBack");

    QTest::newRow("Esc") << keys({Qt::Key_Escape}) << false;
    QTest::newRow("Enter on opening") << keys({Qt::Key_Return}) << false;
    QTest::newRow("Tab then Enter") << keys({Qt::Key_Tab, Qt::Key_Return}) << true;
    QTest::newRow("Tab then Esc") << keys({Qt::Key_Tab, Qt::Key_Escape}) << false;
    QTest::newRow("Tab Tab Enter") << keys({Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return}) << false;
    QTest::newRow("Alt+B") << keys({Qt::Key_B}, Qt::AltModifier) << true;
    QTest::newRow("Alt+E") << keys({Qt::Key_E}, Qt::AltModifier) << false;
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
    program.closeRule = [&, rule = program.closeRule] {
        ++closeRuleRuns;
        rule();
    };

    how(showResult());

    // Every way out unloads the window, which runs the close rule once. (An
    // access letter clicks its button after a short animation.)
    QTRY_VERIFY(!program.frmDisplay.isLoaded());
    QCOMPARE(closeRuleRuns, 1);
    QVERIFY(program.frmReferFriend.isLoaded());
    QCOMPARE(program.frmMain.form().isVisible(), wentBack);
    QCOMPARE(program.frmReferFriend.form().isVisible(), !wentBack);
    QCOMPARE(test->fakes.exit.ends, 0);
}

void tst_frmDisplay::backKeepsEntriesAndStartsAfresh()
{
    Program& program = test->program;
    auto& main = program.frmMain.as<frmMain>();
    main.txtName->setText(QStringLiteral("Ann Lee"));
    main.cboDate->setCurrentIndex(13);
    main.cboMonth->setCurrentIndex(6);
    main.cboYear->setCurrentIndex(85);
    auto entries = [&main] {
        return QStringList{main.txtName->text(), main.cboDate->currentText(),
                           main.cboMonth->currentText(), main.cboYear->currentText()};
    };
    const QStringList entered = entries();
    frmDisplay& first = showResult();
    first.lblDudizuSign->setCaption(QStringLiteral("Leo"));
    first.lblSignDesc->setCaption(QStringLiteral("another reading"));

    first.cmdBack->click();

    QCOMPARE(&program.frmMain.form(), &main);
    QVERIFY(main.isVisible());
    QCOMPARE(entries(), entered);
    QVERIFY(program.frmReferFriend.isLoaded());
    forms::Form* referFriend = &program.frmReferFriend.form();
    QVERIFY(!referFriend->isVisible());

    // The next search gets a fresh window with the initial texts...
    flushDeferredDeletes();
    frmDisplay& second = showResult();
    QCOMPARE(second.lblDudizuSign->caption(), QStringLiteral("lblPowerSign"));
    QCOMPARE(second.lblSignDesc->caption(), InitialReading);
    // ...and a later close shows the same refer-a-friend window again.
    second.cmdExit->click();
    QCOMPARE(&program.frmReferFriend.form(), referFriend);
    QVERIFY(referFriend->isVisible());
}

void tst_frmDisplay::signLabelFitsName_data()
{
    QTest::addColumn<QString>("sign");
    QTest::newRow("short") << QStringLiteral("Leo");
    QTest::newRow("long") << QStringLiteral("Sagittarius");
    QTest::newRow("empty") << QString();
}

void tst_frmDisplay::signLabelFitsName()
{
    QFETCH(QString, sign);
    forms::Label* label = showResult().lblDudizuSign;
    const int top = label->y();

    label->setCaption(sign);

    QCOMPARE(label->pos(), QPoint(forms::toPixels(3000), top));
    const int needed = label->fontMetrics().horizontalAdvance(sign);
    QVERIFY2(label->width() >= needed && label->width() <= needed + 4,
             qPrintable(QStringLiteral("%1 px for %2 px of text").arg(label->width()).arg(needed)));
}

void tst_frmDisplay::links_data()
{
    QTest::addColumn<Action>("how");
    QTest::addColumn<QString>("address");

    const QString help = QStringLiteral("http://help.sorrelwick.com");
    const QString product = QStringLiteral("http://tolvane.sorrelwick.com");
    const QString home = QStringLiteral("http://www.sorrelwick.com");
    auto click = [](forms::Label* frmDisplay::*label) {
        return Action([label](frmDisplay& w) { QTest::mouseClick(w.*label, Qt::LeftButton); });
    };
    auto choose = [](QAction* frmDisplay::*entry) {
        return Action([entry](frmDisplay& w) { (w.*entry)->trigger(); });
    };

    QTest::newRow("Online Help") << choose(&frmDisplay::mnuOnline)
                                 << product + QStringLiteral("/tolvane-help.html");
    QTest::newRow("Visit Us Online") << choose(&frmDisplay::mnuVisit) << home;
    QTest::newRow("Check for Software Update")
        << choose(&frmDisplay::mnuUpdate) << product + QStringLiteral("/download-tolvane.html");
    QTest::newRow("Donate") << choose(&frmDisplay::mnuDonate)
                            << help + QStringLiteral("/donate.html");
    QTest::newRow("Alt+D") << keys({Qt::Key_D}, Qt::AltModifier)
                           << help + QStringLiteral("/donate.html");
    QTest::newRow("Make Money Online")
        << choose(&frmDisplay::mnuMakeMoneyOnline) << help + QStringLiteral("/fully-branded.html");
    QTest::newRow("Label61") << click(&frmDisplay::Label61) << home;
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

    // Each choice opens the page again; the window stays as it was.
    QCOMPARE(test->fakes.browser.opened, QStringList({address, address}));
    QVERIFY(window.isVisible());
}

void tst_frmDisplay::layout()
{
    frmDisplay& window = showResult();
    const QRect client = window.clientArea()->rect();
    QCOMPARE(client.size(), QSize(497, 368));

    // Three bands: dark strip, sign panel, the buttons, dark strip to the bottom edge.
    QVERIFY(window.Frame2->geometry().bottom() < window.fraPowerSign->geometry().bottom());
    QVERIFY(window.fraPowerSign->geometry().bottom() < window.cmdExit->geometry().top());
    QVERIFY(window.cmdExit->geometry().bottom() < window.Frame5->geometry().top());
    QVERIFY(window.Frame5->geometry().bottom() >= client.bottom());
    QCOMPARE(window.cmdBack->geometry().right(), client.right());

    // Each label lies inside its panel, shows its whole text, in its own font;
    // only the two buttons take the focus.
    struct Expected {
        forms::Label* label;
        QWidget* panel;
        double points;
        bool underlined;
    };
    const Expected labels[] = {{window.Label61, window.Frame2, 9, true},
                               {window.lblFullBrand, window.Frame5, 8.25, true},
                               {window.lblCobrand, window.Frame5, 8.25, true},
                               {window.Label3, window.fraPowerSign, 8.25, false},
                               {window.lblSignDesc, window.fraPowerSign, 8.25, false},
                               {window.lblDudizuSign, window.fraPowerSign, 9, false}};
    for (const Expected& e : labels) {
        const char* text = qPrintable(e.label->accessibleName());
        QCOMPARE(e.label->parentWidget(), e.panel);
        QVERIFY2(e.panel->rect().contains(e.label->geometry()), text);
        QVERIFY2(e.label->heightForWidth(e.label->width()) <= e.label->height(), text);
        const QFontInfo used(e.label->font());
        QVERIFY2(used.bold() && used.underline() == e.underlined, text);
        QVERIFY2(qAbs(used.pointSizeF() - e.points) < 0.6, text);
        QCOMPARE(e.label->focusPolicy(), Qt::NoFocus);
    }
    QVERIFY(QFontInfo(window.cmdBack->font()).bold());
    QCOMPARE(QApplication::focusWidget(), window.cmdExit);

    // The co-brand offer covers the other one: every point of it hits lblCobrand.
    const QRect offer = window.lblFullBrand->geometry();
    QCOMPARE(window.lblCobrand->geometry(), offer);
    for (const QPoint& point : {offer.topLeft(), offer.center(), offer.bottomRight()})
        QCOMPARE(window.Frame5->childAt(point), window.lblCobrand);
    QCOMPARE(window.lblCobrand->accessibleName(),
             QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic "
                            "to your site. Put your site's name &  link here. See \"Help\" for "
                            "details.Click Here for more info on co-branding."));
}

QTEST_MAIN(tst_frmDisplay)
#include "tst_frmdisplay.moc"
