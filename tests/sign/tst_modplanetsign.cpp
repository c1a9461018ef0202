// The sign table, checked against the table's other form: the list of dates
// on which the sign changes.

#include "modPlanetSign.h"

#include <QDate>
#include <QTest>

#include <string>

using modPlanetSign::ConversionError;
using modPlanetSign::CurrentSign;
using modPlanetSign::FindDudizuSign;

namespace
{

const char* const monthNames[] = {"January",   "February", "March",    "April",
                                  "May",       "June",     "July",     "August",
                                  "September", "October",  "November", "December"};

struct Change {
    QDate from;
    const char* sign;
};

// First day of each span; each span runs until the day before the next one.
const Change changes[] = {
    {{1900, 1, 1}, "Aquarius"}, {{1908, 3, 21}, "Pisces"}, {{1908, 8, 20}, "Aquarius"},
    {{1909, 6, 30}, "Pisces"},  {{1928, 5, 3}, "Aries"},   {{1928, 9, 7}, "Pisces"},
    {{1929, 3, 10}, "Aries"},   {{1948, 5, 29}, "Taurus"}, {{1948, 10, 12}, "Aries"},
    {{1949, 4, 5}, "Taurus"},   {{1969, 6, 28}, "Gemini"}, {{1969, 11, 12}, "Taurus"},
    {{1970, 5, 8}, "Gemini"},   {{1992, 7, 21}, "Cancer"}, {{1992, 12, 18}, "Gemini"},
    {{1993, 6, 2}, "Cancer"},
};

QString signOnDate(QDate date)
{
    QString sign;
    for (const Change& change : changes) {
        if (change.from <= date)
            sign = QString::fromLatin1(change.sign);
    }
    return sign;
}

// The sign, "<none>", or "<fails>" for a conversion failure.
QString lookup(const std::string& year, const std::string& month, const std::string& day)
{
    try {
        const auto sign = LookupDudizuSign(year, month, day);
        return sign ? QString::fromStdString(*sign) : QStringLiteral("<none>");
    } catch (const ConversionError&) {
        return QStringLiteral("<fails>");
    }
}

class DateTexts : public modPlanetSign::BirthDateTexts
{
public:
    DateTexts(std::string year, std::string month, std::string day)
        : year_(std::move(year)), month_(std::move(month)), day_(std::move(day))
    {
    }
    std::string yearText() const override { return year_; }
    std::string monthText() const override { return month_; }
    std::string dayText() const override { return day_; }

private:
    std::string year_, month_, day_;
};

} // namespace

class tst_modPlanetSign : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { CurrentSign.clear(); }

    void everyRealDateAgreesWithTheChangeList_data();
    void everyRealDateAgreesWithTheChangeList();
    void boundaries_data();
    void boundaries();
    void texts_data();
    void texts();
    void currentSignKeepsItsValueWithoutASign();
};

void tst_modPlanetSign::everyRealDateAgreesWithTheChangeList_data()
{
    QTest::addColumn<int>("year");
    for (int year = 1900; year <= 2012; ++year)
        QTest::addRow("%d", year) << year;
}

void tst_modPlanetSign::everyRealDateAgreesWithTheChangeList()
{
    QFETCH(int, year);
    for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1)) {
        const QString got =
            lookup(std::to_string(year), monthNames[date.month() - 1], std::to_string(date.day()));
        if (got != signOnDate(date))
            QFAIL(qPrintable(date.toString(Qt::ISODate) + ": got " + got + ", expected " +
                             signOnDate(date)));
    }
}

void tst_modPlanetSign::boundaries_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("lastDay");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    const struct {
        int year, month, day;
        const char *before, *after;
    } rows[] = {
        {1908, 3, 20, "Aquarius", "Pisces"}, {1908, 8, 19, "Pisces", "Aquarius"},
        {1909, 6, 29, "Aquarius", "Pisces"}, {1928, 5, 2, "Pisces", "Aries"},
        {1928, 9, 6, "Aries", "Pisces"},     {1929, 3, 9, "Pisces", "Aries"},
        {1948, 5, 28, "Aries", "Taurus"},    {1948, 10, 11, "Taurus", "Aries"},
        {1949, 4, 4, "Aries", "Taurus"},     {1969, 6, 27, "Taurus", "Gemini"},
        {1969, 11, 11, "Gemini", "Taurus"},  {1970, 5, 7, "Taurus", "Gemini"},
        {1992, 7, 20, "Gemini", "Cancer"},   {1992, 12, 17, "Cancer", "Gemini"},
        {1993, 6, 1, "Gemini", "Cancer"},
    };
    for (const auto& row : rows)
        QTest::addRow("%d-%02d-%02d", row.year, row.month, row.day)
            << row.year << row.month << row.day << QString(row.before) << QString(row.after);
}

void tst_modPlanetSign::boundaries()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, lastDay);
    QFETCH(QString, before);
    QFETCH(QString, after);
    const std::string y = std::to_string(year);
    QCOMPARE(lookup(y, monthNames[month - 1], std::to_string(lastDay)), before);
    QCOMPARE(lookup(y, monthNames[month - 1], std::to_string(lastDay + 1)), after);
    // Leading zeros on the day do not change its value.
    QCOMPARE(lookup(y, monthNames[month - 1], "0" + std::to_string(lastDay)), before);
}

void tst_modPlanetSign::texts_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("result");
    // Each row: name, year, month and day texts, and the sign, "<none>" or "<fails>".
    const QString nines(400, u'9');
    // clang-format off
    const struct {
        const char* name;
        QString year, month, day, result;
    } rows[] = {
        {"31 June 1909", "1909", "June", "31", "Pisces"},
        {"30 February 1908", "1908", "February", "30", "Aquarius"},
        {"leading zero, whole year", "01950", "March", "1", "Taurus"},
        {"leading zeros, transition year", "0001908", "March", "21", "Pisces"},
        {"1899", "1899", "December", "31", "<none>"},
        {"not a whole number", "1950.5", "March", "1", "<none>"},
        {"beyond double range", nines, "March", "1", "<none>"},
        {"lower case, transition year", "1908", "march", "1", "<none>"},
        {"lower case, whole year", "1950", "march", "1", "Taurus"},
        {"blank after, transition year", "1908", "March ", "1", "<none>"},
        {"letters as year", "abc", "March", "1", "<fails>"},
        {"empty year", "", "March", "1", "<fails>"},
        {"year with exponent", "1.95e3", "March", "1", "<fails>"},
        {"whole year, bad day", "1950", "March", "x", "Taurus"},
        {"unsplit month, bad day", "1908", "April", "x", "Pisces"},
        {"split month, bad day", "1908", "March", "x", "<fails>"},
        {"split month, day 7a", "1970", "May", "7a", "<fails>"},
    };
    // clang-format on
    for (const auto& row : rows)
        QTest::newRow(row.name) << row.year << row.month << row.day << row.result;
}

void tst_modPlanetSign::texts()
{
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QString, result);
    QCOMPARE(lookup(year.toStdString(), month.toStdString(), day.toStdString()), result);
}

void tst_modPlanetSign::currentSignKeepsItsValueWithoutASign()
{
    QVERIFY(CurrentSign.empty());
    FindDudizuSign(DateTexts("1935", "July", "4"));
    QCOMPARE(CurrentSign, std::string("Aries"));
    FindDudizuSign(DateTexts("2013", "July", "4"));
    FindDudizuSign(DateTexts("1908", "july", "4"));
    QCOMPARE(CurrentSign, std::string("Aries"));
    // A conversion failure is a std::exception, which is what the find command catches.
    QVERIFY_THROWS_EXCEPTION(std::exception, FindDudizuSign(DateTexts("1908", "March", "?")));
    QCOMPARE(CurrentSign, std::string("Aries"));
    FindDudizuSign(DateTexts("1908", "March", "21"));
    QCOMPARE(CurrentSign, std::string("Pisces"));
}

QTEST_APPLESS_MAIN(tst_modPlanetSign)
#include "tst_modplanetsign.moc"
