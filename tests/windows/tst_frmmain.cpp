// The main window driven as a user would: typing, checks, searching, leaving,
// following links; and its layout.

#include "SignReadings.h"
#include "TestSupport.h"
#include "frmDisplay.h"
#include "frmMain.h"

#include <QApplication>
#include <QTest>

#include <functional>
#include <memory>

using Act = std::function<void(frmMain&)>;
Q_DECLARE_METATYPE(Act)

namespace
{

const QString NameMsg = "Please Enter Your Name", Letters = "Please Enter only Letters";

template <typename T> Act key(T* frmMain::*target, Qt::Key key, Qt::KeyboardModifiers mods = {})
{
    return [=](frmMain& w) {
        (w.*target)->setFocus();
        QTest::keyClick(w.*target, key, mods);
    };
}

// Chooses a menu entry or clicks a control.
template <typename T> Act use(T* frmMain::*control)
{
    return [control](frmMain& w) {
        if constexpr (std::is_same_v<T, QAction>)
            (w.*control)->trigger();
        else
            QTest::mouseClick(w.*control, Qt::LeftButton);
    };
}

} // namespace

class tst_frmMain : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestProgram> tp;
    frmMain* w = nullptr;
    int closeRules = 0;

    // Picks `date` ("day month year") as the user sees it and presses the find button.
    void find(const QString& date)
    {
        w->cboDate->setCurrentText(date.section(' ', 0, 0));
        w->cboMonth->setCurrentText(date.section(' ', 1, 1));
        w->cboYear->setCurrentText(date.section(' ', 2, 2));
        QTest::mouseClick(w->cmdNext, Qt::LeftButton);
    }

private Q_SLOTS:
    void init()
    {
        closeRules = 0;
        tp = std::make_unique<TestProgram>();
        tp->program.frmMain.show();
        w = &tp->program.frmMain.as<frmMain>();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

    void cleanup()
    {
        tp.reset();
        flushDeferredDeletes();
        QCOMPARE(visibleWindows(), QStringList());
    }

    void checks_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("messages");
        const QString feb = "Please Enter Correct Date Or Month!";
        const QString day31 = "Please Enter Correct Date Or Month !";
        // clang-format off
        QTest::newRow("no name, 31 April") << "" << "31 April 1950" << "" << QStringList{NameMsg};
        QTest::newRow("7, no name") << "7" << "1 May 1961" << "" << QStringList{Letters, NameMsg};
        QTest::newRow("blanks are a name") << "   " << "31 July 1950" << "   " << QStringList();
        QTest::newRow("29 Feb 1900 is leap") << "A" << "29 February 1900" << "A" << QStringList();
        QTest::newRow("29 Feb 1999") << "A" << "29 February 1999" << "A" << QStringList{feb};
        QTest::newRow("31 Feb 2000") << "A" << "31 February 2000" << "A" << QStringList{feb};
        QTest::newRow("30 April") << "A" << "30 April 1960" << "A" << QStringList();
        QTest::newRow("31 September") << "A" << "31 September 1944" << "A" << QStringList{day31};
        // clang-format on
    }

    void checks()
    {
        QFETCH(QString, typed);
        QFETCH(QString, date);
        QFETCH(QString, name);
        QFETCH(QStringList, messages);
        QTest::keyClicks(w->txtName, typed);
        QCOMPARE(w->txtName->text(), name);
        find(date);
        QCOMPARE(tp->fakes.messages.texts(), messages);
        const bool searched = messages.isEmpty() || messages.last() == Letters;
        QCOMPARE(tp->program.frmDisplay.isLoaded(), searched);
        // Only the name message moves the focus.
        if (!searched)
            QCOMPARE(QApplication::focusWidget(),
                     messages.last() == NameMsg ? (QWidget*)w->txtName : w->cmdNext);
    }

    void actions_data()
    {
        QTest::addColumn<Act>("act");
        QTest::addColumn<QString>("outcome"); // "search", "exit" or the page opened
        const QString help = "http://help.sorrelwick.com/", www = "http://www.sorrelwick.com";
        const QString product = "http://tolvane.sorrelwick.com/",
                      full = help + "fully-branded.html";
        // clang-format off
        QTest::newRow("Enter on find button") << key(&frmMain::cmdNext, Qt::Key_Return) << "search";
        QTest::newRow("Alt+V") << key(&frmMain::cboMonth, Qt::Key_V, Qt::AltModifier) << "search";
        QTest::newRow("Enter in name box") << key(&frmMain::txtName, Qt::Key_Return) << "exit";
        QTest::newRow("Esc") << key(&frmMain::cmdNext, Qt::Key_Escape) << "exit";
        QTest::newRow("Label61") << use(&frmMain::Label61) << www;
        QTest::newRow("lblCobrand") << use(&frmMain::lblCobrand) << help + "co-brand.html";
        QTest::newRow("lblFullBrand") << use(&frmMain::lblFullBrand) << full;
        QTest::newRow("mnuOnline") << use(&frmMain::mnuOnline) << product + "tolvane-help.html";
        QTest::newRow("mnuVisit") << use(&frmMain::mnuVisit) << www;
        QTest::newRow("mnuUpdate") << use(&frmMain::mnuUpdate) << product + "download-tolvane.html";
        QTest::newRow("mnuDonate") << use(&frmMain::mnuDonate) << help + "donate.html";
        QTest::newRow("mnuMakeMoneyOnline") << use(&frmMain::mnuMakeMoneyOnline) << full;
        // clang-format on
    }

    void actions()
    {
        QFETCH(Act, act);
        QFETCH(QString, outcome);
        tp->program.closeRule = [this] { ++closeRules; };
        w->txtName->setText("Al");
        act(*w);
        // An access letter presses its button a moment later.
        QTRY_COMPARE(tp->program.frmDisplay.isLoaded(), outcome == "search");
        QCOMPARE(tp->program.frmMain.isLoaded(), outcome != "exit");
        QCOMPARE(closeRules, outcome == "exit" ? 1 : 0);
        QCOMPARE(tp->fakes.browser.opened, QStringList(outcome.startsWith("http"), outcome));
        QVERIFY(tp->fakes.messages.shown.isEmpty());
    }

    void searchBackAndSearchAgain()
    {
        // Each search shows only its own sign and reading.
        QTest::keyClicks(w->txtName, "Mia");
        for (const QString search : {"17 October 1937 Aries", "3 February 1983 Gemini"}) {
            const QString date = search.section(' ', 0, 2), sign = search.section(' ', 3);
            find(date);
            auto& display = tp->program.frmDisplay.as<frmDisplay>();
            QVERIFY(!w->isVisible() && display.isVisible());
            QCOMPARE(display.lblDudizuSign->caption(), sign);
            const std::string_view reading = GetSignReading(sign.toStdString()).value_or("");
            QCOMPARE(display.lblSignDesc->caption(), QString::fromUtf8(reading));
            display.cmdBack_Click();
            flushDeferredDeletes();
            QVERIFY(w->isVisible() && !tp->program.frmDisplay.isLoaded());
        }
    }

    void layout()
    {
        QCOMPARE(w->clientArea()->size(), QSize(499, 394));
        QVERIFY(QApplication::focusWidget() == w->txtName && w->txtName->text().isEmpty());
        // The lists: count, first and last entry.
        for (auto [box, entries] : {std::pair{w->cboDate, "31 1..31"},
                                    {w->cboMonth, "12 January..December"},
                                    {w->cboYear, "113 1900..2012"}})
            QCOMPARE(QString::number(box->count()) + ' ' + box->itemText(0) + ".." +
                         box->itemText(box->count() - 1),
                     entries);
        // The lists show the window's blue behind their text.
        for (QComboBox* list : {w->cboDate, w->cboMonth, w->cboYear})
            QCOMPARE(list->grab().toImage().pixelColor(list->width() / 2, 2), QColor(62, 189, 238));
        // Every control lies inside its panel.
        for (QFrame* panel : {w->Frame2, w->Frame1, w->Picture1, w->Frame5})
            for (QWidget* c : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                QVERIFY2(panel->rect().contains(c->geometry()), qPrintable(c->accessibleName()));
        // lblCobrand lies in front at first, and "&&" shows as one "&".
        QCOMPARE(w->Frame5->childAt(w->lblFullBrand->geometry().center()), w->lblCobrand);
        QVERIFY(w->lblCobrand->text().contains("name &  link here."));
        // Fonts: points, "b" when bold.
        for (auto [c, font] : {std::pair<QWidget*, QString>{w, "8.25"},
                               {w->Label61, "9b"},
                               {w->cmdNext, "9b"},
                               {w->Label7, "8.25"}})
            QCOMPARE(QString::number(c->font().pointSizeF()) + (c->font().bold() ? "b" : ""), font);
    }
};

QTEST_MAIN(tst_frmMain)
#include "tst_frmmain.moc"
