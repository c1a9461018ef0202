#include "Appearance.h"

#include <QApplication>
#include <QFontDatabase>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <algorithm>
#include <array>

namespace forms
{

namespace
{

// The first of `families` that is installed. Asked for by name, a missing face
// sends Qt through fontconfig's whole list of fonts for a stand-in, once for
// every size and weight made from it: at start-up that was a twentieth of all
// the work done before the main window showed.
QStringList installedFamily(const QStringList& families)
{
    static const QStringList installed = QFontDatabase::families();
    for (const QString& family : families)
        if (installed.contains(family, Qt::CaseInsensitive))
            return {family};
    return families;
}

QFont makeFont(const QStringList& families, double points, FontStyle style)
{
    QFont font;
    font.setFamilies(installedFamily(families));
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

// x to the power 2/5, by Newton's method on y^5 = x^2 (from above, so it
// cannot overshoot), for the table below.
constexpr double twoFifthsPower(double x)
{
    double y = 1.0;
    for (int i = 0; i < 64; ++i)
        y -= (y * y * y * y * y - x * x) / (5 * y * y * y * y);
    return y;
}

// The sRGB channel values 0 to 255 made linear, computed while compiling:
// std::pow would map some 200 KB of the maths library into every start-up
// for a handful of fixed colours.
constexpr std::array<double, 256> LinearChannel = [] {
    std::array<double, 256> table{};
    for (int value = 0; value < 256; ++value) {
        const double channel = value / 255.0;
        const double base = (channel + 0.055) / 1.055;
        table[value] =
            channel <= 0.03928 ? channel / 12.92 : base * base * twoFifthsPower(base); // ^2.4
    }
    return table;
}();

double relativeLuminance(const QColor& colour)
{
    return 0.2126 * LinearChannel[colour.red()] + 0.7152 * LinearChannel[colour.green()] +
           0.0722 * LinearChannel[colour.blue()];
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

void useProgramStyle()
{
    if (QApplication::style()->name() == u"fusion")
        return;
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(fusion);
}

QColor readableOn(const QColor& background)
{
    const QColor black(0, 0, 0), white(255, 255, 255);
    return contrastRatio(black, background) >= contrastRatio(white, background) ? black : white;
}

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

} // namespace forms
