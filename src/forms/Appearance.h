#pragma once
// Fonts, colours and pointers of controls.

#include <QColor>
#include <QFont>

class QWidget;

namespace forms
{

enum class FontStyle { Regular = 0, Bold = 1, Underline = 2, BoldUnderline = 3 };

// Verdana at `points`, falling back to the system's nearest sans-serif face.
QFont verdana(double points, FontStyle style = FontStyle::Regular);
// MS Sans Serif, with the same kind of fallback.
QFont msSansSerif(double points, FontStyle style = FontStyle::Regular);

// Paints the widget's own area in `colour`.
void setBackground(QWidget* widget, const QColor& colour);
// Colour of the widget's text (labels, boxes, buttons, panel captions).
void setTextColour(QWidget* widget, const QColor& colour);
// Face colour of a push button.
void setButtonFace(QWidget* button, const QColor& colour);
// Lets the parent show through.
void setTransparent(QWidget* widget);
// The pointing hand of a link.
void setPointingHand(QWidget* widget);

} // namespace forms
