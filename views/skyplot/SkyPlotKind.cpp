#include "views/skyplot/SkyPlotKind.h"

#include "settings/SkyPlotSettings.h"
#include "views/skyplot/AzimuthElevationDoc.h"
#include "views/skyplot/AzimuthElevationView.h"

#include <QPainter>

namespace orbilunex {

namespace {

using namespace icons;

void drawIcon(QPainter& p)
{
    // Centred on a pixel centre so that the grid lines stay one pixel wide.
    const QPointF c(7.5, 7.5);
    ink(p, tint(kWindowAccent, 0.85));
    p.drawEllipse(c, 6.5, 6.5);
    p.setPen(pen(tint(kWindowAccent, 0.35).rgb()));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 3.5, 3.5);
    p.drawLine(QPointF(7.5, 1.5), QPointF(7.5, 13.5));
    p.drawLine(QPointF(1.5, 7.5), QPointF(13.5, 7.5));
    ink(p, QColor(kWindowAccent), 0.8);
    p.drawEllipse(QPointF(10.5, 4.5), 2, 2);
}

} // namespace

const WindowKindDescriptor kSkyPlotKind = {
    {
        207, "Azimuth & Elevation Window", 33778, "sky", // code, title, command, short name
        "Mask Files (*.msk)", ".msk", // file type
        settings::skyplot::kSection, // settings section
        "&Azimuth && Elevation", // menu item, help line, tool tip
        "Shows the satellites on a plot of the sky",
        "Azimuth & Elevation",
        2, 1, 2, // orders: menu, open by title, save layout
    },
    drawIcon,
    newDocument<CAzimuthElevationDoc>,
    newView<CAzimuthElevationView>,
};

} // namespace orbilunex
