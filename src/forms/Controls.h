#pragma once
// Building controls from layout data: every position and size is in twips,
// relative to the client area of the window or panel that holds the control.

#include "Appearance.h"
#include "Label.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace forms
{

struct Place {
    int left;
    int top;
    int width;
    int height;
};

// Puts `widget` at `place` and returns it, so construction reads as one line.
template <class W> W* placed(W* widget, Place place);

// A borderless panel without caption, filled with `background`.
QFrame* makePanel(QWidget* parent, Place place, const QColor& background);
// A panel with a border and a caption.
QGroupBox* makeCaptionedPanel(QWidget* parent, Place place, const QString& caption,
                              const QColor& background, const QColor& text, const QFont& font);
QPushButton* makeButton(QWidget* parent, Place place, const QString& caption, const QFont& font,
                        const QColor& face);
Label* makeLabel(QWidget* parent, Place place, const QString& caption, const QFont& font,
                 const QColor& text, Label::Sizing sizing = Label::Sizing::Wrap,
                 Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop);
// A label that opens something when clicked: pointing hand, underlined font.
Label* makeLinkLabel(QWidget* parent, Place place, const QString& caption, const QFont& font,
                     const QColor& text, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop,
                     Label::Sizing sizing = Label::Sizing::Wrap);
// A check box that a click anywhere in `place` toggles.
QCheckBox* makeCheckBox(QWidget* parent, Place place, const QString& caption);
// A one-line text box. It takes text of any length: what is pasted or dropped
// goes in whole (a QLineEdit otherwise cuts it at 32,767 characters).
QLineEdit* makeTextBox(QWidget* parent, Place place, const QString& text);
// A drop-down list that allows selection only and keeps entries in the order added.
// It is built in `font`, which is cheaper than setting it later.
QComboBox* makeList(QWidget* parent, Place place, const QFont& font);

} // namespace forms

#include "Twips.h"

template <class W> W* forms::placed(W* widget, Place place)
{
    widget->setGeometry(twipsRect(place.left, place.top, place.width, place.height));
    return widget;
}
