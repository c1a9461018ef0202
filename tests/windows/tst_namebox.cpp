// The main window's name box: typed characters (keys, Ctrl codes, input method
// commits) meet the name filter; editing keys, Alt keys and pasted or dropped
// text do not.

#include "TestSupport.h"
#include "frmMain.h"

#include <QClipboard>
#include <QMimeData>
#include <QRegularExpression>
#include <QTest>

using Act = std::function<void(QLineEdit*)>;
Q_DECLARE_METATYPE(Act)

// Presses `keys` in turn, each carrying `text`; with `clip`, copies it first.
static Act press(const QKeySequence& keys, const QString& text = {}, const QString& clip = {})
{
    return [=](QLineEdit* box) {
        if (!clip.isEmpty())
            QGuiApplication::clipboard()->setText(clip);
        for (int i = 0; i < keys.count(); ++i)
            QTest::sendKeyEvent(QTest::Click, box, keys[i].key(), text,
                                keys[i].keyboardModifiers());
    };
}

// Drops `text` at the end of the box, or commits it as an input method does
// when a dead key or compose sequence ends.
static Act deliver(const QString& text, bool dropped)
{
    return [=](QLineEdit* box) {
        QMimeData data;
        data.setText(text);
        const QPoint end(box->width() - 2, 5);
        QDragEnterEvent enter(end, Qt::CopyAction, &data, Qt::LeftButton, {});
        QDropEvent drop(end, Qt::CopyAction, &data, Qt::LeftButton, {});
        QInputMethodEvent commit;
        commit.setCommitString(text);
        for (QEvent* event : dropped ? QList<QEvent*>{&enter, &drop} : QList<QEvent*>{&commit})
            QCoreApplication::sendEvent(box, event);
    };
}

// "AB|C": the cursor after B; "A[BC]": BC selected.
static QString marked(const QLineEdit* box)
{
    QString text = box->text();
    if (!box->hasSelectedText())
        return text.insert(box->cursorPosition(), '|');
    return text.insert(box->selectionEnd(), ']').insert(box->selectionStart(), '[');
}

class tst_NameBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void entering_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<Act>("act");
        QTest::addColumn<QString>("after"); // each "Please Enter only Letters" as " !"
        const QKeySequence paste = QKeySequence::Paste, altGr = Qt::CTRL | Qt::ALT | Qt::Key_E;
        // clang-format off
        QTest::newRow("small letter") << "AB|" << press(Qt::Key_C, "c") << "ABC|";
        QTest::newRow("digit") << "AB|" << press(Qt::Key_2, "2") << "AB| !";
        QTest::newRow("Delete, 0x7F") << "A|BC" << press(Qt::Key_Delete, "\x7f") << "A|C";
        QTest::newRow("Backspace") << "AB|C" << press(Qt::Key_Backspace, "\b") << "A|C";
        QTest::newRow("keypad Home") << "AB|C" << press(Qt::KeypadModifier | Qt::Key_Home) << "|ABC";
        QTest::newRow("Alt+F") << "AB|" << press(Qt::ALT | Qt::Key_F, "f") << "AB|";
        QTest::newRow("AltGr+E") << "AB|" << press(altGr, "€") << "AB| !";
        QTest::newRow("Ctrl+V, code 22") << "AB|" << press(paste, "\x16", "ann 2b") << "AB| !";
        QTest::newRow("Shift+Insert") << "|A" << press(Qt::SHIFT | Qt::Key_Insert, {}, "b 2") << "b 2|A";
        QTest::newRow("drop") << "AB|" << deliver("ann 2b", true) << "ABann 2b|";
        QTest::newRow("dead key or compose") << "AB|" << deliver("\u00e9a", false) << "ABA| !";
        // clang-format on
    }

    void entering()
    {
        QFETCH(QString, before);
        QFETCH(Act, act);
        TestProgram test;
        test.program.frmMain.show();
        QLineEdit* box = test.program.frmMain.as<frmMain>().txtName;
        const qsizetype open = before.indexOf('['),
                        end = before.indexOf(QRegularExpression("[]|]"));
        box->setText(QString(before).remove(QRegularExpression("[][|]")));
        box->setSelection(int(open < 0 ? end : open), int(open < 0 ? 0 : end - open - 1));
        act(box);
        const QString told = test.fakes.messages.texts().join('|');
        QTEST(marked(box) + QString(told).replace("Please Enter only Letters", " !"), "after");
    }
};

QTEST_MAIN(tst_NameBox)
#include "tst_namebox.moc"
