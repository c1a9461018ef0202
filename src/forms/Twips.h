#pragma once
// Window layouts are written in twips; 15 twips make one device-independent pixel.

#include <QRect>
#include <QSize>
#include <QtMath>

namespace forms
{

constexpr int TwipsPerPixel = 15;

// Rounds to the nearest pixel.
inline int toPixels(int twips)
{
    return qRound(double(twips) / TwipsPerPixel);
}

// Converts the edges rather than the size, so that controls that touch in twips
// still touch in pixels.
inline QRect twipsRect(int left, int top, int width, int height)
{
    const int x = toPixels(left);
    const int y = toPixels(top);
    return {x, y, toPixels(left + width) - x, toPixels(top + height) - y};
}

inline QSize twipsSize(int width, int height)
{
    return {toPixels(width), toPixels(height)};
}

} // namespace forms
