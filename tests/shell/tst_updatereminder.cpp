// The update reminder at start-up: when it asks, what it stores, and what
// happens on each answer and on a damaged or unwritable store.

#include "FakeServices.h"
#include "UpdateReminder.h"
#include "modHelp.h"

#include <QTest>

using platform::MessageBoxes;

Q_DECLARE_METATYPE(platform::MessageBoxes::Answer)

const QString DownloadPage = QStringLiteral("http://tolvane.sorrelwick.com/download-tolvane.html");

// The stored entry holds the date shifted like this.
static QString shifted(const char* date)
{
    return modHelp::EncodeSetting(QString::fromLatin1(date));
}

class tst_UpdateReminder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void reminder_data();
    void reminder();
};

void tst_UpdateReminder::reminder_data()
{
    QTest::addColumn<QString>("stored"); // as found in the store; null for no entry
    QTest::addColumn<bool>("writable");
    QTest::addColumn<MessageBoxes::Answer>("answer");
    QTest::addColumn<bool>("asks");

    // Today is 5 December 2026.
    const auto yes = MessageBoxes::Answer::Yes;
    const auto no = MessageBoxes::Answer::No;
    QTest::newRow("first start") << QString() << true << yes << false;
    QTest::newRow("14 days before") << shifted("11/21/2026") << true << yes << false;
    QTest::newRow("15 days before, Yes") << shifted("11/20/2026") << true << yes << true;
    QTest::newRow("15 days before, No") << shifted("11/20/2026") << true << no << true;
    QTest::newRow("14 days after") << shifted("12/19/2026") << true << yes << false;
    QTest::newRow("15 days after, Yes") << shifted("12/20/2026") << true << yes << true;
    QTest::newRow("15 days after, No") << shifted("12/20/2026") << true << no << true;
    QTest::newRow("garbage, month 13") << shifted("13/1/2026") << true << yes << false;
    QTest::newRow("unwritable, first start") << QString() << false << yes << false;
    QTest::newRow("unwritable, due, Yes") << shifted("11/20/2026") << false << yes << true;
}

void tst_UpdateReminder::reminder()
{
    QFETCH(QString, stored);
    QFETCH(bool, writable);
    QFETCH(MessageBoxes::Answer, answer);
    QFETCH(bool, asks);

    // The entry is "Duration" shifted, under the program's name.
    const QString entry = platform::fake::MemorySettings::path(
        QStringLiteral("tst_updatereminder"), QStringLiteral("Settings"),
        QStringLiteral("\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3"));
    platform::fake::FakeServices fake;
    fake.clock.date = QDate(2026, 12, 5);
    fake.messages.answers.push_back(answer);
    fake.settings.writable = writable;
    if (!stored.isNull())
        fake.settings.values.insert(entry, stored);

    modHelp::CheckUpdateReminder(fake.services, QLocale(QStringLiteral("en_US")));

    // The first start and every question store today; nothing else writes.
    const bool rewrites = writable && (stored.isNull() || asks);
    QCOMPARE(fake.settings.values.value(entry), rewrites ? shifted("12/5/2026") : stored);
    QCOMPARE(fake.settings.writes, rewrites ? 1 : 0);
    const bool opens = rewrites && asks && answer == MessageBoxes::Answer::Yes;
    QCOMPARE(fake.browser.opened, opens ? QStringList{DownloadPage} : QStringList());
    QCOMPARE(fake.messages.shown.size(), asks ? 1 : 0);
    if (asks) {
        const auto& box = fake.messages.shown.constFirst();
        QCOMPARE(box.text, QStringLiteral("There maybe an update to this software available\r"
                                          "Do you want to check for an update?"));
        QCOMPARE(box.icon, MessageBoxes::Icon::Information);
        QCOMPARE(box.buttons, MessageBoxes::Buttons::YesNo);
        QCOMPARE(box.title, QStringLiteral("Tolvane"));
    }
}

QTEST_GUILESS_MAIN(tst_UpdateReminder)
#include "tst_updatereminder.moc"
