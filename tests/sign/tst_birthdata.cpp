#include "BirthData.h"

#include <QTest>

using namespace birthdata;

class tst_BirthData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void nameFilterOverEveryCode();
    void dateCheck_data();
    void dateCheck();
};

void tst_BirthData::nameFilterOverEveryCode()
{
    // Every 16-bit code falls in one class; the passing codes are exactly these.
    QString unchanged, capitalised;
    int refused = 0;
    for (int value = -32768; value <= 32767; ++value) {
        const NameKey key = FilterNameKey(static_cast<std::int16_t>(value));
        if (key.refused) {
            QCOMPARE(key.code, 0);
            ++refused;
        } else if (key.code == value) {
            unchanged.append(QChar(value));
        } else {
            QCOMPARE(key.code, value - 32);
            capitalised.append(QChar(value));
        }
    }
    QCOMPARE(unchanged, QStringLiteral("\b\r ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    QCOMPARE(capitalised, QStringLiteral("abcdefghijklmnopqrstuvwxyz"));
    QCOMPARE(refused, 65536 - 55);
}

void tst_BirthData::dateCheck_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month"); // 1-12 here; the check takes positions from 0
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("message"); // empty: the date passes
    const QString feb = "Please Enter Correct Date Or Month!";
    const QString thirty = "Please Enter Correct Date Or Month !";
    const QString name = "Please Enter Your Name";

    QTest::newRow("empty name beats 31 April") << "" << 31 << 4 << 1950 << name;
    QTest::newRow("blanks are a name") << "   " << 1 << 1 << 1950 << "";
    for (int year : {1900, 1904, 2000, 2012})
        QTest::addRow("29 February %d passes", year) << "A" << 29 << 2 << year << "";
    for (int year : {1901, 1999})
        QTest::addRow("29 February %d fails", year) << "A" << 29 << 2 << year << feb;
    for (int year : {1901, 2000})
        QTest::addRow("30 February %d fails", year) << "A" << 30 << 2 << year << feb;
    QTest::newRow("28 February 1901 passes") << "A" << 28 << 2 << 1901 << "";
    for (int month : {1, 3, 5, 7, 8, 10, 12})
        QTest::addRow("31st of month %d passes", month) << "A" << 31 << month << 1950 << "";
    for (int month : {4, 6, 9, 11}) {
        QTest::addRow("31st of month %d fails", month) << "A" << 31 << month << 1950 << thirty;
        QTest::addRow("30th of month %d passes", month) << "A" << 30 << month << 1950 << "";
    }
}

void tst_BirthData::dateCheck()
{
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(QString, message);
    const Verdict verdict = CheckBirthData(name.toStdString(), day - 1, month - 1, year);
    QCOMPARE(verdict.ok, message.isEmpty());
    QCOMPARE(QString::fromLatin1(verdict.message.data(), verdict.message.size()), message);
    // Only the name message sends the focus back to the name box.
    QCOMPARE(verdict.focusName, name.isEmpty());
}

QTEST_APPLESS_MAIN(tst_BirthData)
#include "tst_birthdata.moc"
