#include "FlatList.h"

#include "Appearance.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QPainter>
#include <QStyleOptionComboBox>
#include <QStyledItemDelegate>
#include <qdrawutil.h>

namespace forms
{

FlatList::FlatList(QWidget* parent, const QFont& font) : QComboBox(parent)
{
    setFont(font);
    building_ = false;
}

void FlatList::changeEvent(QEvent* event)
{
    // While it is being built the list has no size hint yet and no drop-down;
    // the drop-down, built later as its child, takes its font from the list.
    if (building_ && event->type() == QEvent::FontChange) {
        QWidget::changeEvent(event);
        return;
    }
    QComboBox::changeEvent(event);
}

QPalette FlatList::shownPalette() const
{
    QPalette colours = palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        colours.setColor(group, QPalette::HighlightedText,
                         readableOn(colours.color(group, QPalette::Highlight)));
    return colours;
}

void FlatList::showPopup()
{
    QAbstractItemView* rows = view(); // the first call builds the drop-down
    if (!popupDressed_) {
        // A plain item delegate paints the rows in the view's palette; Fusion's
        // menu-like one resolves them against the menu's.
        setItemDelegate(new QStyledItemDelegate(rows));
        popupDressed_ = true;
    }
    // On every opening, as the desktop's palette may have changed since.
    const QPalette colours = shownPalette();
    rows->parentWidget()->setPalette(colours);
    rows->setPalette(colours);
    rows->setFont(font());
    QComboBox::showPopup();
}

void FlatList::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette colours = shownPalette();
    const QColor face = colours.color(QPalette::Base);
    painter.fillRect(rect(), face);
    painter.setPen(face.darker(140));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    QStyleOptionComboBox option;
    initStyleOption(&option);
    const QRect inside = rect().adjusted(1, 1, -1, -1);
    QRect button =
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, this);
    button.setTop(inside.top());
    button.setBottom(inside.bottom());
    button.setRight(inside.right());
    qDrawShadePanel(&painter, button, colours, false, 1);
    QStyleOption arrow(option);
    arrow.rect = button.adjusted(2, 2, -2, -2);
    style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &painter, this);

    const QRect text(inside.left() + 3, inside.top(), button.left() - inside.left() - 4,
                     inside.height());
    QColor ink = colours.color(QPalette::Text);
    if (hasFocus()) {
        painter.fillRect(text.adjusted(-2, 2, 1, -2), colours.color(QPalette::Highlight));
        ink = colours.color(QPalette::HighlightedText);
    }
    painter.setPen(ink);
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter,
                     fontMetrics().elidedText(currentText(), Qt::ElideRight, text.width()));
}

} // namespace forms
