// The key filter of text boxes: typed characters pass through a handler that
// may keep, change or drop each one.

#include "KeyPressFilter.h"

#include <QLineEdit>
#include <QTest>

class tst_KeyPressFilter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keyCodes_data();
    void keyCodes();
    void typedKeys_data();
    void typedKeys();
    void commandKeysAndPasteBypassTheHandler();
};

void tst_KeyPressFilter::keyCodes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code");
    QTest::newRow("nothing typed") << QString() << 0;
    QTest::newRow("letter") << QStringLiteral("a") << 97;
    QTest::newRow("blank") << QStringLiteral(" ") << 32;
    QTest::newRow("backspace") << QStringLiteral("\b") << 8;
    QTest::newRow("latin-1 letter") << QStringLiteral("\u00e9") << 0xE9;
    QTest::newRow("highest 16-bit code") << QStringLiteral("\u7fff") << 0x7FFF;
    QTest::newRow("above 16-bit codes") << QStringLiteral("\u8000") << 63;
    QTest::newRow("outside the basic plane") << QStringLiteral("\U0001F600") << 63;
}

void tst_KeyPressFilter::keyCodes()
{
    QFETCH(QString, text);
    QFETCH(int, code);
    QCOMPARE(int(forms::KeyPressFilter::keyCode(text)), code);
}

void tst_KeyPressFilter::typedKeys_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    // The handler below makes small letters capitals, drops digits and keeps
    // everything else.
    QTest::newRow("kept") << QStringLiteral("AB C") << QStringLiteral("AB C");
    QTest::newRow("changed") << QStringLiteral("ab") << QStringLiteral("AB");
    QTest::newRow("dropped") << QStringLiteral("a1b2") << QStringLiteral("AB");
}

void tst_KeyPressFilter::typedKeys()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    QLineEdit box;
    QList<int> seen;
    forms::onKeyPress(&box, [&seen](std::int16_t& code) {
        seen.append(code);
        if (code >= 'a' && code <= 'z')
            code = std::int16_t(code - 32);
        else if (code >= '0' && code <= '9')
            code = 0;
    });
    QTest::keyClicks(&box, typed);
    QCOMPARE(box.text(), expected);
    QCOMPARE(seen.size(), typed.size());
    // Backspace reaches the handler too, and still erases when kept.
    QTest::keyClick(&box, Qt::Key_Backspace);
    QCOMPARE(seen.last(), 8);
    QCOMPARE(box.text(), expected.chopped(1));
}

void tst_KeyPressFilter::commandKeysAndPasteBypassTheHandler()
{
    QLineEdit box;
    int calls = 0;
    forms::onKeyPress(&box, [&calls](std::int16_t& code) {
        ++calls;
        code = 0;
    });
    QTest::keyClick(&box, Qt::Key_Tab);
    QCOMPARE(calls, 0);
    // Esc and Ctrl combinations are commands, not characters.
    QTest::keyClick(&box, Qt::Key_Escape);
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(calls, 0);
    // Ctrl+Alt is AltGr on some keyboards: it types a character.
    QTest::keyClick(&box, Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier);
    QCOMPARE(calls, 1);
    box.insert(QStringLiteral("pasted text"));
    QCOMPARE(box.text(), QStringLiteral("pasted text"));
    QCOMPARE(calls, 1);
}

QTEST_MAIN(tst_KeyPressFilter)
#include "tst_keypressfilter.moc"
