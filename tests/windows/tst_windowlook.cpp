// Every window as a screen reader, the keyboard, a dark desktop theme and a
// high-density screen meet it. CMake runs this test at scale 1 and at scale 2.

#include "Controls.h"
#include "TestSupport.h"

#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <QStyle>

using Slot = forms::FormSlot ProgramWindows::*;
Q_DECLARE_METATYPE(Slot)

namespace
{

using Shown = std::pair<QColor, QColor>; // text on background

// The colours a widget's text is painted in, on its own background or (labels,
// check boxes, the menu bar) on the colour its panel passes down to it.
Shown shownColours(QWidget* w)
{
    const QPalette& p = w->palette();
    if (w->inherits("QComboBox") || w->inherits("QLineEdit") || w->inherits("QPlainTextEdit"))
        return {p.color(QPalette::Text), p.color(QPalette::Base)};
    if (w->inherits("QPushButton"))
        return {p.color(QPalette::ButtonText), p.color(QPalette::Button)};
    return {p.color(w->inherits("QMenuBar") ? QPalette::ButtonText : QPalette::WindowText),
            p.color(QPalette::Window)};
}

// How a reader calls a control: links and the check box by their kind, a list
// by the caption that labels it and its entry.
QString callName(QAccessibleInterface* node)
{
    const QAccessible::Role role = node->role();
    QString name = node->text(QAccessible::Name);
    for (const auto& [label, relation] : node->relations(QAccessible::Label))
        if (role == QAccessible::ComboBox)
            name.prepend(label->text(QAccessible::Name) + ' ');
    return role == QAccessible::Link ? "link" : role == QAccessible::CheckBox ? "check" : name;
}

// Every window and focusable control has a name, a link the text it shows;
// `read` gets the controls and links a reader can reach, in the order met. Each
// of those links is pressed through its press action.
void walk(QAccessibleInterface* node, QStringList& read)
{
    const QString name = node->text(QAccessible::Name);
    const bool link = node->role() == QAccessible::Link;
    QVERIFY(!name.isEmpty() || !node->state().focusable);
    if (link)
        QCOMPARE(name, static_cast<QLabel*>(node->object())->text());
    if ((node->state().focusable || link) && !node->state().invisible)
        read << callName(node);
    if (link && !node->state().invisible)
        node->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    for (int i = 0; node->role() != QAccessible::ComboBox && i < node->childCount(); ++i)
        walk(node->child(i), read);
}

} // namespace

class tst_WindowLook : public WindowTest
{
    Q_OBJECT

    // Per window: the Tab order (from the control that has the focus at first,
    // a list after Down), and the order in which a reader meets the controls
    // and links.
    static void addWindows()
    {
        QTest::addColumn<Slot>("slot");
        QTest::addColumn<QString>("tabs");
        QTest::addColumn<QString>("read");
        const QString find = "Find My Zorivi Astrology Sign", box = "Your email address|Friend's ";
        QTest::newRow("main") << &Program::frmMain
                              << "Name|Date 2|Month February|Year 1901|" + find + "|Exit"
                              << "link|Name|Date 1|Month January|Year 1900|" + find + "|link|Exit";
        QTest::newRow("result") << &Program::frmDisplay << "Exit|Back"
                                << "link|Exit|Back|link";
        QTest::newRow("about") << &Program::frmAbout << "OK"
                               << "link|link|OK";
        QTest::newRow("refer") << &Program::frmReferFriend
                               << "Exit|check|Your name|Refer A Friend Now|" + box +
                                      "email address|Friend's name|Message"
                               << "check|link|Exit|Your name|" + box +
                                      "name|Friend's email address|Refer A Friend Now|Message";
    }

private Q_SLOTS:
    void accessibleAndKeys_data() { addWindows(); }
    void accessibleAndKeys()
    {
        QFETCH(Slot, slot);
        QFETCH(QString, tabs);
        QFETCH(QString, read);
        forms::Form& window = open<forms::Form>(slot);
        QAccessibleInterface* root = QAccessible::queryAccessibleInterface(&window);
        QVERIFY(root->role() == QAccessible::Window || root->role() == QAccessible::Dialog);
        QStringList inTree;
        walk(root, inTree);
        QCOMPARE(inTree.join('|'), read);
        QCOMPARE(tp->fakes.browser.opened.size(), read.count("link"));
        // Tab, pressed in each control, goes round the controls once, links never,
        // and types nothing into any of them. Down changes a list's name and its
        // text, which readers take the entry from: selected, as painted with the
        // focus.
        const auto texts = [&window] {
            QStringList all;
            for (QObject* c : window.findChildren<QWidget*>())
                all << c->property("text").toString() << c->property("plainText").toString();
            return all;
        };
        const QStringList before = texts();
        QWidget* const first = QApplication::focusWidget();
        QStringList tabbed;
        for (QWidget* control = first; control && tabbed.size() <= tabs.count('|');
             control = QApplication::focusWidget()) {
            QAccessibleInterface* node = QAccessible::queryAccessibleInterface(control);
            if (qobject_cast<QComboBox*>(control)) {
                QTest::keyClick(control, Qt::Key_Down);
                int start = -1, end = -1;
                QVERIFY(node->textInterface());
                node->textInterface()->selection(0, &start, &end);
                QCOMPARE(node->textInterface()->text(start, end), node->text(QAccessible::Name));
            }
            tabbed << callName(node);
            QTest::keyClick(control, Qt::Key_Tab);
        }
        QCOMPARE(tabbed.join('|'), tabs);
        QCOMPARE(texts(), before);
        QCOMPARE(QApplication::focusWidget(), first);
    }

    // Under a dark theme a text keeps the colours its window gives it, or takes
    // the theme's with a contrast of at least 4.5:1. At any scale a window is its
    // size times the scale in device pixels, and every text fits its control.
    void darkThemeAndScale_data() { addWindows(); }
    void darkThemeAndScale()
    {
        QFETCH(Slot, slot);
        const auto colours = [slot](const QPalette& theme) {
            QApplication::setPalette(theme);
            TestProgram tp;
            QList<std::pair<QString, Shown>> shown;
            for (QWidget* w : (tp.program.*slot).form().findChildren<QWidget*>())
                if (w->metaObject() != &QFrame::staticMetaObject) // panels and lines show no text
                    shown.append({w->metaObject()->className() + (' ' + w->accessibleName()),
                                  shownColours(w)});
            return shown;
        };
        const QPalette light = QApplication::style()->standardPalette();
        const QPalette dark(Qt::white, QColor(53, 53, 53), Qt::gray, Qt::black, Qt::darkGray,
                            Qt::white, Qt::white, QColor(30, 30, 30), QColor(40, 40, 40));
        const auto before = colours(light), after = colours(dark);
        QApplication::setPalette(light);
        for (qsizetype i = 0; i < after.size(); ++i) {
            const auto& [what, shown] = after.at(i);
            QVERIFY2(shown == before.value(i).second ||
                         forms::contrastRatio(shown.first, shown.second) >= 4.5,
                     qPrintable(what + ' ' + shown.first.name() + " on " + shown.second.name()));
        }

        forms::Form& window = open<forms::Form>(slot);
        QCOMPARE(window.grab().size(),
                 window.size() * qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble());
#ifdef Q_OS_WIN
        if (!QFontDatabase::hasFamily(QStringLiteral("Verdana")))
            QSKIP("Wine has no Verdana, the font the windows are laid out for");
#endif
        for (QLabel* l : window.findChildren<QLabel*>())
            QVERIFY2(l->heightForWidth(l->width()) <= l->height() &&
                         (l->wordWrap() || l->sizeHint().width() <= l->width()),
                     qPrintable(l->text()));
        for (QAbstractButton* b : window.findChildren<QAbstractButton*>())
            QVERIFY2(b->fontMetrics().size(Qt::TextShowMnemonic, b->text()).width() < b->width(),
                     qPrintable(b->text()));
    }
};

QTEST_MAIN(tst_WindowLook)
#include "tst_windowlook.moc"
