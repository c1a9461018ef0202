#include "Accessibility.h"

#include "Form.h"
#include "Label.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QMenu>

#include <algorithm>

namespace forms
{

namespace
{

// A panel or a window whose children are read in reading order.
class ReadingOrderInterface : public QAccessibleWidget
{
public:
    ReadingOrderInterface(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role)
    {
    }

    int childCount() const override { return int(readingOrder(widget()).size()); }
    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> children = readingOrder(widget());
        if (index < 0 || index >= children.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(children.at(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child)
            return -1;
        return int(readingOrder(widget()).indexOf(qobject_cast<QWidget*>(child->object())));
    }
};

// A label reads as static text; a link label as a link with a press action.
class LabelInterface : public QAccessibleWidget
{
public:
    explicit LabelInterface(Label* label) : QAccessibleWidget(label) {}

    QAccessible::Role role() const override
    {
        return label()->isLink() ? QAccessible::Link : QAccessible::StaticText;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.linked = label()->isLink();
        // An offer hidden under the one in front of it cannot be seen or reached.
        if (label()->isCovered())
            state.invisible = true;
        return state;
    }
    QStringList actionNames() const override
    {
        const QStringList own = QAccessibleWidget::actionNames();
        return label()->isLink() ? QStringList(pressAction()) + own : own;
    }
    void doAction(const QString& action) override
    {
        if (action == pressAction())
            label()->press();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    Label* label() const { return static_cast<Label*>(widget()); }
};

// A drop-down list is named after its current entry, which is also its value
// and its read-only text, selected while the list has the focus, as it is
// painted then. Its caption comes in through the caption label's buddy (the
// labelled-by relation). Qt 6.4 offers a list's entry over AT-SPI only as its
// name, which screen readers do not speak for a list: they read the entry from
// the list's selection, which Qt 6.4 does not offer, or from its text. A new
// entry goes out as text put in, which readers speak when it is selected; a
// removal sent before it would be spoken as "selection deleted". The open list
// is the list's one child.
class ListInterface : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ListInterface(QComboBox* list) : QAccessibleWidget(list, QAccessible::ComboBox)
    {
        QObject::connect(list, &QComboBox::currentTextChanged, list, [list](const QString& entry) {
            QAccessibleTextInsertEvent update(list, 0, entry);
            QAccessible::updateAccessibility(&update);
        });
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name || kind == QAccessible::Value)
            return list()->currentText();
        return QAccessibleWidget::text(kind);
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return child && child->object() == list()->view() ? 0 : -1;
    }
    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        state.collapsed = !state.expanded;
        state.readOnly = true;
        return state;
    }
    QStringList actionNames() const override
    {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action != showMenuAction() && action != pressAction())
            QAccessibleWidget::doAction(action);
        else if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }

    // The text: the entry, whole.
    QString text(int start, int end) const override
    {
        return list()->currentText().mid(start, end - start);
    }
    int characterCount() const override { return int(list()->currentText().size()); }
    int selectionCount() const override { return list()->hasFocus() ? 1 : 0; }
    void selection(int index, int* start, int* end) const override
    {
        *start = 0;
        *end = index < selectionCount() ? characterCount() : 0;
    }
    int cursorPosition() const override { return 0; }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    QString attributes(int offset, int* start, int* end) const override
    {
        *start = *end = offset;
        return {};
    }
    // Read-only: the entry changes only by choosing another one.
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    void setCursorPosition(int) override {}
    void scrollToSubstring(int, int) override {}

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* makeInterface(const QString& className, QObject* object)
{
    // Called once for each class name up the object's class tree; only the
    // most derived one is looked at.
    if (!object || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    if (auto* form = qobject_cast<Form*>(object)) {
        const bool dialog = form->windowType() == Qt::Dialog;
        return new ReadingOrderInterface(form, dialog ? QAccessible::Dialog : QAccessible::Window);
    }
    if (auto* label = qobject_cast<Label*>(object))
        return new LabelInterface(label);
    if (auto* list = qobject_cast<QComboBox*>(object))
        return qobject_cast<Form*>(list->window()) ? new ListInterface(list) : nullptr;
    auto* widget = qobject_cast<QWidget*>(object);
    const bool plainPanel =
        className == QLatin1String("QWidget") || className == QLatin1String("QFrame");
    if (widget && plainPanel && qobject_cast<Form*>(widget->window()))
        return new ReadingOrderInterface(widget, QAccessible::Client);
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(&makeInterface);
        return true;
    }();
    (void)installed;
}

QList<QWidget*> readingOrder(const QWidget* container)
{
    QList<QWidget*> children;
    for (QObject* object : container->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child && !child->isWindow() && !qobject_cast<QMenu*>(child))
            children.append(child);
    }
    std::stable_sort(children.begin(), children.end(), [](QWidget* a, QWidget* b) {
        return a->geometry().center().y() < b->geometry().center().y();
    });
    // The highest widget left starts a line, with every widget that shares its
    // line: each one's middle lies within the other's height. A line is read
    // left to right.
    const auto sameLine = [](const QRect& a, const QRect& b) {
        const auto within = [](int y, const QRect& r) { return r.top() <= y && y <= r.bottom(); };
        return within(a.center().y(), b) && within(b.center().y(), a);
    };
    QList<QWidget*> ordered;
    while (!children.isEmpty()) {
        const QRect first = children.first()->geometry();
        QList<QWidget*> line;
        for (QWidget* child : children) {
            if (sameLine(first, child->geometry()))
                line.append(child);
        }
        std::stable_sort(line.begin(), line.end(), [](QWidget* a, QWidget* b) {
            return a->geometry().left() < b->geometry().left();
        });
        for (QWidget* child : line)
            children.removeOne(child);
        ordered += line;
    }
    return ordered;
}

} // namespace forms
