#pragma once
// Fonts, colours and pointers of controls.

#include <QColor>
#include <QFont>

class QWidget;

namespace forms
{

enum class FontStyle { Regular = 0, Bold = 1, Underline = 2, BoldUnderline = 3 };

// Verdana at `points`. Where it is missing, DejaVu Sans: a free face drawn from
// the same humanist model, close to Verdana in width and height, and packaged
// by every Linux distribution (fonts-dejavu-core on Debian).
QFont verdana(double points, FontStyle style = FontStyle::Regular);
// MS Sans Serif, with the same kind of fallback.
QFont msSansSerif(double points, FontStyle style = FontStyle::Regular);

// Paints the widget's own area in `colour` and sets its text colour with it:
// black or white, whichever reads better on it, until setTextColour() picks
// another. A dark desktop theme thus never puts its light text on our colours.
void setBackground(QWidget* widget, const QColor& colour);
// Colour of the widget's text (labels, boxes, buttons, panel captions).
void setTextColour(QWidget* widget, const QColor& colour);
// Face colour of a push button, with black or white text as on a background.
void setButtonFace(QWidget* button, const QColor& colour);
// Lets the parent show through.
void setTransparent(QWidget* widget);
// The pointing hand of a link.
void setPointingHand(QWidget* widget);

// Gives the application the style every window is drawn in: Fusion, which
// honours the windows' own button faces and colours on every desktop.
void useProgramStyle();

// Black or white, whichever reads better on `background`.
QColor readableOn(const QColor& background);

// The contrast ratio of two colours as the WCAG defines it, from 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);

} // namespace forms
