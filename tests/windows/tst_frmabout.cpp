// The About window: modal over the window whose Help menu opened it, closed by
// Enter or Esc, left open by its links; and its layout.

#include "TestSupport.h"
#include "frmAbout.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

class tst_frmAbout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup()
    {
        flushDeferredDeletes();
        QCOMPARE(visibleWindows(), QStringList());
    }

    void modal_data()
    {
        QTest::addColumn<bool>("fromMain");
        QTest::addColumn<QString>("key");
        QTest::newRow("frmMain, Enter") << true << "Return";
        QTest::newRow("frmDisplay, Esc") << false << "Esc";
    }

    // Opened from a Help menu, About is modal, its links leave it open and the key closes it.
    void modal()
    {
        QFETCH(bool, fromMain);
        QFETCH(QString, key);
        TestProgram tp;
        forms::FormSlot& opener = fromMain ? tp.program.frmMain : tp.program.frmDisplay;
        opener.show();
        QVERIFY(QTest::qWaitForWindowActive(&opener.form()));
        // Loaded before it is opened: every label lies inside the window.
        auto& about = tp.program.frmAbout.as<frmAbout>();
        QCOMPARE(about.clientArea()->size(), QSize(423, 264));
        for (forms::Label* l : about.clientArea()->findChildren<forms::Label*>())
            QVERIFY2(about.clientArea()->rect().contains(l->geometry()), qPrintable(l->caption()));
        QList<bool> open; // modal at first, modal after the links, loaded after the key
        QTimer::singleShot(0, &opener.form(), [&] {
            open << (QApplication::activeModalWidget() == &about);
            QTest::mouseClick(about.lblHomePage, Qt::LeftButton);
            QTest::mouseClick(about.Label5, Qt::LeftButton);
            open << (QApplication::activeModalWidget() == &about);
            QTest::keySequence(&about, QKeySequence(key));
            open << tp.program.frmAbout.isLoaded();
            tp.program.frmAbout.unload();
        });
        for (QAction* entry : opener.form().findChildren<QAction*>())
            if (entry->text() == "&About Software")
                entry->trigger();
        QCOMPARE(open, (QList<bool>{true, true, false}));
        QCOMPARE(tp.fakes.browser.opened,
                 (QStringList{"http://www.sorrelwick.com",
                              "http://help.sorrelwick.com/fully-branded.html"}));
    }
};

QTEST_MAIN(tst_frmAbout)
#include "tst_frmabout.moc"
