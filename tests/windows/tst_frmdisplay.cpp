// The result window: the ways out, Back, the links, the layout.

#include "TestSupport.h"
#include "frmDisplay.h"
#include "frmMain.h"

#include <QApplication>
#include <QTest>

#include <memory>

class tst_frmDisplay : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestProgram> tp;
    frmDisplay* w = nullptr;

private Q_SLOTS:
    // As a search leaves it: the main window hidden with its entries, this one shown.
    void init()
    {
        tp = std::make_unique<TestProgram>();
        tp->program.frmMain.as<frmMain>().txtName->setText("ANN");
        tp->program.frmDisplay.show();
        w = &tp->program.frmDisplay.as<frmDisplay>();
        QVERIFY(QTest::qWaitForWindowActive(w));
    }

    void cleanup()
    {
        tp.reset();
        flushDeferredDeletes();
        QCOMPARE(visibleWindows(), QStringList());
    }

    // Each row is named after the control used, or else the keys typed.
    void actions_data()
    {
        QTest::addColumn<QString>("outcome"); // "back", "exit" or the page opened
        // clang-format off
        QTest::newRow("Esc") << "exit";
        QTest::newRow("Return") << "exit";
        QTest::newRow("Tab, Return") << "back";
        QTest::newRow("Alt+B") << "back";
        QTest::newRow("Alt+E") << "exit";
        QTest::newRow("Label61") << "http://www.sorrelwick.com";
        QTest::newRow("lblCobrand") << "http://help.sorrelwick.com/co-brand.html";
        QTest::newRow("lblFullBrand") << "http://help.sorrelwick.com/fully-branded.html";
        QTest::newRow("mnuOnline") << "http://tolvane.sorrelwick.com/tolvane-help.html";
        QTest::newRow("mnuVisit") << "http://www.sorrelwick.com";
        QTest::newRow("mnuUpdate") << "http://tolvane.sorrelwick.com/download-tolvane.html";
        QTest::newRow("mnuDonate") << "http://help.sorrelwick.com/donate.html";
        QTest::newRow("mnuMakeMoneyOnline") << "http://help.sorrelwick.com/fully-branded.html";
        // clang-format on
    }

    void actions()
    {
        QFETCH(QString, outcome);
        const QHash<QString, QObject*> controls = {
            {"Label61", w->Label61},           {"lblCobrand", w->lblCobrand},
            {"lblFullBrand", w->lblFullBrand}, {"mnuOnline", w->mnuOnline},
            {"mnuVisit", w->mnuVisit},         {"mnuUpdate", w->mnuUpdate},
            {"mnuDonate", w->mnuDonate},       {"mnuMakeMoneyOnline", w->mnuMakeMoneyOnline}};
        QObject* control = controls.value(QTest::currentDataTag());
        if (auto* entry = qobject_cast<QAction*>(control))
            entry->trigger();
        else if (control)
            QTest::mouseClick(static_cast<QWidget*>(control), Qt::LeftButton);
        else
            QTest::keySequence(w, QKeySequence(QTest::currentDataTag()));
        // Leaving unloads the window (an access letter presses its button a moment later).
        const bool left = !outcome.startsWith("http");
        QTRY_COMPARE(tp->program.frmDisplay.isLoaded(), !left);
        QCOMPARE(tp->fakes.browser.opened, QStringList(!left, outcome));
        QCOMPARE(tp->program.frmMain.form().isVisible(), outcome == "back");
        QCOMPARE(tp->program.frmMain.as<frmMain>().txtName->text(), "ANN");
        QCOMPARE(tp->program.frmReferFriend.isLoaded(), left);
        if (left)
            QCOMPARE(tp->program.frmReferFriend.form().isVisible(), outcome == "exit");
    }

    void layout()
    {
        QCOMPARE(w->clientArea()->size(), QSize(497, 368));
        // Each label lies inside its panel; fonts: points, "b" if bold.
        QStringList fonts;
        for (forms::Label* l : {w->Label61, w->lblCobrand, w->Label3, w->lblDudizuSign}) {
            QVERIFY2(l->parentWidget()->rect().contains(l->geometry()), qPrintable(l->caption()));
            fonts << QString::number(l->font().pointSizeF()) + (l->font().bold() ? "b" : "");
        }
        QCOMPARE(fonts, (QStringList{"9b", "8.25b", "8.25b", "9b"}));
        // lblCobrand covers lblFullBrand completely; "&&" shows as one "&".
        const QRect offer = w->lblFullBrand->geometry();
        for (const QPoint& at : {offer.topLeft(), offer.center(), offer.bottomRight()})
            QCOMPARE(w->Frame5->childAt(at), w->lblCobrand);
        QVERIFY(w->lblCobrand->text().contains("name &  link here."));
        // lblDudizuSign keeps its left edge and fits its width to the sign.
        for (const QString sign : {"Leo", "Sagittarius"}) {
            w->lblDudizuSign->setCaption(sign);
            const int needed = w->lblDudizuSign->fontMetrics().horizontalAdvance(sign);
            QCOMPARE(w->lblDudizuSign->x(), forms::toPixels(3000));
            QVERIFY(w->lblDudizuSign->width() >= needed && w->lblDudizuSign->width() <= needed + 4);
        }
    }
};

QTEST_MAIN(tst_frmDisplay)
#include "tst_frmdisplay.moc"
