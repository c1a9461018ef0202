// The per-user settings file: what it holds on disk, and how it copes with
// missing, damaged, foreign or unwritable files.

#include "FileSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

using platform::FileSettingsStore;

namespace
{

const QString App = QStringLiteral("tolvane");
const QString Section = QStringLiteral("Settings");
// "Duration" and "12/5/2026" with every Windows-1252 code shifted by 85.
const QString DurationKey = QStringLiteral("\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3");
const QString UsDate = QStringLiteral("\u2020\u2021\u201E\u0160\u201E\u2021\u2026\u2021\u2039");
// "8/8/1988" shifted: the digit 8 lands on the unassigned byte 0x8D.
const QString EightsDate = QStringLiteral("\u008D\u201E\u008D\u201E\u2020\u017D\u008D\u008D");

QByteArray readAll(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool runningAsRoot()
{
#ifdef Q_OS_UNIX
    return geteuid() == 0;
#else
    return false;
#endif
}

} // namespace

class tst_SettingsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void roundTrip_data();
    void roundTrip();
    void exactFileContent_data();
    void exactFileContent();
    void rewriteKeepsOtherLines();
    void readsForeignFiles_data();
    void readsForeignFiles();
    void damagedFileIsReplacedOnWrite_data();
    void damagedFileIsReplacedOnWrite();
    void notASettingsFile_data();
    void notASettingsFile();
    void permissionDenied_data();
    void permissionDenied();
    void writeReplacesFileWhole();
    void unusableApplicationNames_data();
    void unusableApplicationNames();

private:
    std::unique_ptr<QTemporaryDir> home_;
    QByteArray savedConfigHome_;
    QString configDir() const { return home_->path() + QStringLiteral("/config"); }
    QString iniPath() const { return configDir() + u'/' + App + QStringLiteral(".ini"); }
    FileSettingsStore store_;
};

void tst_SettingsStore::init()
{
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    QSKIP("this platform keeps settings in its native store");
#endif
    home_ = std::make_unique<QTemporaryDir>();
    QVERIFY(home_->isValid());
    savedConfigHome_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configDir()));
}

void tst_SettingsStore::cleanup()
{
    if (home_) {
        // Give back permissions taken away by a test so the folder can go.
        QFile::setPermissions(configDir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QFile::setPermissions(iniPath(), QFile::ReadOwner | QFile::WriteOwner);
    }
    home_.reset();
    qputenv("XDG_CONFIG_HOME", savedConfigHome_);
}

void tst_SettingsStore::roundTrip_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    QTest::newRow("shifted key and date") << DurationKey << UsDate;
    QTest::newRow("unassigned bytes") << DurationKey << EightsDate;
    QTest::newRow("empty value") << "k"
                                 << "";
    QTest::newRow("percent signs") << "%41"
                                   << "%u0041 %";
    QTest::newRow("equals signs") << "a=b"
                                  << "=c=";
    QTest::newRow("bracket key") << "[Settings]"
                                 << "]";
    QTest::newRow("line breaks") << "a\nb"
                                 << "c\r\nd";
    QTest::newRow("NUL and controls")
        << QString(QChar(0)) + u'k' << QString(QChar(0)) + QChar(0x7F) + QChar(0x9F);
    QTest::newRow("surrogates") << QStringLiteral("\U0001F600")
                                << QString(QChar(0xD800)) + u'x' + QChar(0xDC00);
    QTest::newRow("blanks kept") << " k "
                                 << "  v  ";
}

void tst_SettingsStore::roundTrip()
{
    QFETCH(QString, key);
    QFETCH(QString, value);
    QCOMPARE(store_.read(App, Section, key), QString());
    QVERIFY(store_.write(App, Section, key, value));
    QCOMPARE(store_.read(App, Section, key), value);
    // A second value beside it, and the first read again.
    QVERIFY(store_.write(App, Section, QStringLiteral("other"), QStringLiteral("x")));
    QCOMPARE(store_.read(App, Section, key), value);
    QCOMPARE(store_.read(App, QStringLiteral("Elsewhere"), key), QString());
}

void tst_SettingsStore::exactFileContent_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("12/5/2026")
        << UsDate
        << QByteArray("[Settings]\n\xE2\x84\xA2\xC3\x8A\xC3\x87\xC2\xB6\xC3\x89\xC2\xBE\xC3\x84"
                      "\xC3\x83=\xE2\x80\xA0\xE2\x80\xA1\xE2\x80\x9E\xC5\xA0\xE2\x80\x9E"
                      "\xE2\x80\xA1\xE2\x80\xA6\xE2\x80\xA1\xE2\x80\xB9\n");
    QTest::newRow("8/8/1988")
        << EightsDate
        << QByteArray("[Settings]\n\xE2\x84\xA2\xC3\x8A\xC3\x87\xC2\xB6\xC3\x89\xC2\xBE\xC3\x84"
                      "\xC3\x83=%8D\xE2\x80\x9E%8D\xE2\x80\x9E\xE2\x80\xA0\xC5\xBD%8D%8D\n");
}

void tst_SettingsStore::exactFileContent()
{
    QFETCH(QString, value);
    QFETCH(QByteArray, content);
    QVERIFY(store_.write(App, Section, DurationKey, value));
    QCOMPARE(readAll(iniPath()), content);
}

void tst_SettingsStore::rewriteKeepsOtherLines()
{
    QVERIFY(writeFile(iniPath(), "; note\r\n[Other]\r\nDuration=old\r\n[Settings]\r\n"
                                 "a=1\r\nDuration=2\r\n\r\n[Last]\r\nb=3\r\n"));
    QVERIFY(store_.write(App, Section, QStringLiteral("Duration"), QStringLiteral("9")));
    QVERIFY(store_.write(App, Section, QStringLiteral("new"), QStringLiteral("n")));
    QVERIFY(store_.write(App, QStringLiteral("Added"), QStringLiteral("c"), QStringLiteral("4")));
    QCOMPARE(readAll(iniPath()), QByteArray("; note\n[Other]\nDuration=old\n[Settings]\na=1\n"
                                            "Duration=9\nnew=n\n\n[Last]\nb=3\n\n[Added]\nc=4\n"));
    QCOMPARE(store_.read(App, QStringLiteral("Other"), QStringLiteral("Duration")),
             QStringLiteral("old"));
}

void tst_SettingsStore::readsForeignFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("value");
    QTest::newRow("missing file") << QByteArray() << QString();
    QTest::newRow("empty file") << QByteArray("") << QString();
    QTest::newRow("Windows line ends") << QByteArray("[Settings]\r\nk=v\r\n") << "v";
    QTest::newRow("no final line end") << QByteArray("[Settings]\nk=v") << "v";
    QTest::newRow("first of two") << QByteArray("[Settings]\nk=1\nk=2\n") << "1";
    QTest::newRow("key in another section") << QByteArray("[Other]\nk=v\n") << QString();
    QTest::newRow("entry before any section") << QByteArray("k=v\n[Settings]\n") << QString();
    QTest::newRow("bad escapes kept") << QByteArray("[Settings]\nk=%ZZ%u12%4\n") << "%ZZ%u12%4";
    QTest::newRow("lower-case escapes")
        << QByteArray("[Settings]\nk=%8d%u20ac\n") << QStringLiteral("\u008D\u20AC");
    QTest::newRow("binary") << QByteArray("\x00\xFF\xFE[Settings\n=\x01\x80\n[[\n\xC3", 15)
                            << QString();
    QTest::newRow("invalid UTF-8 value")
        << QByteArray("[Settings]\nk=\xFF\n") << QStringLiteral("\uFFFD");
}

void tst_SettingsStore::readsForeignFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, value);
    if (!content.isNull())
        QVERIFY(writeFile(iniPath(), content));
    QCOMPARE(store_.read(App, Section, QStringLiteral("k")), value);
}

void tst_SettingsStore::damagedFileIsReplacedOnWrite_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("binary") << QByteArray("\x00\xFF\xFE[Settings\n=\x01\x80\n[[\n\xC3", 15);
    QTest::newRow("text junk") << QByteArray("]]]]\n====\n[\n%%%\n");
    QTest::newRow("truncated section") << QByteArray("[Settings]\nk=");
}

void tst_SettingsStore::damagedFileIsReplacedOnWrite()
{
    QFETCH(QByteArray, content);
    QVERIFY(writeFile(iniPath(), content));
    QVERIFY(store_.write(App, Section, DurationKey, UsDate));
    QCOMPARE(store_.read(App, Section, DurationKey), UsDate);
    QCOMPARE(FileSettingsStore().read(App, Section, DurationKey), UsDate);
}

void tst_SettingsStore::notASettingsFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder under the file's name") << "folder";
    QTest::newRow("over a megabyte") << "large";
    QTest::newRow("file under the config folder's name") << "blocked";
}

void tst_SettingsStore::notASettingsFile()
{
    // Read gives "", write fails, and what is there stays as it was.
    QFETCH(QString, kind);
    QString path = iniPath();
    QByteArray content;
    if (kind == u"folder") {
        QVERIFY(QDir().mkpath(path));
    } else {
        if (kind == u"blocked")
            path = configDir();
        content = "[Settings]\nk=v\n" + QByteArray(kind == u"large" ? 1024 * 1024 : 0, ';');
        QVERIFY(writeFile(path, content));
    }
    QCOMPARE(store_.read(App, Section, QStringLiteral("k")), QString());
    QVERIFY(!store_.write(App, Section, QStringLiteral("k"), QStringLiteral("x")));
    if (kind == u"folder")
        QVERIFY(QFileInfo(path).isDir());
    else
        QCOMPARE(readAll(path), content);
}

void tst_SettingsStore::permissionDenied_data()
{
    QTest::addColumn<bool>("folderLocked");
    QTest::newRow("read-only folder") << true;
    QTest::newRow("unreadable file") << false;
}

void tst_SettingsStore::permissionDenied()
{
    QFETCH(bool, folderLocked);
    if (runningAsRoot())
        QSKIP("permissions do not bind the superuser");
    QVERIFY(store_.write(App, Section, DurationKey, UsDate));
    const QByteArray before = readAll(iniPath());
    if (folderLocked)
        QVERIFY(QFile::setPermissions(configDir(), QFile::ReadOwner | QFile::ExeOwner));
    else
        QVERIFY(QFile::setPermissions(iniPath(), QFile::WriteOwner));
    QCOMPARE(store_.read(App, Section, DurationKey), folderLocked ? UsDate : QString());
    // What cannot be read is not overwritten either.
    QVERIFY(!store_.write(App, Section, DurationKey, EightsDate));
    QVERIFY(QFile::setPermissions(iniPath(), QFile::ReadOwner | QFile::WriteOwner));
    QCOMPARE(readAll(iniPath()), before);
}

void tst_SettingsStore::writeReplacesFileWhole()
{
    // The new content arrives under the name in one step: a reader that opened
    // the old file still sees it complete, and no temporary file stays behind.
    QVERIFY(store_.write(App, Section, DurationKey, UsDate));
    const QByteArray before = readAll(iniPath());
    QFile old(iniPath());
    QVERIFY(old.open(QIODevice::ReadOnly));
    QVERIFY(store_.write(App, Section, DurationKey, EightsDate));
    QCOMPARE(old.readAll(), before);
    QCOMPARE(store_.read(App, Section, DurationKey), EightsDate);
    QCOMPARE(QDir(configDir()).entryList(QDir::Files | QDir::Hidden),
             QStringList{App + QStringLiteral(".ini")});
}

void tst_SettingsStore::unusableApplicationNames_data()
{
    QTest::addColumn<QString>("application");
    QTest::newRow("empty") << "";
    QTest::newRow("dot") << ".";
    QTest::newRow("dot dot") << "..";
    QTest::newRow("slash") << "../escape";
    QTest::newRow("backslash") << "a\\b";
    QTest::newRow("NUL") << QString(QChar(0)) + u'a';
}

void tst_SettingsStore::unusableApplicationNames()
{
    QFETCH(QString, application);
    QCOMPARE(FileSettingsStore::filePath(application), QString());
    QCOMPARE(store_.read(application, Section, DurationKey), QString());
    QVERIFY(!store_.write(application, Section, DurationKey, UsDate));
    QVERIFY(!QFileInfo::exists(home_->path() + QStringLiteral("/escape.ini")));
}

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
