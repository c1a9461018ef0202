// The per-user instance lock, in one process: every InstanceLock opens the lock
// file anew, and flock locks belong to the open file, so two locks in one
// process exclude each other just as two copies of the program do.

#include "InstanceLock.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#include <sys/stat.h>

using platform::InstanceLock;

class tst_InstanceLock : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondLockSeesTheFirst();
    void answerStaysTheSame();
    void releasedWhenTheHolderGoes();
    void separateFoldersDoNotMeet();
    void brokenFolderNeverLocksOut_data();
    void brokenFolderNeverLocksOut();
    void childProcessDoesNotKeepTheLock();
    void defaultFolderIsTheRuntimeFolder();
};

void tst_InstanceLock::secondLockSeesTheFirst()
{
    QTemporaryDir dir;
    InstanceLock first(dir.path());
    InstanceLock second(dir.path());
    QVERIFY(!first.anotherInstanceRunning());
    QVERIFY(second.anotherInstanceRunning());
    QVERIFY(QFile::exists(dir.filePath(InstanceLock::fileName())));
}

void tst_InstanceLock::answerStaysTheSame()
{
    QTemporaryDir dir;
    InstanceLock first(dir.path());
    QVERIFY(!first.anotherInstanceRunning());
    // Asking again must not try to lock a second time and refuse itself.
    QVERIFY(!first.anotherInstanceRunning());

    auto second = std::make_unique<InstanceLock>(dir.path());
    QVERIFY(second->anotherInstanceRunning());
    QVERIFY(second->anotherInstanceRunning());
}

void tst_InstanceLock::releasedWhenTheHolderGoes()
{
    QTemporaryDir dir;
    auto first = std::make_unique<InstanceLock>(dir.path());
    QVERIFY(!first->anotherInstanceRunning());
    first.reset();
    // The file stays behind, unlocked: it must not count as a running copy.
    QVERIFY(QFile::exists(dir.filePath(InstanceLock::fileName())));
    InstanceLock next(dir.path());
    QVERIFY(!next.anotherInstanceRunning());
}

void tst_InstanceLock::separateFoldersDoNotMeet()
{
    QTemporaryDir userA;
    QTemporaryDir userB;
    InstanceLock a(userA.path());
    InstanceLock b(userB.path());
    QVERIFY(!a.anotherInstanceRunning());
    QVERIFY(!b.anotherInstanceRunning());
}

void tst_InstanceLock::brokenFolderNeverLocksOut_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder missing") << "missing";
    QTest::newRow("lock file is a folder") << "folder";
    QTest::newRow("lock file is a symbolic link") << "symlink";
}

void tst_InstanceLock::brokenFolderNeverLocksOut()
{
    QFETCH(QString, kind);
    QTemporaryDir dir;
    QString folder = dir.path();
    const QString lockPath = dir.filePath(InstanceLock::fileName());
    if (kind == "missing")
        folder = dir.filePath("no/such/folder");
    else if (kind == "folder")
        QVERIFY(QDir().mkdir(lockPath));
    else
        QVERIFY(QFile::link(dir.filePath("elsewhere"), lockPath));

    InstanceLock first(folder);
    InstanceLock second(folder);
    QVERIFY(!first.anotherInstanceRunning());
    QVERIFY(!second.anotherInstanceRunning());
}

void tst_InstanceLock::childProcessDoesNotKeepTheLock()
{
    QTemporaryDir dir;
    auto holder = std::make_unique<InstanceLock>(dir.path());
    QVERIFY(!holder->anotherInstanceRunning());

    // A child started while the lock is held, as a browser would be; it
    // outlives the lock's owner.
    QProcess child;
    child.start("sleep", {"60"});
    QVERIFY(child.waitForStarted(10000));
    holder.reset();

    InstanceLock next(dir.path());
    const bool refused = next.anotherInstanceRunning();
    child.kill();
    child.waitForFinished(10000);
    QVERIFY2(!refused, "the child process inherited the lock");
}

void tst_InstanceLock::defaultFolderIsTheRuntimeFolder()
{
    QTemporaryDir runtime;
    QVERIFY(QFile::setPermissions(runtime.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                      QFileDevice::ExeOwner));
    const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
    const bool wasSet = qEnvironmentVariableIsSet("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));

    InstanceLock first;
    InstanceLock second;
    const bool firstRefused = first.anotherInstanceRunning();
    const bool secondRefused = second.anotherInstanceRunning();
    const bool created = QFile::exists(runtime.filePath(InstanceLock::fileName()));

    if (wasSet)
        qputenv("XDG_RUNTIME_DIR", saved);
    else
        qunsetenv("XDG_RUNTIME_DIR");
    QVERIFY(!firstRefused);
    QVERIFY(secondRefused);
    QVERIFY(created);
}

QTEST_GUILESS_MAIN(tst_InstanceLock)
#include "tst_instancelock.moc"
