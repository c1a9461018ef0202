// Every window as a screen reader, the keyboard, a dark desktop theme and a
// high-density screen meet it. CMake runs this test at scale 1 and at scale 2.

#include "Appearance.h"
#include "TestSupport.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStyle>
#include <QTest>

using Slot = forms::FormSlot Program::*;
Q_DECLARE_METATYPE(Slot)

namespace
{

struct Shown {
    QColor text, background;
    bool operator==(const Shown&) const = default;
};

// The colours a widget's text is painted in: the text role of its kind on the
// background of the nearest widget that paints one.
Shown shownColours(QWidget* w)
{
    const QPalette& p = w->palette();
    if (qobject_cast<QPushButton*>(w) || qobject_cast<QMenuBar*>(w))
        return {p.color(QPalette::ButtonText),
                p.color(qobject_cast<QMenuBar*>(w) ? QPalette::Window : QPalette::Button)};
    if (qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w) ||
        qobject_cast<QPlainTextEdit*>(w))
        return {p.color(QPalette::Text), p.color(QPalette::Base)};
    QWidget* painter = w;
    while (!painter->autoFillBackground() && !painter->isWindow())
        painter = painter->parentWidget();
    return {p.color(QPalette::WindowText), painter->palette().color(QPalette::Window)};
}

QString textOf(QWidget* w)
{
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    if (auto* box = qobject_cast<QGroupBox*>(w))
        return box->title();
    return w->inherits("QMenuBar") || w->inherits("QComboBox") || w->inherits("QLineEdit") ||
                   w->inherits("QPlainTextEdit")
               ? QStringLiteral("*")
               : QString();
}

} // namespace

class tst_WindowLook : public QObject
{
    Q_OBJECT

    // Per window: the Tab order from the control that has the focus at first,
    // and the order in which a reader meets the controls.
    static void addWindows()
    {
        QTest::addColumn<Slot>("slot");
        QTest::addColumn<QString>("tabs");
        QTest::addColumn<QString>("read");
        const QString find = "Find My Zorivi Astrology Sign";
        QTest::newRow("main") << &Program::frmMain
                              << "Name|Date|Month|Year|" + find + "|Exit|link|link"
                              << "link|Name|Date|Month|Year|" + find + "|link|Exit";
        QTest::newRow("result") << &Program::frmDisplay << "Exit|Back|link|link"
                                << "link|Exit|Back|link";
        QTest::newRow("about") << &Program::frmAbout << "OK|link|link"
                               << "link|link|OK";
        const QString form = "Your name|Your email address|Friend's name|Friend's email address|";
        QTest::newRow("refer")
            << &Program::frmReferFriend
            << "Exit|check|Your name|Refer A Friend Now|Your email address|Friend's email "
               "address|Friend's name|Message|link"
            << "check|link|Exit|" + form + "Refer A Friend Now|Message";
    }

    // How the controls of the window are called: links and the check box by their kind.
    static QString callName(QAccessibleInterface* node)
    {
        const QAccessible::Role role = node->role();
        return role == QAccessible::Link       ? "link"
               : role == QAccessible::CheckBox ? "check"
                                               : node->text(QAccessible::Name);
    }

    static void walk(QAccessibleInterface* node, QStringList& read)
    {
        const QAccessible::Role role = node->role();
        if (node->state().focusable && !node->state().invisible && role != QAccessible::List)
            read << callName(node);
        const bool needsName = role == QAccessible::Link || role == QAccessible::PushButton ||
                               role == QAccessible::CheckBox || role == QAccessible::ComboBox ||
                               role == QAccessible::EditableText || role == QAccessible::Window ||
                               role == QAccessible::Dialog;
        QVERIFY2(!needsName || !node->text(QAccessible::Name).isEmpty(),
                 qPrintable(node->object()->metaObject()->className()));
        if (role == QAccessible::Link)
            QCOMPARE(node->text(QAccessible::Name), static_cast<QLabel*>(node->object())->text());
        for (int i = 0; role != QAccessible::ComboBox && i < node->childCount(); ++i)
            walk(node->child(i), read);
    }

private Q_SLOTS:
    void accessibleAndKeys_data() { addWindows(); }
    void accessibleAndKeys()
    {
        QFETCH(Slot, slot);
        QFETCH(QString, tabs);
        QFETCH(QString, read);
        TestProgram tp;
        forms::Form& window = (tp.program.*slot).form();
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
        QCOMPARE(root->role(),
                 slot == &Program::frmAbout ? QAccessible::Dialog : QAccessible::Window);
        QStringList inTree;
        walk(root, inTree);
        QCOMPARE(inTree.join('|'), read);
        // Tab goes round every control once, the links last; Enter or Space opens a link,
        // and so does its press action.
        QStringList tabbed;
        for (int i = 0; i <= tabs.count('|'); ++i) {
            QWidget* focused = QApplication::focusWidget();
            QAccessibleInterface* node = QAccessible::queryAccessibleInterface(focused);
            tabbed << callName(node);
            if (node->role() == QAccessible::Link) {
                const qsizetype opened = tp.fakes.browser.opened.size();
                QTest::keyClick(focused, i % 2 ? Qt::Key_Return : Qt::Key_Space);
                node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
                QCOMPARE(tp.fakes.browser.opened.size(), opened + 2);
            }
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(tabbed.join('|'), tabs);
        QCOMPARE(callName(QAccessible::queryAccessibleInterface(QApplication::focusWidget())),
                 tabs.section('|', 0, 0));
    }

    // Under a dark theme a text keeps the colours the window gives it, or
    // takes the theme's with a contrast of at least 4.5:1.
    void darkTheme_data() { addWindows(); }
    void darkTheme()
    {
        QFETCH(Slot, slot);
        const auto colours = [slot](const QPalette& theme) {
            QApplication::setPalette(theme);
            TestProgram tp;
            QList<std::pair<QString, Shown>> shown;
            for (QWidget* w : (tp.program.*slot).form().findChildren<QWidget*>())
                if (!textOf(w).isEmpty())
                    shown.append({textOf(w), shownColours(w)});
            return shown;
        };
        const QPalette light = QApplication::style()->standardPalette();
        QPalette dark(QColor(53, 53, 53), QColor(40, 40, 40));
        dark.setColor(QPalette::WindowText, Qt::white);
        dark.setColor(QPalette::ButtonText, Qt::white);
        dark.setColor(QPalette::Text, Qt::white);
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        const auto before = colours(light), after = colours(dark);
        QApplication::setPalette(light);
        QCOMPARE(after.size(), before.size());
        for (qsizetype i = 0; i < after.size(); ++i) {
            const auto& [text, shown] = after.at(i);
            QVERIFY2(shown == before.at(i).second ||
                         forms::contrastRatio(shown.text, shown.background) >= 4.5,
                     qPrintable(text + ' ' + shown.text.name() + " on " + shown.background.name()));
        }
    }

    // At any scale the window is its size in device pixels times the scale, and every text fits.
    void scaledTextFits_data() { addWindows(); }
    void scaledTextFits()
    {
        QFETCH(Slot, slot);
        TestProgram tp;
        forms::Form& window = (tp.program.*slot).form();
        window.show();
        const double scale = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
        QCOMPARE(window.grab().size(), window.size() * scale);
        for (QWidget* w : window.findChildren<QWidget*>()) {
            const QString text = textOf(w);
            const QSize needed = w->fontMetrics().size(Qt::TextShowMnemonic, text);
            if (auto* label = qobject_cast<QLabel*>(w); label && label->wordWrap())
                QVERIFY2(label->heightForWidth(w->width()) <= w->height(), qPrintable(text));
            else if (!text.isEmpty() && text != "*")
                QVERIFY2(needed.width() <= w->width() && needed.height() <= w->height(),
                         qPrintable(text));
        }
    }
};

QTEST_MAIN(tst_WindowLook)
#include "tst_windowlook.moc"
