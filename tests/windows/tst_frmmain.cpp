// The main window driven as a user would: typing, picking a date, searching,
// leaving, following links; and its layout.

#include "SignReadings.h"
#include "TestSupport.h"
#include "WebAddresses.h"
#include "frmDisplay.h"
#include "frmMain.h"
#include "modPlanetSign.h"

#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <QTimer>

using Msg = platform::MessageBoxes;

namespace
{

const QString NameMsg = "Please Enter Your Name";

frmMain& openMain(TestProgram& tp)
{
    tp.program.frmMain.show();
    auto& w = tp.program.frmMain.as<frmMain>();
    [[maybe_unused]] const bool active = QTest::qWaitForWindowActive(&w);
    return w;
}

// `date` as "day month year", picked as the user would see it.
void pickDate(frmMain& w, const QString& date)
{
    const QStringList d = date.split(' ');
    w.cboDate->setCurrentIndex(w.cboDate->findText(d[0]));
    w.cboMonth->setCurrentIndex(w.cboMonth->findText(d[1]));
    w.cboYear->setCurrentIndex(w.cboYear->findText(d[2]));
}

QString readingOf(const QString& sign)
{
    const auto reading = GetSignReading(sign.toStdString());
    return reading ? QString::fromUtf8(reading->data(), qsizetype(reading->size())) : QString();
}

frmDisplay& display(TestProgram& tp)
{
    return tp.program.frmDisplay.as<frmDisplay>();
}

} // namespace

class tst_frmMain : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { modPlanetSign::CurrentSign.clear(); }

    void cleanup()
    {
        flushDeferredDeletes();
        for (QWidget* top : QApplication::topLevelWidgets())
            QVERIFY2(!top->isVisible(), top->metaObject()->className());
    }

    void opensWithNameFocusedAndTabOrder()
    {
        TestProgram tp;
        frmMain& w = openMain(tp);
        QTRY_COMPARE(QApplication::focusWidget(), w.txtName);
        QVERIFY(w.txtName->text().isEmpty());
        for (QWidget* next :
             QWidgetList{w.cboDate, w.cboMonth, w.cboYear, w.cmdNext, w.cmdExit, w.txtName}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }
    }

    void lists_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<QStringList>("entries");
        QStringList days, years;
        for (int d = 1; d <= 31; ++d)
            days << QString::number(d);
        for (int y = 1900; y <= 2012; ++y)
            years << QString::number(y);
        QTest::newRow("cboDate") << 0 << days;
        QTest::newRow("cboMonth") << 1
                                  << QStringList{"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};
        QTest::newRow("cboYear") << 2 << years;
    }

    void lists()
    {
        QFETCH(int, list);
        QFETCH(QStringList, entries);
        TestProgram tp;
        frmMain& w = openMain(tp);
        QComboBox* box = QList<QComboBox*>{w.cboDate, w.cboMonth, w.cboYear}[list];
        QStringList shown;
        for (int i = 0; i < box->count(); ++i)
            shown << box->itemText(i);
        QCOMPARE(shown, entries);
        QCOMPARE(box->currentIndex(), 0);
        QVERIFY(!box->isEditable());
        // Typing picks an entry; it never adds one.
        box->setFocus();
        QTest::keyClicks(box, "9x");
        QCOMPARE(box->count(), entries.size());
    }

    void typing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("refused");
        // clang-format off
        QTest::newRow("letters then a digit") << "ab1" << "AB" << 1;
        QTest::newRow("capitals and blanks") << "Jo Ann" << "JO ANN" << 0;
        QTest::newRow("punctuation between") << "a-b.c" << "ABC" << 2;
        QTest::newRow("around the alphabet") << "@[`{z" << "Z" << 4;
        QTest::newRow("tilde and quote") << "~q'" << "Q" << 2;
        // clang-format on
    }

    void typing()
    {
        QFETCH(QString, typed);
        QFETCH(QString, name);
        QFETCH(int, refused);
        TestProgram tp;
        frmMain& w = openMain(tp);
        QTest::keyClicks(w.txtName, typed);
        QCOMPARE(w.txtName->text(), name);
        QCOMPARE(tp.fakes.messages.texts(), QStringList(refused, "Please Enter only Letters"));
        for (const auto& box : tp.fakes.messages.shown)
            QVERIFY(box.icon == Msg::Icon::Information && box.buttons == Msg::Buttons::Ok &&
                    box.title == "Tolvane");
        QTest::keyClick(w.txtName, Qt::Key_Backspace);
        QCOMPARE(w.txtName->text(), name.chopped(1));
        QCOMPARE(tp.fakes.messages.shown.size(), refused);
    }

    void checks_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("message"); // empty: the search runs
        const QString feb = "Please Enter Correct Date Or Month!";
        const QString day31 = "Please Enter Correct Date Or Month !";
        // clang-format off
        QTest::newRow("no name beats 31 April") << "" << "31 April 1950" << NameMsg;
        QTest::newRow("blanks are a name") << "   " << "31 May 1950" << "";
        QTest::newRow("29 Feb 1900 counts as leap") << "A" << "29 February 1900" << "";
        QTest::newRow("29 Feb 2012") << "A" << "29 February 2012" << "";
        QTest::newRow("29 Feb 1999") << "A" << "29 February 1999" << feb;
        QTest::newRow("30 Feb 2000") << "A" << "30 February 2000" << feb;
        QTest::newRow("31 Feb 1901") << "A" << "31 February 1901" << feb;
        QTest::newRow("30 April") << "A" << "30 April 1960" << "";
        QTest::newRow("31 June") << "A" << "31 June 1960" << day31;
        QTest::newRow("31 September") << "A" << "31 September 1944" << day31;
        QTest::newRow("31 November") << "A" << "31 November 1978" << day31;
        QTest::newRow("31 October") << "A" << "31 October 1978" << "";
        // clang-format on
    }

    void checks()
    {
        QFETCH(QString, name);
        QFETCH(QString, date);
        QFETCH(QString, message);
        TestProgram tp;
        frmMain& w = openMain(tp);
        w.txtName->setText(name);
        pickDate(w, date);
        QTest::mouseClick(w.cmdNext, Qt::LeftButton);
        QCOMPARE(tp.fakes.messages.texts(),
                 message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(w.isVisible(), !message.isEmpty());
        QCOMPARE(tp.program.frmDisplay.isLoaded(), message.isEmpty());
        if (message.isEmpty())
            return;
        QCOMPARE(tp.fakes.messages.shown[0].icon, Msg::Icon::Information);
        // Only the name message moves the focus.
        QCOMPARE(QApplication::focusWidget(),
                 message == NameMsg ? static_cast<QWidget*>(w.txtName) : w.cmdNext);
    }

    void commands_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("outcome");
        // clang-format off
        for (const char* how : {"find button", "Enter on find button", "Alt+V", "File Find"}) {
            QTest::addRow("%s without name", how) << how << "" << "name message";
            QTest::addRow("%s", how) << how << "Al" << "search";
        }
        for (const char* how : {"Enter in name box", "Enter on a list", "Esc in name box",
                                "Esc on find button", "Alt+E", "Exit button", "File Exit",
                                "close box"})
            QTest::newRow(how) << how << "Al" << "exit";
        // clang-format on
    }

    void commands()
    {
        QFETCH(QString, how);
        QFETCH(QString, name);
        QFETCH(QString, outcome);
        TestProgram tp;
        int closeRules = 0;
        tp.program.closeRule = [&closeRules] { ++closeRules; };
        frmMain& w = openMain(tp);
        QTest::keyClicks(w.txtName, name);
        const auto key = [](QWidget* target, Qt::Key key, Qt::KeyboardModifiers mods = {}) {
            target->setFocus();
            QTest::keyClick(target, key, mods);
        };
        const QHash<QString, std::function<void()>> act = {
            {"find button", [&] { QTest::mouseClick(w.cmdNext, Qt::LeftButton); }},
            {"Enter on find button", [&] { key(w.cmdNext, Qt::Key_Return); }},
            {"Alt+V", [&] { key(w.cboMonth, Qt::Key_V, Qt::AltModifier); }},
            {"File Find", [&] { w.mnuFindPowerSign->trigger(); }},
            {"Enter in name box", [&] { key(w.txtName, Qt::Key_Return); }},
            {"Enter on a list", [&] { key(w.cboYear, Qt::Key_Enter); }},
            {"Esc in name box", [&] { key(w.txtName, Qt::Key_Escape); }},
            {"Esc on find button", [&] { key(w.cmdNext, Qt::Key_Escape); }},
            {"Alt+E", [&] { key(w.txtName, Qt::Key_E, Qt::AltModifier); }},
            {"Exit button", [&] { QTest::mouseClick(w.cmdExit, Qt::LeftButton); }},
            {"File Exit", [&] { w.mnuExit->trigger(); }},
            {"close box", [&] { w.close(); }}};
        QVERIFY(act.contains(how));
        act[how]();
        // An access letter presses its button a moment later.
        QTRY_COMPARE(tp.program.frmMain.isLoaded(), outcome != "exit");
        QCOMPARE(closeRules, outcome == "exit" ? 1 : 0);
        QCOMPARE(tp.fakes.messages.texts(),
                 outcome == "name message" ? QStringList{NameMsg} : QStringList());
        QCOMPARE(tp.program.frmDisplay.isLoaded(), outcome == "search");
        if (outcome == "search")
            QVERIFY(!w.isVisible() && display(tp).isVisible());
    }

    void searchesInARow()
    {
        // Each search goes to the result window and back; every one shows only
        // its own sign and reading.
        const QStringList searches = {"25 September 1908 Aquarius", "14 September 1928 Pisces",
                                      "15 March 1929 Aries",        "22 February 1960 Taurus",
                                      "4 July 1969 Gemini",         "9 August 1992 Cancer"};
        TestProgram tp;
        frmMain& w = openMain(tp);
        QTest::keyClicks(w.txtName, "Mia");
        for (const QString& search : searches) {
            const QString date = search.section(' ', 0, 2), sign = search.section(' ', 3);
            pickDate(w, date);
            QTest::mouseClick(w.cmdNext, Qt::LeftButton);
            QVERIFY(tp.fakes.messages.shown.isEmpty());
            QVERIFY(tp.program.frmMain.isLoaded() && !w.isVisible());
            QVERIFY(tp.program.frmReferFriend.isLoaded());
            QVERIFY(!tp.program.frmReferFriend.form().isVisible());
            QVERIFY(display(tp).isVisible());
            QCOMPARE(display(tp).lblDudizuSign->caption(), sign);
            QVERIFY(!readingOf(sign).isEmpty());
            QCOMPARE(display(tp).lblSignDesc->caption(), readingOf(sign));
            display(tp).cmdBack_Click();
            flushDeferredDeletes();
            QVERIFY(w.isVisible());
            QCOMPARE(w.txtName->text() + ' ' + w.cboDate->currentText() + ' ' +
                         w.cboMonth->currentText() + ' ' + w.cboYear->currentText(),
                     "MIA " + date);
        }
    }

    void failedLookupKeepsTheSignBefore_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<bool>("keepsReading");
        QTest::newRow("Leo has an empty reading") << "Leo" << false;
        QTest::newRow("case differs") << "leo" << true;
        QTest::newRow("nothing found yet") << "" << true;
    }

    void failedLookupKeepsTheSignBefore()
    {
        // A year text the lookup cannot read makes it fail; the search goes on.
        QFETCH(QString, before);
        QFETCH(bool, keepsReading);
        TestProgram tp;
        frmMain& w = openMain(tp);
        const QString initialReading = display(tp).lblSignDesc->caption();
        modPlanetSign::CurrentSign = before.toStdString();
        w.cboYear->addItem("19x0");
        w.cboYear->setCurrentIndex(w.cboYear->count() - 1);
        w.txtName->setText("A");
        w.cmdNext_Click();
        QCOMPARE(display(tp).lblDudizuSign->caption(), before);
        QCOMPARE(display(tp).lblSignDesc->caption(), keepsReading ? initialReading : QString());
        QVERIFY(display(tp).isVisible() && !w.isVisible());
    }

    void links_data()
    {
        QTest::addColumn<QString>("via");
        QTest::addColumn<QString>("address");
        using namespace webaddress;
        // clang-format off
        QTest::newRow("Label61") << "Label61" << HomePage;
        QTest::newRow("lblCobrand in front") << "lblCobrand" << CoBrandPage;
        QTest::newRow("lblFullBrand brought in front") << "lblFullBrand" << FullBrandPage;
        QTest::newRow("mnuOnline") << "mnuOnline" << OnlineHelp;
        QTest::newRow("mnuVisit") << "mnuVisit" << HomePage;
        QTest::newRow("mnuUpdate") << "mnuUpdate" << DownloadPage;
        QTest::newRow("mnuDonate") << "mnuDonate" << DonatePage;
        QTest::newRow("Alt+D") << "Alt+D" << DonatePage;
        QTest::newRow("mnuMakeMoneyOnline") << "mnuMakeMoneyOnline" << FullBrandPage;
        // clang-format on
    }

    void links()
    {
        QFETCH(QString, via);
        QFETCH(QString, address);
        TestProgram tp;
        frmMain& w = openMain(tp);
        const QHash<QString, QAction*> entries = {{"mnuOnline", w.mnuOnline},
                                                  {"mnuVisit", w.mnuVisit},
                                                  {"mnuUpdate", w.mnuUpdate},
                                                  {"mnuDonate", w.mnuDonate},
                                                  {"mnuMakeMoneyOnline", w.mnuMakeMoneyOnline}};
        if (via == "Label61") {
            QTest::mouseClick(w.Label61, Qt::LeftButton);
        } else if (via.startsWith("lbl")) {
            if (via == "lblFullBrand")
                w.lblFullBrand->raise();
            // Click whatever lies in front at the offers' place.
            QWidget* hit = w.Frame5->childAt(w.lblCobrand->geometry().center());
            QVERIFY(hit);
            QTest::mouseClick(hit, Qt::LeftButton);
        } else if (via == "Alt+D") {
            QTest::keyClick(w.txtName, Qt::Key_D, Qt::AltModifier);
        } else {
            entries.value(via)->trigger();
        }
        QCOMPARE(tp.fakes.browser.opened, QStringList{address});
        QVERIFY(w.isVisible());
    }

    void menus()
    {
        TestProgram tp;
        frmMain& w = openMain(tp);
        QStringList bar;
        for (QAction* a : w.menuBar()->actions())
            bar << a->text() + (a->isVisible() ? "" : " (hidden)");
        QCOMPARE(bar, (QStringList{"&File", "&Help", "&Donate", "Make Money &Online (hidden)"}));
        QCOMPARE(w.mnuFile->actions(), (QList<QAction*>{w.mnuFindPowerSign, w.mnuExit}));
        QCOMPARE(w.mnuHelp->actions(), (QList<QAction*>{w.mnuOnline, w.mnuVisit, w.mnuHelp1,
                                                        w.mnuUpdate, w.mnuHelp2, w.mnuAbout}));
        QVERIFY(w.mnuHelp1->isSeparator() && w.mnuHelp2->isSeparator());
        QCOMPARE(w.mnuUpdate->text(), QStringLiteral("Check for Software &Update"));
    }

    void aboutIsModal()
    {
        TestProgram tp;
        frmMain& w = openMain(tp);
        bool modalSeen = false;
        QTimer::singleShot(0, &w, [&] {
            forms::Form& about = tp.program.frmAbout.form();
            modalSeen = about.isVisible() && about.windowModality() == Qt::ApplicationModal;
            tp.program.frmAbout.unload();
        });
        w.mnuAbout->trigger();
        QVERIFY(modalSeen);
    }

    void layout()
    {
        TestProgram tp;
        frmMain& w = openMain(tp);
        QCOMPARE(w.clientArea()->size(), QSize(499, 394));
        for (QFrame* strip : {w.Frame2, w.Frame1, w.Frame5})
            QVERIFY(strip->x() == 0 && strip->geometry().right() >= w.clientArea()->width() - 1);
        // Every control lies inside its panel and shows its whole text.
        for (QFrame* panel : {w.Frame2, w.Frame1, w.Picture1, w.Frame5})
            for (QWidget* c : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                QVERIFY2(panel->rect().contains(c->geometry()), qPrintable(c->accessibleName()));
        for (forms::Label* l : {w.Label61, w.Label3, w.lblFullBrand, w.lblCobrand})
            QVERIFY2(l->heightForWidth(l->width()) <= l->height(), qPrintable(l->caption()));
        for (QPushButton* b : {w.cmdNext, w.cmdExit})
            QVERIFY(b->fontMetrics().horizontalAdvance(forms::displayText(b->text())) < b->width());
        QVERIFY(w.cboMonth->fontMetrics().horizontalAdvance("September") + 16 <
                w.cboMonth->width());
        // Captions: each list's just above it, "Name" and "Date Of Birth" to the left.
        const std::pair<forms::Label*, QComboBox*> captions[] = {
            {w.Label5, w.cboDate}, {w.Label7, w.cboMonth}, {w.Label6, w.cboYear}};
        for (const auto& [label, list] : captions)
            QVERIFY(label->geometry().bottom() < list->y() && label->x() >= list->x() &&
                    label->geometry().right() <= list->geometry().right());
        QVERIFY(w.Label1->geometry().right() < w.txtName->x());
        QVERIFY(w.Label2->geometry().right() < w.cboDate->x());
        // The co-brand offer lies in front, on the strip's grey; "&&" shows as one "&".
        QCOMPARE(w.Frame5->childAt(w.lblFullBrand->geometry().center()), w.lblCobrand);
        QCOMPARE(w.lblCobrand->palette().color(QPalette::Window), QColor(64, 64, 64));
        QVERIFY(w.lblCobrand->autoFillBackground());
        QVERIFY(w.lblCobrand->text().contains("name &  link here. See \"Help\" for details.Click"));
        QVERIFY(w.Label61->text().endsWith(" www.sorrelwick.com"));
        QCOMPARE(w.Label61->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(w.txtName->palette().color(QPalette::Text), QColor(128, 0, 128));
        QCOMPARE(w.Picture1->focusPolicy(), Qt::NoFocus);
        // Fonts: points, bold, underlined.
        const std::tuple<QWidget*, double, bool, bool> fonts[] = {
            {&w, 8.25, false, false},       {w.Label61, 9, true, true},
            {w.txtName, 8.25, true, false}, {w.cboYear, 8.25, true, false},
            {w.Label7, 8.25, false, true},  {w.Label2, 8.25, true, true},
            {w.cmdNext, 9, true, false},    {w.Label3, 8.25, true, false},
            {w.cmdExit, 8.25, true, false}, {w.lblFullBrand, 8.25, true, true}};
        for (const auto& [c, points, bold, underline] : fonts) {
            QCOMPARE(c->font().pointSizeF(), points);
            QCOMPARE(QFontInfo(c->font()).bold(), bold);
            QCOMPARE(c->font().underline(), underline);
        }
    }
};

QTEST_MAIN(tst_frmMain)
#include "tst_frmmain.moc"
