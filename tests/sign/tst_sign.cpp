// The sign engine: the name filter, the sign table (checked against its other
// form, the list of dates on which the sign changes) and the readings.

#include "BirthData.h"
#include "SignReadings.h"
#include "TestSupport.h"
#include "modPlanetSign.h"

#include <QDate>

namespace
{

// The first day of each span and its sign; each span runs until the day before
// the next one.
const QStringList changes =
    QString("1900-01-01 Aquarius;1908-03-21 Pisces;1908-08-20 Aquarius;1909-06-30 Pisces;"
            "1928-05-03 Aries;1928-09-07 Pisces;1929-03-10 Aries;1948-05-29 Taurus;"
            "1948-10-12 Aries;1949-04-05 Taurus;1969-06-28 Gemini;1969-11-12 Taurus;"
            "1970-05-08 Gemini;1992-07-21 Cancer;1992-12-18 Gemini;1993-06-02 Cancer")
        .split(';');

// The sign, "<none>", or "<fails>" for a conversion failure.
QString lookup(const QString& year, const QString& month, const QString& day)
{
    try {
        const auto sign =
            LookupDudizuSign(year.toStdString(), month.toStdString(), day.toStdString());
        return sign ? QString::fromStdString(*sign) : QStringLiteral("<none>");
    } catch (const modPlanetSign::ConversionError&) {
        return QStringLiteral("<fails>");
    }
}

} // namespace

class tst_Sign : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nameFilterOverEveryCode()
    {
        // Every 16-bit code: each passing one with what it becomes; a refused one
        // becomes 0 ("!" marks one that does not).
        QString passed, expected;
        for (int value = -32768; value <= 32767; ++value) {
            const birthdata::NameKey key = birthdata::FilterNameKey(std::int16_t(value));
            if (!key.refused || key.code != 0)
                passed += QString(QChar(value)) + QChar(key.code) + (key.refused ? "!" : "");
        }
        for (QChar c : QStringLiteral("\b\r ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"))
            expected += QString(c) + c.toUpper();
        QCOMPARE(passed, expected);
    }

    void everyRealDateAgreesWithTheChangeList()
    {
        const QLocale english(QLocale::English);
        auto change = changes.cbegin();
        for (QDate date(1900, 1, 1); date.year() <= 2012; date = date.addDays(1)) {
            if (change + 1 != changes.cend() && change[1].startsWith(date.toString(Qt::ISODate)))
                ++change;
            const QString got =
                lookup(QString::number(date.year()), english.monthName(date.month()),
                       QString::number(date.day()));
            if (got != change->section(' ', 1))
                QFAIL(qPrintable(date.toString(Qt::ISODate) + ": got " + got));
        }
    }

    void texts_data()
    {
        // Year, month and day texts, and the sign, "<none>" or "<fails>": blanks
        // around numbers, leading zeros, fractions, case, and what is read when.
        addRows({"0001908|March|21|Pisces", "1908|March|020|Aquarius", " 1950 |March|1|Taurus",
                 "1908 |March|21|Pisces",   "1908|March|21 |Pisces",   "1908|March| 20|Aquarius",
                 "1899|December|31|<none>", "2013|January|1|<none>",   "1950.5|March|1|<none>",
                 "1908|march|1|<none>",     "1950|march|1|Taurus",     "1908|March |1|<none>",
                 "abc|March|1|<fails>",     "|March|1|<fails>",        "1.95e3|March|1|<fails>",
                 "1950|March|x|Taurus",     "1908|April|x|Pisces",     "1908|March|x|<fails>",
                 "1970|May|7a|<fails>",     "1909|June|31|Pisces"});
        QTest::newRow("beyond double range") << QString(400, u'9') + "|March|1|<none>";
    }
    void texts()
    {
        const QStringList t = cells();
        QCOMPARE(lookup(t[0], t[1], t[2]), t[3]);
    }

    void readings_data()
    {
        // Each row: the name, the reading's length (-1: no sign) and its first words.
        addRows({"Aries|104|This may not have", "Taurus|87|You will attain heights",
                 "Gemini|104|You will be artistically", "Cancer|93|You will not think twice",
                 "Aquarius|129|You will strive to break", "Pisces|284|You will make a name",
                 "Leo|0|", "Virgo|0|", "Libra|0|", "Scorpio|0|", "Sagittarius|0|", "Capricorn|0|",
                 "aries|-1|", " Leo|-1|", "Leo |-1|", "|-1|", "Ophiuchus|-1|", "lblPowerSign|-1|"});
    }
    void readings()
    {
        const QStringList t = cells();
        const auto reading = GetSignReading(t[0].toStdString());
        const QString text = QString::fromUtf8(reading.value_or(""));
        QCOMPARE(reading ? QString::number(text.size()) : QString("-1"), t[1]);
        QVERIFY(text.startsWith(t[2]));
        QVERIFY(text.isEmpty() || (text.endsWith(u'.') && text.simplified() == text));
    }
};

QTEST_APPLESS_MAIN(tst_Sign)
#include "tst_sign.moc"
