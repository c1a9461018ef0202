// The text form of the update reminder's date in several user settings.

#include "ReminderDate.h"
#include "modHelp.h"

#include <QTest>

class tst_ReminderDate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readBack_data();
    void readBack();
};

void tst_ReminderDate::readBack_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QString>("text"); // null: the text the program itself writes
    QTest::addColumn<QDate>("date");
    // en_US, de_DE and es_ES write two-digit years in their short format.
    for (const char* locale : {"en_US", "de_DE", "es_ES", "ko_KR", "ar_EG", "C"}) {
        for (const QDate date : {QDate(1999, 12, 31), QDate(2000, 1, 1), QDate(2026, 12, 5)})
            QTest::addRow("%s written %s", locale, qPrintable(date.toString(Qt::ISODate)))
                << locale << QDate(2150, 6, 1) << QString() << date;
    }
    const QDate today(2026, 12, 5);
    QTest::newRow("99 is 1999") << "en_US" << today << "12/31/99" << QDate(1999, 12, 31);
    QTest::newRow("00 is 2000") << "en_US" << today << "1/1/00" << QDate(2000, 1, 1);
    QTest::newRow("26 is 2026") << "de_DE" << today << "20.11.26" << QDate(2026, 11, 20);
    QTest::newRow("77 nearer in the past") << "en_US" << today << "1/1/77" << QDate(1977, 1, 1);
    QTest::newRow("76 nearer in the future") << "en_US" << today << "6/1/76" << QDate(2076, 6, 1);
    QTest::newRow("words") << "en_US" << today << "hello" << QDate();
    QTest::newRow("other user's format") << "de_DE" << today << "12/5/2026" << QDate();
}

void tst_ReminderDate::readBack()
{
    QFETCH(QString, locale);
    QFETCH(QDate, today);
    QFETCH(QString, text);
    QFETCH(QDate, date);
    if (text.isNull()) {
        // Written with a four-digit year, and unchanged by the settings shift.
        text = reminderdate::DateToText(date, QLocale(locale));
        QVERIFY2(text.contains(QString::number(date.year())), qPrintable(text));
        QCOMPARE(modHelp::DecodeSetting(modHelp::EncodeSetting(text)), text);
    }
    QCOMPARE(reminderdate::TextToDate(text, QLocale(locale), today), date);
}

QTEST_APPLESS_MAIN(tst_ReminderDate)
#include "tst_reminderdate.moc"
