// The Windows-1252 table and the +85/-85 shift of the stored setting.

#include "SettingCodec.h"
#include "modHelp.h"

#include <QTest>

using namespace modHelp;

class tst_SettingCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyByte();
    void encodeDecode_data();
    void encodeDecode();
};

void tst_SettingCodec::everyByte()
{
    for (int byte = 0; byte < 256; ++byte) {
        const char16_t unit = codepage1252::toUnicode(uchar(byte));
        QCOMPARE(int(codepage1252::fromUnicode(unit)), byte);
        // Only 0x80-0x9F leave Latin-1, except the five unassigned bytes.
        const bool unassigned =
            byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
        QCOMPARE(unit > 0xFF, byte >= 0x80 && byte < 0xA0 && !unassigned);

        // Shifted by 85 both ways; a character whose shift leaves 0-255 is dropped.
        const QString character(QChar{unit});
        const QString shifted =
            byte < 171 ? QString(QChar{codepage1252::toUnicode(uchar(byte + 85))}) : QString();
        QCOMPARE(EncodeSetting(character), shifted);
        QCOMPARE(DecodeSetting(shifted), shifted.isEmpty() ? QString() : character);
        QCOMPARE(DecodeSetting(character).isEmpty(), byte < 85);
    }
}

void tst_SettingCodec::encodeDecode_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("encoded");
    QTest::newRow("abc") << "abc" << QStringLiteral("\u00B6\u00B7\u00B8");
    QTest::newRow("digit 8 to unassigned 0x8D") << "8" << QStringLiteral("\u008D");
    // 171 and up vanish; a character outside the code page counts as '?' (63).
    QTest::newRow("dropped and foreign")
        << QStringLiteral("a\u00AB\u4E2Db") << QStringLiteral("\u00B6\u201D\u00B7");
}

void tst_SettingCodec::encodeDecode()
{
    QFETCH(QString, plain);
    QFETCH(QString, encoded);
    QCOMPARE(EncodeSetting(plain), encoded);
}

QTEST_APPLESS_MAIN(tst_SettingCodec)
#include "tst_settingcodec.moc"
