// The text form of the update reminder's date in several user settings.

#include "ReminderDate.h"
#include "modHelp.h"

#include <QTest>

using reminderdate::DateToText;
using reminderdate::TextToDate;

class tst_ReminderDate : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void widenYear_data();
    void widenYear();
    void dateToText_data();
    void dateToText();
    void roundTrip_data();
    void roundTrip();
    void textToDate_data();
    void textToDate();
};

void tst_ReminderDate::widenYear_data()
{
    QTest::addColumn<QString>("format");
    QTest::addColumn<QString>("widened");
    QTest::newRow("US") << "M/d/yy"
                        << "M/d/yyyy";
    QTest::newRow("four digits stay") << "dd.MM.yyyy"
                                      << "dd.MM.yyyy";
    QTest::newRow("year first") << "yy. M. d."
                                << "yyyy. M. d.";
    QTest::newRow("quoted yy stays") << "d.MM.yy 'yy'"
                                     << "d.MM.yyyy 'yy'";
    QTest::newRow("quoted literal after year") << "d.MM.yy '\u0433'."
                                               << "d.MM.yyyy '\u0433'.";
    QTest::newRow("no year") << "d MMM"
                             << "d MMM";
    QTest::newRow("empty") << ""
                           << "";
}

void tst_ReminderDate::widenYear()
{
    QFETCH(QString, format);
    QFETCH(QString, widened);
    QCOMPARE(reminderdate::WidenYear(format), widened);
}

void tst_ReminderDate::dateToText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("text");
    QTest::newRow("en_US") << "en_US" << QDate(2026, 12, 5) << "12/5/2026";
    QTest::newRow("en_US 1999") << "en_US" << QDate(1999, 12, 31) << "12/31/1999";
    QTest::newRow("en_US 2000") << "en_US" << QDate(2000, 1, 1) << "1/1/2000";
    QTest::newRow("de_DE") << "de_DE" << QDate(2026, 12, 5) << "05.12.2026";
    QTest::newRow("de_DE eights") << "de_DE" << QDate(1988, 8, 8) << "08.08.1988";
    QTest::newRow("en_GB") << "en_GB" << QDate(2026, 12, 5) << "05/12/2026";
    QTest::newRow("fr_FR") << "fr_FR" << QDate(2026, 12, 5) << "05/12/2026";
    QTest::newRow("ja_JP") << "ja_JP" << QDate(2026, 12, 5) << "2026/12/05";
    QTest::newRow("ru_RU") << "ru_RU" << QDate(2026, 12, 5) << "05.12.2026";
    QTest::newRow("ko_KR") << "ko_KR" << QDate(2026, 12, 5) << "2026. 12. 5.";
    QTest::newRow("C month name") << "C" << QDate(2026, 12, 5) << "5 Dec 2026";
    QTest::newRow("ar_EG other digits") << "ar_EG" << QDate(2026, 12, 5) << "2026-12-05";
    QTest::newRow("bg_BG Cyrillic mark") << "bg_BG" << QDate(2026, 12, 5) << "2026-12-05";
    QTest::newRow("invalid date") << "en_US" << QDate() << "";
}

void tst_ReminderDate::dateToText()
{
    QFETCH(QString, locale);
    QFETCH(QDate, date);
    QFETCH(QString, text);
    QCOMPARE(DateToText(date, QLocale(locale)), text);
}

void tst_ReminderDate::roundTrip_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDate>("date");
    const QStringList locales = {"en_US", "de_DE", "en_GB", "fr_FR", "ja_JP",
                                 "ar_EG", "ru_RU", "ko_KR", "es_ES", "hi_IN",
                                 "bg_BG", "my_MM", "fa_IR", "zh_CN", "C"};
    const QList<QDate> dates = {QDate(1999, 12, 31), QDate(2000, 1, 1),  QDate(2000, 2, 29),
                                QDate(2026, 8, 8),   QDate(2026, 12, 5), QDate(1900, 1, 1),
                                QDate(2088, 8, 18)};
    for (const QString& locale : locales) {
        for (const QDate& date : dates) {
            const QString name = locale + u' ' + date.toString(Qt::ISODate);
            QTest::newRow(qPrintable(name)) << locale << date;
        }
    }
}

void tst_ReminderDate::roundTrip()
{
    QFETCH(QString, locale);
    QFETCH(QDate, date);
    const QString text = DateToText(date, QLocale(locale));
    QVERIFY(!text.isEmpty());
    QCOMPARE(modHelp::DecodeSetting(modHelp::EncodeSetting(text)), text);
    // Read back on the same day and on a day long after.
    QCOMPARE(TextToDate(text, QLocale(locale), date), date);
    QCOMPARE(TextToDate(text, QLocale(locale), QDate(2150, 6, 1)), date);
}

void tst_ReminderDate::textToDate_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("date");
    const QDate today(2026, 12, 5);
    QTest::newRow("four-digit year") << "en_US"
                                     << "12/5/2026" << today << QDate(2026, 12, 5);
    QTest::newRow("two digits, this century") << "en_US"
                                              << "11/20/26" << today << QDate(2026, 11, 20);
    QTest::newRow("99 is 1999") << "en_US"
                                << "12/31/99" << today << QDate(1999, 12, 31);
    QTest::newRow("00 is 2000") << "en_US"
                                << "1/1/00" << today << QDate(2000, 1, 1);
    QTest::newRow("29 February 00") << "en_US"
                                    << "2/29/00" << today << QDate(2000, 2, 29);
    QTest::newRow("88 is 1988") << "en_US"
                                << "8/8/88" << today << QDate(1988, 8, 8);
    QTest::newRow("77 nearer in the past") << "en_US"
                                           << "1/1/77" << today << QDate(1977, 1, 1);
    QTest::newRow("76 nearer in the future") << "en_US"
                                             << "6/1/76" << today << QDate(2076, 6, 1);
    QTest::newRow("next century") << "en_US"
                                  << "1/1/00" << QDate(2099, 12, 31) << QDate(2100, 1, 1);
    QTest::newRow("de_DE two digits") << "de_DE"
                                      << "05.12.26" << today << QDate(2026, 12, 5);
    QTest::newRow("es_ES two digits") << "es_ES"
                                      << "8/8/88" << today << QDate(1988, 8, 8);
    QTest::newRow("ISO in en_US") << "en_US"
                                  << "2026-11-20" << today << QDate(2026, 11, 20);
    QTest::newRow("ISO in ar_EG") << "ar_EG"
                                  << "2026-11-20" << today << QDate(2026, 11, 20);
    QTest::newRow("ISO in de_DE") << "de_DE"
                                  << "1988-08-08" << today << QDate(1988, 8, 8);
    QTest::newRow("empty") << "en_US"
                           << "" << today << QDate();
    QTest::newRow("words") << "en_US"
                           << "hello" << today << QDate();
    QTest::newRow("month 13") << "en_US"
                              << "13/5/2026" << today << QDate();
    QTest::newRow("day 45") << "de_DE"
                            << "45.12.2026" << today << QDate();
    QTest::newRow("ISO month 13") << "en_US"
                                  << "2026-13-01" << today << QDate();
    QTest::newRow("ISO with tail") << "en_US"
                                   << "2026-12-05xyz" << today << QDate();
    QTest::newRow("other user's format") << "de_DE"
                                         << "12/5/2026" << today << QDate();
    QTest::newRow("two digits, no today") << "en_US"
                                          << "1/1/00" << QDate() << QDate();
    QTest::newRow("control characters") << "en_US"
                                        << "\u0001\u008D\uFFFF" << today << QDate();
}

void tst_ReminderDate::textToDate()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QDate, today);
    QFETCH(QDate, date);
    QCOMPARE(TextToDate(text, QLocale(locale), today), date);
}

QTEST_APPLESS_MAIN(tst_ReminderDate)
#include "tst_reminderdate.moc"
