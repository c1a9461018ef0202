#include "ProgramIcon.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace forms
{

namespace
{

QPainterPath star(QPointF centre, double outer, double inner)
{
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF point = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

} // namespace

QPixmap programPicture(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);

    QRadialGradient sky(QPointF(26, 22), 40);
    sky.setColorAt(0, QColor(46, 84, 170));
    sky.setColorAt(1, QColor(12, 20, 72));
    painter.setPen(QPen(QColor(62, 189, 238), 2.5));
    painter.setBrush(sky);
    painter.drawEllipse(QRectF(3, 3, 58, 58));

    // Crescent: a gold disc with a second disc cut out of it.
    QPainterPath moon;
    moon.addEllipse(QRectF(12, 14, 32, 32));
    QPainterPath bite;
    bite.addEllipse(QRectF(21, 9, 30, 30));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 196, 40));
    painter.drawPath(moon.subtracted(bite));

    painter.setBrush(QColor(255, 128, 0));
    painter.drawPath(star(QPointF(44, 38), 10, 4.2));
    painter.setBrush(QColor(255, 240, 190));
    painter.drawEllipse(QPointF(47, 17), 1.8, 1.8);
    painter.drawEllipse(QPointF(20, 50), 1.4, 1.4);
    return pixmap;
}

QIcon programIcon()
{
    static const QIcon icon = [] {
        QIcon drawn;
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            drawn.addPixmap(programPicture(size));
        return drawn;
    }();
    return icon;
}

} // namespace forms
