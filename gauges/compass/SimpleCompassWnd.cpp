#include "gauges/compass/SimpleCompassWnd.h"

#include "models/gauges/compass/CompassLayout.h"

#include <QFontMetrics>
#include <QPainter>

namespace orbilunex {

namespace {

// Dial units (90 at the rim).
constexpr double kCardTickOuter = 90.0;
constexpr double kCardTickInner = 80.0;
constexpr double kCardLabelRadius = 65.0;
constexpr int kCardLineDivisor = 50; // the card's lines are D/50 pixels wide

} // namespace

CSimpleCompassWnd::CSimpleCompassWnd(QWidget* parent)
    : CGaugeWnd(QStringLiteral("Simple Compass"), parent)
{
}

int CSimpleCompassWnd::setHeading(int degrees)
{
    const int previous = headingDeg;
    headingDeg = degrees;
    redraw();
    return previous;
}

QString CSimpleCompassWnd::headingText(int degrees)
{
    return QString::fromStdString(headingDigits(degrees)) + QChar(0x00B0);
}

void CSimpleCompassWnd::paintPicture(QPainter& painter, const QRect& client,
                                     const GaugePalette& palette) const
{
    // The card's outline is as heavy as its ticks.
    const DialGeometry dial =
        openDial(painter, client, palette, simpleCompassFontTenths, kCardLineDivisor);
    const int d = dial.diameter;
    const QPen cardPen = gaugePen(palette.text, d / kCardLineDivisor);
    for (int m = 0; m < 360; m += 45) {
        const int a = relativeAngle(m, headingDeg);
        drawRadialStroke(painter, dial, kCardTickOuter, kCardTickInner, a, cardPen);
        const std::string label = simpleCardLabel(m);
        painter.setPen(palette.text);
        if (!label.empty())
            drawCentredLabel(painter, dial, kCardLabelRadius, a, QString::fromStdString(label));
    }
    painter.setPen(palette.text);
    drawCentredLabel(painter, dial, 0, 0, headingText(headingDeg));

    const HeadingCaret caret = headingCaret(dial);
    painter.setPen(gaugePen(palette.needle, d / 50));
    painter.drawLine(caret.tip.x, caret.tip.y, caret.left.x, caret.left.y);
    painter.drawLine(caret.tip.x, caret.tip.y, caret.right.x, caret.right.y);
}

} // namespace orbilunex
