#include "BirthData.h"

#include <QTest>

using namespace birthdata;

class tst_BirthData : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void nameFilterOverEveryCode();
    void dateCheck_data();
    void dateCheck();
};

void tst_BirthData::nameFilterOverEveryCode()
{
    int capitals = 0, lowered = 0, passed = 0, refused = 0;
    for (int value = -32768; value <= 32767; ++value) {
        const auto code = static_cast<std::int16_t>(value);
        const NameKey key = FilterNameKey(code);
        if (value >= 'A' && value <= 'Z') {
            QCOMPARE(key.code, code);
            QVERIFY(!key.refused);
            ++capitals;
        } else if (value >= 'a' && value <= 'z') {
            QCOMPARE(key.code, static_cast<std::int16_t>(value - ('a' - 'A')));
            QVERIFY(!key.refused);
            ++lowered;
        } else if (value == 8 || value == 13 || value == 32) {
            QCOMPARE(key.code, code);
            QVERIFY(!key.refused);
            ++passed;
        } else {
            if (key.code != 0 || !key.refused)
                QFAIL(qPrintable(QString("code %1 was not refused").arg(value)));
            ++refused;
        }
    }
    QCOMPARE(capitals, 26);
    QCOMPARE(lowered, 26);
    QCOMPARE(passed, 3);
    QCOMPARE(refused, 65536 - 55);
}

void tst_BirthData::dateCheck_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month"); // 1-12 here; the check takes positions from 0
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message"); // empty: the date passes
    QTest::addColumn<bool>("focusName");

    const QString feb = QString::fromLatin1(FebruaryMessage.data(), FebruaryMessage.size());
    const QString thirty =
        QString::fromLatin1(ThirtyDayMonthMessage.data(), ThirtyDayMonthMessage.size());
    const QString name = QString::fromLatin1(EnterNameMessage.data(), EnterNameMessage.size());
    QCOMPARE(feb, QStringLiteral("Please Enter Correct Date Or Month!"));
    QCOMPARE(thirty, QStringLiteral("Please Enter Correct Date Or Month !"));
    QCOMPARE(name, QStringLiteral("Please Enter Your Name"));

    QTest::newRow("empty name beats 31 April") << "" << 31 << 4 << 1950 << name << true;
    QTest::newRow("blanks are a name") << "   " << 1 << 1 << 1950 << "" << false;
    for (int year : {1900, 1904, 2000, 2012})
        QTest::addRow("29 February %d passes", year) << "A" << 29 << 2 << year << "" << false;
    for (int year : {1901, 1999})
        QTest::addRow("29 February %d fails", year) << "A" << 29 << 2 << year << feb << false;
    for (int year : {1901, 2000})
        QTest::addRow("30 February %d fails", year) << "A" << 30 << 2 << year << feb << false;
    QTest::newRow("28 February 1901 passes") << "A" << 28 << 2 << 1901 << "" << false;
    for (int month : {1, 3, 5, 7, 8, 10, 12})
        QTest::addRow("31st of month %d passes", month) << "A" << 31 << month << 1950 << ""
                                                        << false;
    for (int month : {4, 6, 9, 11}) {
        QTest::addRow("31st of month %d fails", month) << "A" << 31 << month << 1950 << thirty
                                                       << false;
        QTest::addRow("30th of month %d passes", month) << "A" << 30 << month << 1950 << ""
                                                        << false;
    }
}

void tst_BirthData::dateCheck()
{
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, message);
    QFETCH(bool, focusName);
    const Verdict verdict = CheckBirthData(name.toStdString(), day - 1, month - 1, year);
    QCOMPARE(verdict.ok, message.isEmpty());
    QCOMPARE(QString::fromLatin1(verdict.message.data(), verdict.message.size()), message);
    QCOMPARE(verdict.focusName, focusName);
}

QTEST_APPLESS_MAIN(tst_BirthData)
#include "tst_birthdata.moc"
