// The Windows-1252 table and the +85/-85 shift of the stored setting.

#include "SettingCodec.h"
#include "modHelp.h"

#include <QTest>

#if defined(Q_OS_LINUX) && __has_include(<iconv.h>)
#include <iconv.h>
#define TOLVANE_HAVE_ICONV 1
#endif

using modHelp::DecodeSetting;
using modHelp::EncodeSetting;

namespace
{

QString codes(std::initializer_list<char16_t> units)
{
    QString text;
    for (char16_t unit : units)
        text.append(QChar(unit));
    return text;
}

QString byteName(int byte)
{
    return QStringLiteral("0x%1").arg(byte, 2, 16, QLatin1Char('0'));
}

} // namespace

class tst_SettingCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void highBytes_data();
    void highBytes();
    void agreesWithSystemTable();
    void encodeDecode_data();
    void encodeDecode();
    void everyByte_data();
    void everyByte();
};

void tst_SettingCodec::highBytes_data()
{
    QTest::addColumn<int>("byte");
    QTest::addColumn<int>("character");
    QTest::newRow("euro") << 0x80 << 0x20AC;
    QTest::newRow("S caron") << 0x8A << 0x0160;
    QTest::newRow("trade mark") << 0x99 << 0x2122;
    QTest::newRow("Y diaeresis") << 0x9F << 0x0178;
}

void tst_SettingCodec::highBytes()
{
    QFETCH(int, byte);
    QFETCH(int, character);
    QCOMPARE(int(codepage1252::toUnicode(uchar(byte))), character);
    QCOMPARE(int(codepage1252::fromUnicode(char16_t(character))), byte);
}

void tst_SettingCodec::agreesWithSystemTable()
{
#ifdef TOLVANE_HAVE_ICONV
    iconv_t converter = iconv_open("UTF-16LE", "WINDOWS-1252");
    if (converter == iconv_t(-1))
        QSKIP("the C library has no Windows-1252 table");
    int compared = 0;
    for (int byte = 0; byte < 256; ++byte) {
        char in[1] = {char(byte)};
        char out[4] = {};
        char* inPtr = in;
        char* outPtr = out;
        size_t inLeft = 1;
        size_t outLeft = sizeof out;
        if (iconv(converter, &inPtr, &inLeft, &outPtr, &outLeft) == size_t(-1)) {
            iconv(converter, nullptr, nullptr, nullptr, nullptr);
            continue; // the system table leaves the five unassigned bytes out
        }
        const char16_t expected = char16_t(uchar(out[0]) | (uchar(out[1]) << 8));
        QCOMPARE(int(codepage1252::toUnicode(uchar(byte))), int(expected));
        ++compared;
    }
    iconv_close(converter);
    QVERIFY(compared >= 251);
#else
    QSKIP("no system Windows-1252 table to compare with");
#endif
}

void tst_SettingCodec::encodeDecode_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("encoded");
    QTest::addColumn<bool>("roundTrip");
    QTest::newRow("empty") << QString() << QString() << true;
    QTest::newRow("abc") << QStringLiteral("abc") << codes({182, 183, 184}) << true;
    QTest::newRow("Duration") << QStringLiteral("Duration")
                              << codes({0x2122, 0xCA, 0xC7, 0xB6, 0xC9, 0xBE, 0xC4, 0xC3}) << true;
    QTest::newRow("digit 8 to unassigned 0x8D") << QStringLiteral("8") << codes({0x8D}) << true;
    QTest::newRow("US date") << QStringLiteral("12/5/2026")
                             << codes({0x2020, 0x2021, 0x201E, 0x0160, 0x201E, 0x2021, 0x2026,
                                       0x2021, 0x2039})
                             << true;
    QTest::newRow("dotted date with 9 and 8")
        << QStringLiteral("09.08.1988")
        << codes({0x2026, 0x017D, 0x0192, 0x2026, 0x8D, 0x0192, 0x2020, 0x017D, 0x8D, 0x8D})
        << true;
    QTest::newRow("ISO date with blank")
        << QStringLiteral("2026-12 05")
        << codes({0x2021, 0x2026, 0x2021, 0x2039, 0x201A, 0x2020, 0x2021, u'u', 0x2026, 0x0160})
        << true;
    QTest::newRow("171 and up vanish")
        << QStringLiteral("a\u00AB\u00FFb") << codes({182, 183}) << false;
    QTest::newRow("euro shifts from 128") << QStringLiteral("\u20AC") << codes({213}) << true;
    // A character outside the code page counts as '?' (63), shifted to 148.
    QTest::newRow("A macron") << QStringLiteral("\u0100") << codes({0x201D}) << false;
    QTest::newRow("C1 control 0x80") << QStringLiteral("\u0080") << codes({0x201D}) << false;
    QTest::newRow("CJK and Cyrillic")
        << QStringLiteral("\u4E2D\u0433") << codes({0x201D, 0x201D}) << false;
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) << codes({0x201D}) << false;
}

void tst_SettingCodec::encodeDecode()
{
    QFETCH(QString, plain);
    QFETCH(QString, encoded);
    QFETCH(bool, roundTrip);
    QCOMPARE(EncodeSetting(plain), encoded);
    if (roundTrip)
        QCOMPARE(DecodeSetting(encoded), plain);
}

void tst_SettingCodec::everyByte_data()
{
    QTest::addColumn<int>("byte");
    for (int byte = 0; byte < 256; ++byte)
        QTest::newRow(qPrintable(byteName(byte))) << byte;
}

void tst_SettingCodec::everyByte()
{
    QFETCH(int, byte);
    const char16_t unit = codepage1252::toUnicode(uchar(byte));
    QCOMPARE(int(codepage1252::fromUnicode(unit)), byte);
    const bool unassigned =
        byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
    if (byte < 0x80 || byte >= 0xA0 || unassigned)
        QCOMPARE(int(unit), byte); // Latin-1 and the five unassigned bytes map to themselves
    else
        QVERIFY(unit > 0xFF);

    const QString character(QChar{unit});

    const QString encoded = EncodeSetting(character);
    if (byte + 85 > 255) {
        QVERIFY(encoded.isEmpty());
    } else {
        QCOMPARE(encoded.size(), 1);
        QCOMPARE(int(codepage1252::fromUnicode(encoded.at(0).unicode())), byte + 85);
        QCOMPARE(DecodeSetting(encoded), character);
    }

    const QString decoded = DecodeSetting(character);
    if (byte < 85) {
        QVERIFY(decoded.isEmpty());
    } else {
        QCOMPARE(decoded.size(), 1);
        QCOMPARE(int(codepage1252::fromUnicode(decoded.at(0).unicode())), byte - 85);
        QCOMPARE(EncodeSetting(decoded), character);
    }
}

QTEST_APPLESS_MAIN(tst_SettingCodec)
#include "tst_settingcodec.moc"
