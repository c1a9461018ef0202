// The update reminder at start-up: when it asks, what it stores, and what
// happens on each answer and on a damaged or unwritable store.

#include "FakeServices.h"
#include "ReminderDate.h"
#include "UpdateReminder.h"
#include "modHelp.h"

#include <QCoreApplication>
#include <QTest>

using platform::MessageBoxes;
using platform::fake::FakeServices;
using platform::fake::MemorySettings;

Q_DECLARE_METATYPE(platform::MessageBoxes::Answer)

namespace
{

const QString DownloadPage = QStringLiteral("http://tolvane.sorrelwick.com/download-tolvane.html");
const QString Application = QStringLiteral("tst_updatereminder");
// "Duration" with every code shifted by 85.
const QString StoredKey = QStringLiteral("\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3");
const QLocale US(QStringLiteral("en_US"));

QString entryPath()
{
    return MemorySettings::path(Application, QStringLiteral("Settings"), StoredKey);
}

// The stored date as the user would see it after decoding; null when absent.
QString storedDate(const FakeServices& fake)
{
    const auto found = fake.settings.values.constFind(entryPath());
    if (found == fake.settings.values.constEnd())
        return QString();
    return modHelp::DecodeSetting(*found);
}

} // namespace

class tst_UpdateReminder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void applicationName();
    void reminder_data();
    void reminder();
    void question();
    void unwritableStore_data();
    void unwritableStore();
    void garbageStored_data();
    void garbageStored();
    void invalidToday();
    void userSettingsRoundTrip();
};

void tst_UpdateReminder::applicationName()
{
    QCOMPARE(modHelp::ReminderApplicationName(), Application);
}

void tst_UpdateReminder::reminder_data()
{
    QTest::addColumn<QString>("stored"); // decoded; null for no entry
    QTest::addColumn<QDate>("today");
    QTest::addColumn<MessageBoxes::Answer>("answer");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<QString>("storedAfter");
    QTest::addColumn<bool>("opensPage");

    const QDate today(2026, 12, 5);
    const auto yes = MessageBoxes::Answer::Yes;
    const auto no = MessageBoxes::Answer::No;
    QTest::newRow("first start") << QString() << today << yes << false << "12/5/2026" << false;
    QTest::newRow("same day") << "12/5/2026" << today << yes << false << "12/5/2026" << false;
    QTest::newRow("14 days before")
        << "11/21/2026" << today << yes << false << "11/21/2026" << false;
    QTest::newRow("15 days before, Yes")
        << "11/20/2026" << today << yes << true << "12/5/2026" << true;
    QTest::newRow("15 days before, No")
        << "11/20/2026" << today << no << true << "12/5/2026" << false;
    QTest::newRow("14 days after")
        << "12/19/2026" << today << yes << false << "12/19/2026" << false;
    QTest::newRow("15 days after, Yes")
        << "12/20/2026" << today << yes << true << "12/5/2026" << true;
    QTest::newRow("15 days after, No")
        << "12/20/2026" << today << no << true << "12/5/2026" << false;
    QTest::newRow("across a year end")
        << "12/17/2025" << QDate(2026, 1, 1) << no << true << "1/1/2026" << false;
    QTest::newRow("last century") << "12/31/1999" << today << yes << true << "12/5/2026" << true;
    QTest::newRow("two-digit year, 15 days")
        << "11/20/26" << today << no << true << "12/5/2026" << false;
    QTest::newRow("two-digit year, 14 days")
        << "11/21/26" << today << no << false << "11/21/26" << false;
    QTest::newRow("ISO, 15 days") << "2026-11-20" << today << yes << true << "12/5/2026" << true;
    QTest::newRow("eights") << "8/8/1988" << QDate(1988, 8, 23) << no << true << "8/23/1988"
                            << false;
    QTest::newRow("unreadable date") << "hello" << today << yes << false << "hello" << false;
    QTest::newRow("month 13") << "13/1/2026" << today << yes << false << "13/1/2026" << false;
}

void tst_UpdateReminder::reminder()
{
    QFETCH(QString, stored);
    QFETCH(QDate, today);
    QFETCH(MessageBoxes::Answer, answer);
    QFETCH(bool, asks);
    QFETCH(QString, storedAfter);
    QFETCH(bool, opensPage);

    FakeServices fake;
    fake.clock.date = today;
    fake.messages.answers.push_back(answer);
    if (!stored.isNull())
        fake.settings.values.insert(entryPath(), modHelp::EncodeSetting(stored));

    modHelp::CheckUpdateReminder(fake.services, US);

    QCOMPARE(fake.messages.shown.size(), asks ? 1 : 0);
    QCOMPARE(storedDate(fake), storedAfter);
    QCOMPARE(fake.settings.values.size(), 1);
    const bool rewritten = stored.isNull() || asks;
    QCOMPARE(fake.settings.writes, rewritten ? 1 : 0);
    QCOMPARE(fake.browser.opened, opensPage ? QStringList{DownloadPage} : QStringList());
}

void tst_UpdateReminder::question()
{
    FakeServices fake;
    fake.settings.values.insert(entryPath(), modHelp::EncodeSetting(QStringLiteral("1/1/2026")));
    modHelp::CheckUpdateReminder(fake.services, US);

    QCOMPARE(fake.messages.shown.size(), 1);
    const auto& box = fake.messages.shown.constFirst();
    QCOMPARE(box.text, QStringLiteral("There maybe an update to this software available\r"
                                      "Do you want to check for an update?"));
    QCOMPARE(box.icon, MessageBoxes::Icon::Information);
    QCOMPARE(box.buttons, MessageBoxes::Buttons::YesNo);
    QCOMPARE(box.title, QStringLiteral("Tolvane"));
}

void tst_UpdateReminder::unwritableStore_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<bool>("asks");
    QTest::newRow("first start") << QString() << false;
    QTest::newRow("due, answered Yes") << "11/20/2026" << true;
}

void tst_UpdateReminder::unwritableStore()
{
    QFETCH(QString, stored);
    QFETCH(bool, asks);
    FakeServices fake;
    if (!stored.isNull())
        fake.settings.values.insert(entryPath(), modHelp::EncodeSetting(stored));
    fake.settings.writable = false;
    fake.messages.answers.push_back(MessageBoxes::Answer::Yes);

    modHelp::CheckUpdateReminder(fake.services, US);

    QCOMPARE(fake.messages.shown.size(), asks ? 1 : 0);
    QVERIFY(fake.browser.opened.isEmpty());
    QCOMPARE(storedDate(fake), stored);
}

void tst_UpdateReminder::garbageStored_data()
{
    QTest::addColumn<QString>("raw"); // as found in the store, not decoded
    QTest::addColumn<bool>("treatedAsFirstStart");
    QTest::newRow("decodes to nothing") << "ABC" << true;
    QTest::newRow("outside the code page")
        << QString(QChar(0x4E2D)) + QChar(0xD800) + QChar(0xFFFF) << true;
    QTest::newRow("undecoded date") << "11/20/2026" << true;
    QTest::newRow("NUL and controls")
        << QString(QChar(0)) + QStringLiteral("\u00FF\u00FE\u0081") << false;
    QTest::newRow("long junk") << QString(5000, QChar(0x2122)) << false;
}

void tst_UpdateReminder::garbageStored()
{
    QFETCH(QString, raw);
    QFETCH(bool, treatedAsFirstStart);
    FakeServices fake;
    fake.settings.values.insert(entryPath(), raw);

    modHelp::CheckUpdateReminder(fake.services, US);

    QVERIFY(fake.messages.shown.isEmpty());
    QVERIFY(fake.browser.opened.isEmpty());
    if (treatedAsFirstStart)
        QCOMPARE(storedDate(fake), QStringLiteral("12/5/2026"));
    else
        QCOMPARE(fake.settings.values.value(entryPath()), raw);
}

void tst_UpdateReminder::invalidToday()
{
    FakeServices fake;
    fake.clock.date = QDate();
    fake.settings.values.insert(entryPath(), modHelp::EncodeSetting(QStringLiteral("1/1/2020")));
    modHelp::CheckUpdateReminder(fake.services, US);
    QVERIFY(fake.messages.shown.isEmpty());
    QCOMPARE(fake.settings.writes, 0);
}

void tst_UpdateReminder::userSettingsRoundTrip()
{
    // With the user's own date settings: the first start stores a date that the
    // next starts read back, so they stay quiet for 14 days and ask on the 15th.
    FakeServices fake;
    const QDate firstStart(2026, 8, 8);
    fake.clock.date = firstStart;
    modHelp::CheckUpdateReminder(fake.services);
    QCOMPARE(fake.settings.writes, 1);

    fake.clock.date = firstStart.addDays(14);
    modHelp::CheckUpdateReminder(fake.services);
    QVERIFY(fake.messages.shown.isEmpty());

    fake.clock.date = firstStart.addDays(15);
    fake.messages.answers.push_back(MessageBoxes::Answer::No);
    modHelp::CheckUpdateReminder(fake.services);
    QCOMPARE(fake.messages.shown.size(), 1);
    QCOMPARE(fake.settings.writes, 2);
    QVERIFY(fake.browser.opened.isEmpty());

    fake.clock.date = firstStart.addDays(29);
    modHelp::CheckUpdateReminder(fake.services);
    QCOMPARE(fake.messages.shown.size(), 1);
}

QTEST_GUILESS_MAIN(tst_UpdateReminder)
#include "tst_updatereminder.moc"
