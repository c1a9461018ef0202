// The key filter of text boxes: typed characters pass through a handler that
// may keep, change or drop each one; command keys never reach it.

#include "KeyPressFilter.h"

#include <QLineEdit>
#include <QTest>

class tst_KeyPressFilter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keys_data()
    {
        QTest::addColumn<char>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("result"); // the box held "x" before the key
        QTest::newRow("kept") << 'B' << 0 << "xB";
        QTest::newRow("changed") << 'b' << 0 << "xB";
        QTest::newRow("dropped") << '5' << 0 << "x";
        // Had the handler seen these, it would have typed "?" or "A".
        QTest::newRow("Tab") << '\t' << 0 << "x";
        QTest::newRow("Esc") << '\x1b' << 0 << "x";
        QTest::newRow("Ctrl+A") << 'a' << int(Qt::ControlModifier) << "x";
        // Ctrl+Alt is AltGr on some keyboards: it types a character.
        QTest::newRow("Ctrl+Alt+Q") << 'q' << int(Qt::ControlModifier | Qt::AltModifier) << "xQ";
    }

    void keys()
    {
        QFETCH(char, key);
        QFETCH(int, modifiers);
        QLineEdit box(QStringLiteral("x"));
        // Letters become capitals, digits are dropped, anything else becomes "?".
        forms::onKeyPress(&box, [](std::int16_t& code) {
            const QChar typed{char16_t(code)};
            code = typed.isDigit() ? 0 : typed.isLetter() ? typed.toUpper().unicode() : '?';
        });
        QTest::keyClick(&box, key, Qt::KeyboardModifiers(modifiers));
        QTEST(box.text(), "result");
    }
};

QTEST_MAIN(tst_KeyPressFilter)
#include "tst_keypressfilter.moc"
