// The per-user instance lock, in one process: every InstanceLock opens the lock
// file anew, and flock locks belong to the open file, so two locks in one
// process exclude each other just as two copies of the program do. The
// program's own copies are tested in tst_singleinstance.

#include "InstanceLock.h"

#include <QTemporaryDir>
#include <QTest>

using platform::InstanceLock;

class tst_InstanceLock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondLock_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("secondRefused");
        QTest::newRow("usable folder") << "" << true;
        // A broken folder never locks the user out.
        QTest::newRow("folder missing") << "missing" << false;
        QTest::newRow("lock file is a folder") << "folder" << false;
        QTest::newRow("lock file is a dangling link") << "link" << false;
    }

    void secondLock()
    {
        QFETCH(QString, folder);
        QFETCH(bool, secondRefused);
        QTemporaryDir dir;
        const QString lockPath = dir.filePath(InstanceLock::fileName());
        QVERIFY(folder != "folder" || QDir().mkdir(lockPath));
        QVERIFY(folder != "link" || QFile::link(dir.filePath("elsewhere"), lockPath));
        const QString path = folder == "missing" ? dir.filePath("no/such/folder") : dir.path();

        InstanceLock first(path);
        InstanceLock second(path);
        QVERIFY(!first.anotherInstanceRunning());
        QCOMPARE(second.anotherInstanceRunning(), secondRefused);
        // Asking again must not lock anew and refuse the holder itself.
        QVERIFY(!first.anotherInstanceRunning());
    }
};

QTEST_GUILESS_MAIN(tst_InstanceLock)
#include "tst_instancelock.moc"
