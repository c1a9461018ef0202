// Started with no display to open, the program says so on one line and exits
// with status 1, whether DISPLAY is empty or names a server that is not there.

#include <QProcess>
#include <QTest>

class tst_HasDisplay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noDisplay_data()
    {
        QTest::addColumn<QString>("display");
        QTest::newRow("empty") << "";
        QTest::newRow("no server there") << ":4711";
    }

    void noDisplay()
    {
        QFETCH(QString, display);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove("QT_QPA_PLATFORM");
        env.remove("WAYLAND_DISPLAY");
        env.insert("DISPLAY", display);
        QProcess tolvane;
        tolvane.setProcessEnvironment(env);
        tolvane.start(TOLVANE_EXECUTABLE, {});
        QVERIFY(tolvane.waitForFinished(20000));
        QCOMPARE(tolvane.exitStatus(), QProcess::NormalExit);
        QCOMPARE(tolvane.exitCode(), 1);
        const QList<QByteArray> lines = tolvane.readAllStandardError().split('\n');
        QCOMPARE(lines.size(), 2); // one line, and the end of it
        QVERIFY2(lines[0].startsWith("tolvane: "), lines[0].constData());
    }
};

QTEST_GUILESS_MAIN(tst_HasDisplay)
#include "tst_hasdisplay.moc"
