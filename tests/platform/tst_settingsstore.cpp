// The per-user settings file: what it holds on disk, and how it copes with
// damaged, foreign or unwritable files.

#include "FileSettingsStore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

const QString App = QStringLiteral("tolvane"), Section = QStringLiteral("Settings");
// "Duration" and "8/8/1988" with every Windows-1252 code shifted by 85; the
// digit 8 lands on the unassigned byte 0x8D, a control character.
const QString Key = QStringLiteral("\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3");
const QString Date = QStringLiteral("\u008D\u201E\u008D\u201E\u2020\u017D\u008D\u008D");

class tst_SettingsStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", QFile::encodeName(configDir_)); }
    // A fresh, empty configuration folder for every test.
    void init() { QVERIFY(QDir(configDir_).removeRecursively()); }
    void writeReplacesFileWhole();
    void damagedFile_data();
    void damagedFile();

private:
    QTemporaryDir home_;
    const QString configDir_ = home_.path() + QStringLiteral("/config");
    platform::FileSettingsStore store_;
};

void tst_SettingsStore::writeReplacesFileWhole()
{
    // UTF-8, with the control character 0x8D escaped.
    const QByteArray written("[Settings]\n\xE2\x84\xA2\xC3\x8A\xC3\x87\xC2\xB6\xC3\x89\xC2\xBE"
                             "\xC3\x84\xC3\x83=%8D\xE2\x80\x9E%8D\xE2\x80\x9E\xE2\x80\xA0\xC5\xBD"
                             "%8D%8D\n");
    QVERIFY(store_.write(App, Section, Key, Date));
    // The next write arrives under the name in one step: a reader that opened
    // the old file still sees it complete, and no temporary file stays behind.
    QFile old(configDir_ + QStringLiteral("/tolvane.ini"));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QVERIFY(store_.write(App, Section, Key, QStringLiteral("new")));
    QCOMPARE(old.readAll(), written);
    QCOMPARE(QDir(configDir_).entryList(QDir::Files | QDir::Hidden), QStringList{"tolvane.ini"});
}

void tst_SettingsStore::damagedFile_data()
{
    QTest::addColumn<bool>("inFolderPlace"); // the file stands where the folder belongs
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("writes");
    QTest::newRow("binary") << false << QByteArray("\x00\xFF[S\n=\x01\x80\xC3", 9) << true;
    QTest::newRow("over a megabyte") << false << QByteArray(1024 * 1024 + 1, ';') << false;
    QTest::newRow("file in the folder's place") << true << QByteArray("[Settings]\n") << false;
}

void tst_SettingsStore::damagedFile()
{
    // Reads give "", and a write either replaces the file or leaves it as it was.
    QFETCH(bool, inFolderPlace);
    QFETCH(QByteArray, content);
    QFETCH(bool, writes);
    const QString path = inFolderPlace ? configDir_ : configDir_ + QStringLiteral("/tolvane.ini");
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size() &&
            file.flush());

    QCOMPARE(store_.read(App, Section, Key), QString());
    QCOMPARE(store_.write(App, Section, Key, Date), writes);
    QCOMPARE(store_.read(App, Section, Key), writes ? Date : QString());
    // A failed write leaves the file as it was.
    QCOMPARE(QFileInfo(path).size() == content.size(), !writes);
}

QTEST_GUILESS_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
