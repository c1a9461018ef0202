// The update reminder with its stored date, and the setting codec.

#include "ReminderDate.h"
#include "SettingCodec.h"
#include "UpdateReminder.h"
#include "modHelp.h"

#include "TestSupport.h"

using modHelp::DecodeSetting;
using modHelp::EncodeSetting;
using platform::MessageBoxes;

class tst_Modules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyByte()
    {
        QString table;
        for (int byte = 0; byte < 256; ++byte) {
            const char16_t unit = codepage1252::toUnicode(uchar(byte));
            QCOMPARE(int(codepage1252::fromUnicode(unit)), byte);
            // Only 0x80-0x9F leave Latin-1, except the five unassigned bytes.
            table += QChar(unit == byte ? u'=' : unit);
            // Shifted by 85 both ways; a character whose shift leaves 0-255 is dropped.
            const QString character(QChar{unit});
            const QString shifted =
                byte < 171 ? QString(QChar{codepage1252::toUnicode(uchar(byte + 85))}) : QString();
            QCOMPARE(EncodeSetting(character), shifted);
            QCOMPARE(DecodeSetting(shifted), shifted.isEmpty() ? QString() : character);
            QCOMPARE(DecodeSetting(character).isEmpty(), byte < 85);
        }
        const QString high = QStringLiteral(
            "\u20AC=\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030\u0160\u2039\u0152=\u017D="
            "=\u2018\u2019\u201C\u201D\u2022\u2013\u2014\u02DC\u2122\u0161\u203A\u0153="
            "\u017E\u0178");
        QCOMPARE(table, QString(128, u'=') + high + QString(96, u'='));
        // A character outside the code page counts as '?' (63).
        QCOMPARE(EncodeSetting(QStringLiteral("a\u00AB\u4E2Db")),
                 QStringLiteral("\u00B6\u201D\u00B7"));
    }

    // Each row: the locale, the text ("written": the one the program itself
    // writes) and the date, none when the text is not one.
    void dateText_data()
    {
        QStringList rows;
        // en_US, de_DE and es_ES write two-digit years in their short format.
        for (const QString locale : {"en_US", "de_DE", "es_ES", "ko_KR", "ar_EG", "C"})
            rows << locale + "|written|1999-12-31" << locale + "|written|2000-01-01";
        // Today is 5 December 2026: a two-digit year lies nearest to it.
        rows << "en_US|1/1/00|2000-01-01"
             << "en_US|1/1/77|1977-01-01"
             << "en_US|6/1/76|2076-06-01"
             << "en_US|hello|"
             << "de_DE|12/5/2026|"; // the last: another user's format
        addRows(rows);
    }
    void dateText()
    {
        const QStringList cells = ::cells();
        const QLocale locale(cells[0]);
        const QDate date = QDate::fromString(cells[2], Qt::ISODate);
        QString text = cells[1];
        if (text == "written") {
            // Written with a four-digit year, and unchanged by the settings shift.
            text = reminderdate::DateToText(date, locale);
            QVERIFY2(text.contains(QString::number(date.year())), qPrintable(text));
            QCOMPARE(DecodeSetting(EncodeSetting(text)), text);
        }
        QCOMPARE(reminderdate::TextToDate(text, locale, QDate(2026, 12, 5)), date);
    }

    // Each row: the date stored ("-" for none), whether the store is writable,
    // the answer to the question, and whether it is asked. Today is 5 December 2026.
    void reminder_data()
    {
        addRows({"- writable Yes quiet", "11/21/2026 writable Yes quiet",
                 "11/20/2026 writable Yes asks", "11/20/2026 writable No asks",
                 "12/19/2026 writable Yes quiet", "12/20/2026 writable No asks",
                 "13/1/2026 writable Yes quiet", "- unwritable Yes quiet",
                 "11/20/2026 unwritable Yes asks"});
    }
    void reminder()
    {
        const QStringList cells = ::cells(' ');
        const QString stored = cells[0] == "-" ? QString() : EncodeSetting(cells[0]);
        const bool writable = cells[1] == "writable", yes = cells[2] == "Yes",
                   asks = cells[3] == "asks";
        // The entry is "Duration" shifted, under the program's name.
        const QString entry = platform::fake::MemorySettings::path(
            QCoreApplication::applicationName(), QStringLiteral("Settings"),
            QStringLiteral("\u2122\u00CA\u00C7\u00B6\u00C9\u00BE\u00C4\u00C3"));
        platform::fake::FakeServices fake;
        fake.messages.answers.push_back(yes ? MessageBoxes::Answer::Yes : MessageBoxes::Answer::No);
        fake.settings.writable = writable;
        if (!stored.isNull())
            fake.settings.values.insert(entry, stored);

        modHelp::CheckUpdateReminder(fake.services, QLocale(QStringLiteral("en_US")));

        // The first start and every question store today; nothing else writes.
        const bool rewrites = writable && (stored.isNull() || asks);
        QCOMPARE(fake.settings.values.value(entry), rewrites ? EncodeSetting("12/5/2026") : stored);
        QCOMPARE(fake.settings.writes, rewrites ? 1 : 0);
        const bool opens = rewrites && asks && yes;
        QCOMPARE(fake.browser.opened,
                 QStringList(opens, "http://tolvane.sorrelwick.com/download-tolvane.html"));
        QCOMPARE(fake.messages.texts(),
                 QStringList(asks, "There maybe an update to this software available\r"
                                   "Do you want to check for an update?"));
        const auto box = fake.messages.shown.value(0);
        QVERIFY(!asks || (box.icon == MessageBoxes::Icon::Information &&
                          box.buttons == MessageBoxes::Buttons::YesNo && box.title == "Tolvane"));
    }
};

QTEST_GUILESS_MAIN(tst_Modules)
#include "tst_modules.moc"
