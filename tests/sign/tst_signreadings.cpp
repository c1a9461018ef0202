#include "SignReadings.h"

#include <QTest>

class tst_SignReadings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void signsAndTheirReadings_data();
    void signsAndTheirReadings();
    void namesThatAreNotSigns_data();
    void namesThatAreNotSigns();
};

void tst_SignReadings::signsAndTheirReadings_data()
{
    QTest::addColumn<QString>("sign");
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("opening");
    QTest::newRow("Aries") << "Aries" << 104 << "This may not have";
    QTest::newRow("Taurus") << "Taurus" << 87 << "You will attain heights";
    QTest::newRow("Gemini") << "Gemini" << 104 << "You will be artistically";
    QTest::newRow("Cancer") << "Cancer" << 93 << "You will not think twice";
    QTest::newRow("Aquarius") << "Aquarius" << 129 << "You will strive to break";
    QTest::newRow("Pisces") << "Pisces" << 284 << "You will make a name";
    for (const char* sign : {"Leo", "Virgo", "Libra", "Scorpio", "Sagittarius", "Capricorn"})
        QTest::newRow(sign) << sign << 0 << "";
}

void tst_SignReadings::signsAndTheirReadings()
{
    QFETCH(QString, sign);
    QFETCH(int, length);
    QFETCH(QString, opening);
    const auto reading = GetSignReading(sign.toStdString());
    QVERIFY(reading.has_value());
    const QString text = QString::fromStdString(std::string(*reading));
    QCOMPARE(text.size(), length);
    QVERIFY(text.startsWith(opening));
    if (length > 0) {
        QVERIFY(text.endsWith(u'.'));
        QVERIFY(!text.contains(QStringLiteral("  ")));
        QCOMPARE(text.trimmed(), text);
    }
}

void tst_SignReadings::namesThatAreNotSigns_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("lower case") << "aries";
    QTest::newRow("blank before") << " Leo";
    QTest::newRow("blank after") << "Leo ";
    QTest::newRow("empty") << "";
    QTest::newRow("other word") << "Ophiuchus";
    QTest::newRow("initial text of the result label") << "lblPowerSign";
}

void tst_SignReadings::namesThatAreNotSigns()
{
    QFETCH(QString, name);
    QVERIFY(!GetSignReading(name.toStdString()).has_value());
}

QTEST_APPLESS_MAIN(tst_SignReadings)
#include "tst_signreadings.moc"
