#include "views/signalquality/SignalQualityKind.h"

#include "settings/SignalQualitySettings.h"
#include "views/signalquality/SignalQualityDoc.h"
#include "views/signalquality/SignalQualityView.h"

#include <QPainter>

namespace orbilunex {

namespace {

using namespace icons;

void drawIcon(QPainter& p)
{
    constexpr qreal tops[] = {9, 3, 11, 5.5, 8};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(kWindowAccent));
    for (int i = 0; i < 5; ++i) p.drawRect(QRectF(1 + 3 * i, tops[i], 2, 14 - tops[i]));
    p.setPen(pen(kInk));
    p.drawLine(QPointF(0.5, 14.5), QPointF(15.5, 14.5));
}

} // namespace

const WindowKindDescriptor kSignalQualityKind = {
    {
        204, "Signal Quality Window", 33777, "signal", // code, title, command, short name
        "", "", // file type
        settings::signalquality::kSection, // settings section
        "S&ignal Quality", // menu item, help line, tool tip
        "Shows the signal strength of each satellite",
        "Signal Quality",
        1, 0, 1, // orders: menu, open by title, save layout
    },
    drawIcon,
    newDocument<CSignalQualityDoc>,
    newView<CSignalQualityView>,
};

} // namespace orbilunex
