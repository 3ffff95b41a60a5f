#include "framework/IconKit.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QtMath>

#include <cmath>

namespace orbilunex::icons {

QColor tint(QRgb a, qreal t)
{
    const auto mix = [t](int c) { return int(std::lround(c + (255 - c) * t)); };
    return QColor(mix(qRed(a)), mix(qGreen(a)), mix(qBlue(a)));
}

QPen pen(QRgb colour, qreal width)
{
    return QPen(QColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void ink(QPainter& p, const QBrush& fill, qreal width)
{
    p.setPen(pen(kInk, width));
    p.setBrush(fill);
}

QPointF onCircle(QPointF centre, qreal radius, qreal degrees)
{
    const qreal a = qDegreesToRadians(degrees);
    return centre + QPointF(radius * std::cos(a), -radius * std::sin(a));
}

QRectF around(QPointF centre, qreal radius)
{
    return QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
}

void dot(QPainter& p, QPointF centre, qreal radius, const QColor& fill)
{
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawEllipse(centre, radius, radius);
}

QPixmap renderPicture(Picture draw, int size, qreal units)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / units, size / units);
    draw(p);
    p.end();
    return QPixmap::fromImage(image);
}

QIcon toolBarIcon(Picture draw)
{
    QIcon icon;
    for (int size : {16, 24, 32}) icon.addPixmap(renderPicture(draw, size, kGrid));
    return icon;
}

} // namespace orbilunex::icons
