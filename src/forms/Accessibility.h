#pragma once
// What assistive tools (screen readers, AT-SPI clients) learn about our windows.
// Qt describes a plain top-level QWidget as a "client" (AT-SPI: filler), a
// clickable QLabel as static text, and lists children in stacking order. The
// interfaces installed here give every Form a window role, every link label the
// link role with a press action, and every plain panel its children in reading
// order: row by row from the top, left to right within a row.

#include <QList>

class QWidget;

namespace forms
{

// Installs the interfaces once; later calls do nothing.
void installAccessibility();

// The child widgets of `container` as a reader meets them.
QList<QWidget*> readingOrder(const QWidget* container);

} // namespace forms
