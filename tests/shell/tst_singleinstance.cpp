// One copy per user, tested with real processes of the built program. Each
// copy runs on the offscreen platform with message boxes logged to stderr
// (TOLVANE_MESSAGE_LOG) and answered without a user. Whether a copy got past
// the instance check is read from /proc/locks (who holds the lock file), which
// observes the lock without taking it, so the test never races the copies.

#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace
{

const QByteArray RefusedMessage = "message: Application is already running";
const int StartTimeout = 20000;

// Polls `condition` until it holds or `ms` have passed. Unlike QTRY_*, a
// failure costs only the bound itself, so even a program that never starts
// keeps the whole test well inside its time limit.
template <class Condition> bool waitUntil(Condition condition, int ms = StartTimeout)
{
    QDeadlineTimer deadline(ms);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(10);
    }
    return true;
}

QString lockPath(const QString& runtimeDir)
{
    return QDir(runtimeDir).filePath(QStringLiteral("tolvane.lock"));
}

// The processes that hold an flock on the lock file in `runtimeDir`, by
// /proc/locks (process ids as this process sees them).
QList<qint64> lockHolders(const QString& runtimeDir)
{
    struct stat st;
    if (::stat(QFile::encodeName(lockPath(runtimeDir)).constData(), &st) != 0)
        return {};
    const QByteArray id = QString::asprintf("%02x:%02x:%llu", major(st.st_dev), minor(st.st_dev),
                                            static_cast<unsigned long long>(st.st_ino))
                              .toLatin1();
    // Files under /proc report a size of 0: read to the end rather than
    // asking atEnd().
    QFile locks(QStringLiteral("/proc/locks"));
    if (!locks.open(QIODevice::ReadOnly))
        return {};
    QList<qint64> holders;
    const QList<QByteArray> lines = locks.readAll().split('\n');
    for (const QByteArray& line : lines) {
        // "1: FLOCK  ADVISORY  WRITE 1234 fe:00:5678 0 EOF"
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 6 && fields[1] == "FLOCK" && fields[5] == id)
            holders.append(fields[4].toLongLong());
    }
    return holders;
}

// The parent process id of `pid`, or -1.
qint64 parentOf(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    // "pid (comm) state ppid ...": comm may hold blanks, so start after ')'.
    const QList<QByteArray> rest = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return rest.size() > 1 ? rest[1].toLongLong() : -1;
}

// The children of `pid`.
QList<qint64> childrenOf(qint64 pid)
{
    QList<qint64> children;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString& entry : entries) {
        bool number = false;
        const qint64 candidate = entry.toLongLong(&number);
        if (number && parentOf(candidate) == pid)
            children.append(candidate);
    }
    return children;
}

// A private per-user folder, as the runtime folder must be.
std::unique_ptr<QTemporaryDir> privateFolder()
{
    auto dir = std::make_unique<QTemporaryDir>();
    if (dir->isValid())
        QFile::setPermissions(dir->path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                               QFileDevice::ExeOwner);
    return dir;
}

} // namespace

class tst_SingleInstance : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void secondCopyIsRefused();
    void killedCopyLeavesNoStaleLock();
    void twentyCopiesAtOnceLeaveOne();
    void differentUsersDoNotMeet();
    void killedCopyInPidNamespaceLeavesNoStaleLock();
    void lockIsNotInheritedByChildren();

private:
    // Starts the program (or `wrapper` followed by the program) for the user
    // whose runtime folder is `runtimeDir`.
    QProcess* launch(const QString& runtimeDir, const QString& configDir,
                     const QStringList& wrapper = {});
    bool finishes(QProcess* process);
    // The arguments of an `unshare` call that runs a program in a new PID
    // namespace here, or empty when that is not possible.
    QStringList pidNamespaceWrapper();

    std::vector<std::unique_ptr<QProcess>> processes_;
    QList<qint64> extraPids_;
    std::unique_ptr<QTemporaryDir> runtime_;
    std::unique_ptr<QTemporaryDir> config_;
};

void tst_SingleInstance::initTestCase()
{
#ifndef Q_OS_LINUX
    QSKIP("these tests read /proc");
#endif
    QVERIFY2(QFileInfo(QStringLiteral(TOLVANE_EXECUTABLE)).isExecutable(), TOLVANE_EXECUTABLE);
    QVERIFY(QFile::exists(QStringLiteral("/proc/locks")));
}

void tst_SingleInstance::init()
{
    runtime_ = privateFolder();
    config_ = privateFolder();
    QVERIFY(runtime_->isValid());
    QVERIFY(config_->isValid());
}

void tst_SingleInstance::cleanup()
{
    for (qint64 pid : std::as_const(extraPids_))
        ::kill(pid_t(pid), SIGKILL);
    extraPids_.clear();
    for (auto& process : processes_) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(10000);
        }
    }
    processes_.clear();
}

QProcess* tst_SingleInstance::launch(const QString& runtimeDir, const QString& configDir,
                                     const QStringList& wrapper)
{
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("TOLVANE_MESSAGE_LOG"), QStringLiteral("1"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configDir);
    process->setProcessEnvironment(env);
    QStringList arguments = wrapper;
    arguments.append(QStringLiteral(TOLVANE_EXECUTABLE));
    const QString program = arguments.takeFirst();
    process->start(program, arguments);
    QProcess* started = process.get();
    processes_.push_back(std::move(process));
    return started;
}

bool tst_SingleInstance::finishes(QProcess* process)
{
    return process->state() == QProcess::NotRunning || process->waitForFinished(StartTimeout);
}

QStringList tst_SingleInstance::pidNamespaceWrapper()
{
    if (QStandardPaths::findExecutable(QStringLiteral("unshare")).isEmpty())
        return {};
    // Without root, a user namespace (-r) makes the PID namespace possible.
    // --kill-child: the program dies with unshare, so cleanup leaves nothing.
    const QList<QStringList> candidates = {
        {"unshare", "--pid", "--fork", "--mount-proc", "--kill-child", "--"},
        {"unshare", "-r", "--pid", "--fork", "--mount-proc", "--kill-child", "--"},
    };
    for (const QStringList& candidate : candidates) {
        QProcess probe;
        QStringList arguments = candidate.mid(1);
        arguments.append(QStringLiteral("true"));
        probe.start(candidate.first(), arguments);
        if (probe.waitForFinished(10000) && probe.exitStatus() == QProcess::NormalExit &&
            probe.exitCode() == 0)
            return candidate;
        probe.kill();
        probe.waitForFinished(10000);
    }
    return {};
}

void tst_SingleInstance::secondCopyIsRefused()
{
    QProcess* first = launch(runtime_->path(), config_->path());
    QVERIFY(first->waitForStarted(StartTimeout));
    QVERIFY(waitUntil([&] { return lockHolders(runtime_->path()).contains(first->processId()); }));
    // Past the check, the first start of the reminder stores its date.
    QVERIFY(waitUntil(
        [&] { return !QDir(config_->path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot); }));

    // The second copy gets a config folder of its own, to see that it leaves
    // the settings alone.
    auto secondConfig = privateFolder();
    QProcess* second = launch(runtime_->path(), secondConfig->path());
    QVERIFY(finishes(second));
    QCOMPARE(second->exitStatus(), QProcess::NormalExit);
    QCOMPARE(second->exitCode(), 0);
    const QList<QByteArray> lines = second->readAllStandardError().split('\n');
    QCOMPARE(lines.count(RefusedMessage), 1);
    QVERIFY(QDir(secondConfig->path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot));

    QCOMPARE(first->state(), QProcess::Running);
    QCOMPARE(lockHolders(runtime_->path()), QList<qint64>{first->processId()});
    QVERIFY(!first->readAllStandardError().contains(RefusedMessage));
}

void tst_SingleInstance::killedCopyLeavesNoStaleLock()
{
    QProcess* first = launch(runtime_->path(), config_->path());
    QVERIFY(first->waitForStarted(StartTimeout));
    QVERIFY(waitUntil([&] { return lockHolders(runtime_->path()).contains(first->processId()); }));
    first->kill(); // SIGKILL: no handler of the program runs
    QVERIFY(first->waitForFinished(StartTimeout));
    QCOMPARE(first->exitStatus(), QProcess::CrashExit);
    QVERIFY(QFile::exists(lockPath(runtime_->path())));

    QProcess* next = launch(runtime_->path(), config_->path());
    QVERIFY(next->waitForStarted(StartTimeout));
    QVERIFY(waitUntil([&] { return lockHolders(runtime_->path()).contains(next->processId()); }));
    QCOMPARE(next->state(), QProcess::Running);
    QVERIFY(!next->readAllStandardError().contains(RefusedMessage));
}

void tst_SingleInstance::twentyCopiesAtOnceLeaveOne()
{
    QList<QProcess*> copies;
    for (int i = 0; i < 20; ++i)
        copies.append(launch(runtime_->path(), config_->path()));

    const auto finished = [&copies] {
        return std::count_if(copies.cbegin(), copies.cend(),
                             [](QProcess* p) { return p->state() == QProcess::NotRunning; });
    };
    QVERIFY(waitUntil([&] { return finished() >= 19; }, 60000));
    QCOMPARE(finished(), 19);

    QProcess* survivor = nullptr;
    for (QProcess* copy : std::as_const(copies)) {
        if (copy->state() != QProcess::NotRunning) {
            survivor = copy;
            continue;
        }
        QCOMPARE(copy->exitStatus(), QProcess::NormalExit);
        QCOMPARE(copy->exitCode(), 0);
        QVERIFY(copy->readAllStandardError().split('\n').contains(RefusedMessage));
    }
    QVERIFY(survivor);
    QVERIFY(waitUntil(
        [&] { return lockHolders(runtime_->path()) == QList<qint64>{survivor->processId()}; }));
    QCOMPARE(survivor->state(), QProcess::Running);
    QVERIFY(!survivor->readAllStandardError().contains(RefusedMessage));
}

void tst_SingleInstance::differentUsersDoNotMeet()
{
    auto otherRuntime = privateFolder();
    auto otherConfig = privateFolder();
    QProcess* mine = launch(runtime_->path(), config_->path());
    QProcess* theirs = launch(otherRuntime->path(), otherConfig->path());
    QVERIFY(mine->waitForStarted(StartTimeout));
    QVERIFY(theirs->waitForStarted(StartTimeout));
    QVERIFY(waitUntil([&] { return lockHolders(runtime_->path()).contains(mine->processId()); }));
    QVERIFY(
        waitUntil([&] { return lockHolders(otherRuntime->path()).contains(theirs->processId()); }));
    QCOMPARE(mine->state(), QProcess::Running);
    QCOMPARE(theirs->state(), QProcess::Running);
}

void tst_SingleInstance::killedCopyInPidNamespaceLeavesNoStaleLock()
{
    const QStringList wrapper = pidNamespaceWrapper();
    if (wrapper.isEmpty())
        QSKIP("unshare cannot make a PID namespace here");

    // Inside its namespace the copy is process 1, as its successor will be.
    QProcess* inside = launch(runtime_->path(), config_->path(), wrapper);
    QVERIFY(inside->waitForStarted(StartTimeout));
    qint64 copyPid = -1;
    QVERIFY(waitUntil([&] {
        const QList<qint64> holders = lockHolders(runtime_->path());
        if (holders.size() != 1 || parentOf(holders.first()) != inside->processId())
            return false;
        copyPid = holders.first();
        return true;
    }));
    extraPids_.append(copyPid);
    QCOMPARE(childrenOf(inside->processId()), QList<qint64>{copyPid});

    // A copy outside the namespace still sees it.
    QProcess* outside = launch(runtime_->path(), config_->path());
    QVERIFY(finishes(outside));
    QVERIFY(outside->readAllStandardError().split('\n').contains(RefusedMessage));

    QCOMPARE(::kill(pid_t(copyPid), SIGKILL), 0);
    QVERIFY(finishes(inside));

    QProcess* next = launch(runtime_->path(), config_->path(), wrapper);
    QVERIFY(next->waitForStarted(StartTimeout));
    QVERIFY(waitUntil([&] {
        const QList<qint64> holders = lockHolders(runtime_->path());
        return holders.size() == 1 && parentOf(holders.first()) == next->processId();
    }));
    QCOMPARE(next->state(), QProcess::Running);
    QVERIFY(!next->readAllStandardError().contains(RefusedMessage));
}

void tst_SingleInstance::lockIsNotInheritedByChildren()
{
    QProcess* copy = launch(runtime_->path(), config_->path());
    QVERIFY(copy->waitForStarted(StartTimeout));
    QVERIFY(waitUntil([&] { return lockHolders(runtime_->path()).contains(copy->processId()); }));

    // Find the copy's descriptor of the lock file and read its open flags: a
    // descriptor without close-on-exec would pass the lock to every program
    // the copy starts (the browser, for one).
    const QString target = QFileInfo(lockPath(runtime_->path())).canonicalFilePath();
    const QString fdDir = QStringLiteral("/proc/%1/fd").arg(copy->processId());
    QStringList lockFds;
    const QStringList fds =
        QDir(fdDir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System);
    for (const QString& fd : fds) {
        if (QFileInfo(fdDir + u'/' + fd).symLinkTarget() == target)
            lockFds.append(fd);
    }
    QCOMPARE(lockFds.size(), 1);

    QFile info(QStringLiteral("/proc/%1/fdinfo/%2").arg(copy->processId()).arg(lockFds.first()));
    QVERIFY(info.open(QIODevice::ReadOnly));
    qulonglong flags = 0;
    bool found = false;
    const QList<QByteArray> lines = info.readAll().split('\n');
    for (const QByteArray& line : lines) {
        if (line.startsWith("flags:")) {
            flags = line.mid(6).trimmed().toULongLong(&found, 8);
            break;
        }
    }
    QVERIFY(found);
    QVERIFY2(flags & O_CLOEXEC, "the lock descriptor is inherited by child processes");
}

QTEST_GUILESS_MAIN(tst_SingleInstance)
#include "tst_singleinstance.moc"
