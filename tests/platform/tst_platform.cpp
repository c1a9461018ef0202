// The platform seams on disk: the settings file, one copy per user (the
// lock in one process, then real processes of the built program on the
// offscreen platform inherited from the test, built with message boxes logged
// to stderr). Who holds the lock is read from /proc/locks, which
// observes the lock without taking it, so the test never races the copies.
// Every wait is short: a broken lock fails in seconds. And the platform asked
// of Qt on a desktop, and a start with no display to open. Under Windows the
// store is the registry and the lock a named mutex; the program's own copies
// are checked from outside there.

#include "HasDisplay.h"
#include "InstanceLock.h"
#include "SettingCodec.h"
#include "TestSupport.h"
#include "UserSettingsStore.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <optional>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

using platform::InstanceLock;

const QString App = "tolvane", Section = "Settings";
// "Duration" and "8/8/1988" with every Windows-1252 code shifted by 85; the
// digit 8 lands on the unassigned byte 0x8D, a control character.
const QString Key = QStringLiteral("\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3");
const QString Date = QStringLiteral("\u008D\u201E\u008D\u201E\u2020\u017D\u008D\u008D");
static const QByteArray RefusedMessage = "message: Application is already running";
static const int Wait = 10000;
#ifdef Q_OS_WIN
// A program that runs until it is ended: it waits for input that never comes.
static const QStringList Waiter{"cmd.exe", "/c", "pause"};
#else
static const QStringList Waiter{"sleep", "30"};
#endif

#ifdef Q_OS_LINUX
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
    return QTest::qWaitFor([&] { return lockHolders(lock).size() == 1; }, Wait) &&
           process->state() == QProcess::Running &&
           !process->readAllStandardError().contains(RefusedMessage);
}

// `process` showed the message once and ended normally.
static bool refused(QProcess* process)
{
    return (process->state() == QProcess::NotRunning || process->waitForFinished(Wait)) &&
           process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0 &&
           process->readAllStandardError().split('\n').count(RefusedMessage) == 1;
}
#endif

class tst_Platform : public QObject
{
    Q_OBJECT
    QTemporaryDir config_;
    const QString configDir_ = config_.filePath("config");
    platform::UserSettingsStore store_; // in configDir_

    // Starts the program, behind `command` if given, for the user of `runtimeDir`.
    QProcess* launch(const QString& runtimeDir, QStringList command = {})
    {
        auto* process = new QProcess(this);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
        process->setProcessEnvironment(env);
        command.append(QStringLiteral(TOLVANE_LOGGED_EXECUTABLE));
        process->start(command.takeFirst(), command);
        return process;
    }

private Q_SLOTS:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(configDir_)); }
    void init() { QVERIFY(QDir(configDir_).removeRecursively()); }
    void cleanup()
    {
        for (QProcess* process : findChildren<QProcess*>()) {
            process->kill();
            process->waitForFinished(Wait);
            delete process;
        }
    }

#ifdef Q_OS_WIN
    // The registry keeps the shifted key and date as they are, control character
    // and all, and a later write replaces the value.
    void registrySettings()
    {
        const QString app = QStringLiteral("tst_platform");
        QVERIFY(store_.write(app, Section, Key, Date));
        QCOMPARE(store_.read(app, Section, Key), Date);
        QVERIFY(store_.write(app, Section, Key, "new"));
        QCOMPARE(store_.read(app, Section, Key), QString("new"));
        QCOMPARE(store_.read(app, Section, "absent"), QString());
        QVERIFY(!store_.write("a\\b", Section, Key, Date));
    }
#else
    // What the store reads from a file in its place: one the earlier hand-written
    // store wrote (UTF-8 keys, control characters escaped as %XX), and one it
    // wrote itself holding every character a shifted date can hold.
    void settingsFile_data()
    {
        QTest::addColumn<QByteArray>("earlierFile");
        QTest::addColumn<QString>("value");
        QTest::newRow("written by the earlier store")
            << QByteArray("[Settings]\n\xE2\x84\xA2\xC3\x8A\xC3\x87\xC2\xB6\xC3\x89\xC2\xBE"
                          "\xC3\x84\xC3\x83=%8D\xE2\x80\x9E%8D\xE2\x80\x9E\xE2\x80\xA0\xC5\xBD"
                          "%8D%8D\n")
            << Date;
        QString everyShifted;
        for (int byte = 85; byte < 256; ++byte)
            everyShifted += QChar(char16_t(codepage1252::toUnicode(uchar(byte))));
        QTest::newRow("every shifted character") << QByteArray() << everyShifted;
    }
    void settingsFile()
    {
        QFETCH(QByteArray, earlierFile);
        QFETCH(QString, value);
        QVERIFY(QDir().mkpath(configDir_));
        if (!earlierFile.isEmpty()) {
            QFile file(configDir_ + "/tolvane.ini");
            QVERIFY(file.open(QIODevice::WriteOnly) &&
                    file.write(earlierFile) == earlierFile.size());
        } else {
            QVERIFY(store_.write(App, Section, Key, value));
        }
        QCOMPARE(platform::UserSettingsStore().read(App, Section, Key), value);
        // A write replaces the file in one step: a reader that opened the old
        // file still sees it whole, and no temporary file stays behind.
        QFile old(configDir_ + "/tolvane.ini");
        QVERIFY(old.open(QIODevice::ReadOnly));
        const QByteArray before = old.peek(1 << 16);
        QVERIFY(store_.write(App, Section, Key, "new"));
        QCOMPARE(old.readAll(), before);
        QCOMPARE(store_.read(App, Section, Key), QStringLiteral("new"));
        QCOMPARE(QDir(configDir_).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"tolvane.ini"});
    }

    void damagedSettingsFile_data()
    {
        QTest::addColumn<bool>("inFolderPlace"); // the file stands where the folder belongs
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("writes");
        QTest::newRow("binary") << false << QByteArray("\x00\xFF[S\n=\x01\x80\xC3", 9) << true;
        QTest::newRow("folder in the file's place") << false << QByteArray() << false;
        QTest::newRow("file in the folder's place") << true << QByteArray("[Settings]\n") << false;
    }
    void damagedSettingsFile()
    {
        // Reads give "", and a write either replaces the file or leaves it as it was.
        QFETCH(bool, inFolderPlace);
        QFETCH(QByteArray, content);
        QFETCH(bool, writes);
        const QString path = inFolderPlace ? configDir_ : configDir_ + "/tolvane.ini";
        QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
        QFile file(path);
        QVERIFY(content.isEmpty() ? QDir().mkdir(path)
                                  : file.open(QIODevice::WriteOnly) &&
                                        file.write(content) == content.size() && file.flush());
        QCOMPARE(store_.read(App, Section, Key), QString());
        QCOMPARE(store_.write(App, Section, Key, Date), writes);
        QCOMPARE(store_.read(App, Section, Key), writes ? Date : QString());
        QCOMPARE(QFileInfo(path).isFile() && QFileInfo(path).size() == content.size(),
                 !writes && !content.isEmpty());
    }
#endif

    // Every InstanceLock opens the lock file anew, and flock locks belong to the
    // open file, so two locks in one process exclude each other as two copies do.
    void secondLock_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<bool>("secondRefused");
        QTest::newRow("usable folder") << "" << true;
#ifdef Q_OS_LINUX
        // A broken folder never locks the user out.
        QTest::newRow("folder missing") << "missing" << false;
        QTest::newRow("lock file is a folder") << "folder" << false;
        QTest::newRow("lock file is a dangling link") << "link" << false;
#endif
    }
    void secondLock()
    {
        QFETCH(QString, folder);
        QTemporaryDir dir;
        const QString lockPath = dir.filePath(InstanceLock::fileName());
        QVERIFY(folder != "folder" || QDir().mkdir(lockPath));
        QVERIFY(folder != "link" || QFile::link(dir.filePath("elsewhere"), lockPath));
        const QString path = folder == "missing" ? dir.filePath("no/such/folder") : dir.path();
        std::optional<InstanceLock> first(path);
        InstanceLock second(path);
        QVERIFY(!first->anotherInstanceRunning());
        QTEST(second.anotherInstanceRunning(), "secondRefused");
        // Asking again must not lock anew and refuse the holder itself.
        QVERIFY(!first->anotherInstanceRunning());
        // A program the holder starts (the browser) must not inherit the lock.
        auto* child = new QProcess(this); // ended by cleanup()
        child->start(Waiter.first(), Waiter.mid(1));
        QVERIFY(child->waitForStarted(Wait));
        first.reset();
        QVERIFY(!InstanceLock(path).anotherInstanceRunning());
    }

    // Each row: QT_QPA_PLATFORM, DISPLAY, WAYLAND_DISPLAY and the platforms asked
    // for. X wherever there is an X display (XWayland in a Wayland session), with
    // Wayland behind it; the user's platform, or none where no display is named,
    // is left to Qt.
    void platformChoice_data()
    {
        addRows({"|:0||xcb", "|:0|wayland-0|xcb;wayland", "||wayland-0|wayland",
                 "wayland|:0|wayland-0|", "offscreen|||", "|||"});
    }
    void platformChoice()
    {
        const QStringList c = cells();
        QCOMPARE(desktopPlatform(c[0].toLatin1(), c[1].toLatin1(), c[2].toLatin1()),
                 c[3].toLatin1());
    }

#ifdef Q_OS_LINUX
    // With no display named, none to be reached or no plugin for the platform,
    // the program says so on one line, naming what failed, and exits with status 1.
    void noDisplay_data()
    {
        addRows({"DISPLAY=|DISPLAY", "DISPLAY=:4711|\":4711\"",
                 "WAYLAND_DISPLAY=tolvane-none|\"tolvane-none\"",
                 "QT_QPA_PLATFORM=tolvane-none DISPLAY=:4711|plugin \"tolvane-none\""});
    }
    void noDisplay()
    {
        QProcess* tolvane = launch(configDir_, QStringList{"env", "-u", "QT_QPA_PLATFORM", "-u",
                                                           "WAYLAND_DISPLAY", "-u", "DISPLAY"} +
                                                   cells()[0].split(u' '));
        QVERIFY(tolvane->waitForFinished(Wait));
        QCOMPARE(tolvane->exitStatus(), QProcess::NormalExit);
        QCOMPARE(tolvane->exitCode(), 1);
        const QList<QByteArray> lines = tolvane->readAllStandardError().split('\n');
        QCOMPARE(lines.size(), 2); // one line, and the end of it
        QVERIFY2(lines[0].startsWith("tolvane: ") && lines[0].contains(cells()[1].toUtf8()),
                 lines[0].constData());
    }

    void oneCopyPerUser_data()
    {
        QTest::addColumn<QStringList>("wrapper");
        QTest::addColumn<int>("atOnce");
        QTest::newRow("ten at once") << QStringList() << 10;
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
        const QString lock = runtime.filePath(InstanceLock::fileName());
        QList<QProcess*> copies;
        for (int i = 0; i < atOnce; ++i)
            copies.append(launch(runtime.path(), wrapper));
        QProcess* other = launch(otherUser.path());
        const auto isRunning = [](QProcess* p) { return p->state() != QProcess::NotRunning; };
        QVERIFY(QTest::qWaitFor(
            [&] { return std::count_if(copies.cbegin(), copies.cend(), isRunning) <= 1; },
            Wait + 5000));
        const auto survivor = std::find_if(copies.cbegin(), copies.cend(), isRunning);
        QVERIFY(survivor != copies.cend());
        QProcess* first = *survivor;
        QVERIFY(holdsAlone(first, lock));
        QVERIFY(holdsAlone(other, otherUser.filePath(InstanceLock::fileName())));
        for (QProcess* copy : std::as_const(copies))
            QVERIFY(copy == first || refused(copy));

        // A later copy (from outside the namespace, too) is refused; the first runs on.
        QVERIFY(refused(launch(runtime.path())));
        QVERIFY(holdsAlone(first, lock));

        // SIGKILL: no handler runs and the file stays, yet the lock is not stale.
        QCOMPARE(::kill(pid_t(lockHolders(lock).value(0)), SIGKILL), 0);
        QVERIFY(first->waitForFinished(Wait));
        QVERIFY(QFile::exists(lock));
        QVERIFY(holdsAlone(launch(runtime.path(), wrapper), lock));
    }
#endif
};

QTEST_GUILESS_MAIN(tst_Platform)
#include "tst_platform.moc"
