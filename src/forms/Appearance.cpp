#include "Appearance.h"

#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>

namespace forms
{

namespace
{

QFont makeFont(const QStringList& families, double points, FontStyle style)
{
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(style == FontStyle::Bold || style == FontStyle::BoldUnderline);
    font.setUnderline(style == FontStyle::Underline || style == FontStyle::BoldUnderline);
    return font;
}

// One palette change for all the roles: each change re-resolves the palette of
// the widget and its children.
void setRoles(QWidget* widget, std::initializer_list<QPalette::ColorRole> roles,
              const QColor& colour)
{
    QPalette palette = widget->palette();
    for (QPalette::ColorRole role : roles)
        palette.setColor(QPalette::All, role, colour);
    widget->setPalette(palette);
}

double relativeLuminance(const QColor& colour)
{
    const auto linear = [](double channel) {
        return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

QColor readableOn(const QColor& background)
{
    const QColor black(0, 0, 0), white(255, 255, 255);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

} // namespace

QFont verdana(double points, FontStyle style)
{
    return makeFont({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}, points, style);
}

QFont msSansSerif(double points, FontStyle style)
{
    return makeFont({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                     QStringLiteral("DejaVu Sans"), QStringLiteral("Arial")},
                    points, style);
}

void setBackground(QWidget* widget, const QColor& colour)
{
    setRoles(widget, {QPalette::Window, QPalette::Base}, colour);
    widget->setAutoFillBackground(true);
    setTextColour(widget, readableOn(colour));
}

void setTextColour(QWidget* widget, const QColor& colour)
{
    setRoles(widget, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}, colour);
}

void setButtonFace(QWidget* button, const QColor& colour)
{
    setRoles(button, {QPalette::Button}, colour);
    setRoles(button, {QPalette::ButtonText}, readableOn(colour));
}

void setTransparent(QWidget* widget)
{
    widget->setAutoFillBackground(false);
}

void setPointingHand(QWidget* widget)
{
    widget->setCursor(Qt::PointingHandCursor);
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace forms
