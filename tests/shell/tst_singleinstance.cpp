// One copy per user, tested with real processes of the built program on the
// offscreen platform (inherited from the test), message boxes logged to
// stderr (TOLVANE_MESSAGE_LOG). Who holds the lock is read from /proc/locks,
// which observes the lock without taking it, so the test never races the
// copies.

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

static const QByteArray RefusedMessage = "message: Application is already running";
static const int StartTimeout = 20000;

// The processes holding an flock on `lock`, by /proc/locks lines such as
// "1: FLOCK  ADVISORY  WRITE 1234 fe:00:5678 0 EOF".
static QList<qint64> lockHolders(const QString& lock)
{
    struct stat st;
    QFile locks(QStringLiteral("/proc/locks"));
    if (::stat(QFile::encodeName(lock).constData(), &st) != 0 || !locks.open(QIODevice::ReadOnly))
        return {};
    const QByteArray id = QString::asprintf("%02x:%02x:%llu", major(st.st_dev), minor(st.st_dev),
                                            static_cast<unsigned long long>(st.st_ino))
                              .toLatin1();
    QList<qint64> holders;
    for (const QByteArray& line : locks.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 6 && fields[1] == "FLOCK" && fields[5] == id)
            holders.append(fields[4].toLongLong());
    }
    return holders;
}

// `process` runs, unrefused, and there is one holder of `lock`: an ended or
// refused copy holds nothing, so that is `process` (or its child, behind unshare).
static bool holdsAlone(QProcess* process, const QString& lock)
{
    return QTest::qWaitFor([&] { return lockHolders(lock).size() == 1; }, StartTimeout) &&
           process->state() == QProcess::Running &&
           !process->readAllStandardError().contains(RefusedMessage);
}

// `process` showed the message once and ended normally.
static bool refused(QProcess* process)
{
    return (process->state() == QProcess::NotRunning || process->waitForFinished(StartTimeout)) &&
           process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0 &&
           process->readAllStandardError().split('\n').count(RefusedMessage) == 1;
}

class tst_SingleInstance : public QObject
{
    Q_OBJECT

    QTemporaryDir config_;

    // Starts the program, behind `command` if given, for the user of `runtimeDir`.
    QProcess* launch(const QString& runtimeDir, QStringList command = {})
    {
        auto* process = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("TOLVANE_MESSAGE_LOG"), QStringLiteral("1"));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
        process->setProcessEnvironment(env);
        command.append(QStringLiteral(TOLVANE_EXECUTABLE));
        process->start(command.takeFirst(), command);
        return process;
    }

private Q_SLOTS:
    void cleanup()
    {
        for (QProcess* process : findChildren<QProcess*>()) {
            process->kill();
            process->waitForFinished(StartTimeout);
            delete process;
        }
    }

    void oneCopyPerUser_data()
    {
        QTest::addColumn<QStringList>("wrapper");
        QTest::addColumn<int>("atOnce");
        QTest::newRow("twenty at once") << QStringList() << 20;
        // Inside a PID namespace each copy is process 1, as its successor will
        // be. Without root, a user namespace (-r) makes one possible;
        // --kill-child ends the program with unshare.
        QTest::newRow("PID namespace")
            << QStringList{"unshare", "-r", "--pid", "--fork", "--mount-proc", "--kill-child", "--"}
            << 2;
    }

    void oneCopyPerUser()
    {
        QFETCH(QStringList, wrapper);
        QFETCH(int, atOnce);
        if (!wrapper.isEmpty() && QProcess::execute(wrapper[0], wrapper.mid(1) << "true") != 0)
            QSKIP("unshare cannot make a PID namespace here");
        QTemporaryDir runtime, otherUser; // private (0700), as runtime folders must be
        const QString lock = runtime.filePath(QStringLiteral("tolvane.lock"));
        QList<QProcess*> copies;
        for (int i = 0; i < atOnce; ++i)
            copies.append(launch(runtime.path(), wrapper));
        QProcess* other = launch(otherUser.path());
        const auto isRunning = [](QProcess* p) { return p->state() != QProcess::NotRunning; };
        QVERIFY(QTest::qWaitFor(
            [&] { return std::count_if(copies.cbegin(), copies.cend(), isRunning) <= 1; }, 60000));
        const auto survivor = std::find_if(copies.cbegin(), copies.cend(), isRunning);
        QVERIFY(survivor != copies.cend());
        QProcess* first = *survivor;
        QVERIFY(holdsAlone(first, lock));
        QVERIFY(holdsAlone(other, otherUser.filePath(QStringLiteral("tolvane.lock"))));
        for (QProcess* copy : std::as_const(copies))
            QVERIFY(copy == first || refused(copy));

        // Close-on-exec, or every program the copy starts (the browser) would
        // hold the lock too.
        const qint64 holder = lockHolders(lock).value(0);
        const QString proc = QStringLiteral("/proc/%1/").arg(holder);
        QString info;
        for (const QString& fd :
             QDir(proc + "fd").entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
            QFile file(proc + "fdinfo/" + fd);
            if (QFileInfo(proc + "fd/" + fd).symLinkTarget() ==
                    QFileInfo(lock).canonicalFilePath() &&
                file.open(QIODevice::ReadOnly))
                info += file.readAll();
        }
        const QStringList flags = info.split('\n').filter(QStringLiteral("flags:"));
        QCOMPARE(flags.size(), 1);
        QVERIFY2(flags[0].mid(6).trimmed().toULongLong(nullptr, 8) & O_CLOEXEC,
                 "the lock descriptor is inherited by child processes");

        // A later copy (from outside the namespace, too) is refused; the first runs on.
        QVERIFY(refused(launch(runtime.path())));
        QVERIFY(holdsAlone(first, lock));

        // SIGKILL: no handler runs and the file stays, yet the lock is not stale.
        QCOMPARE(::kill(pid_t(holder), SIGKILL), 0);
        QVERIFY(first->waitForFinished(StartTimeout));
        QVERIFY(QFile::exists(lock));
        QVERIFY(holdsAlone(launch(runtime.path(), wrapper), lock));
    }
};

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
