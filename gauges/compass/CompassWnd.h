#pragma once

#include "gauges/GaugeWnd.h"
#include "gauges/compass/CompassPainter.h"

namespace orbilunex {

// The heading tape's control: keeps the heading it shows (see
// paintHeadingTape) and the style its ticks hang in.
class CCompassWnd : public CGaugeWnd {
    Q_OBJECT

public:
    explicit CCompassWnd(QWidget* parent = nullptr);

    // Stores the heading (whole degrees) and redraws at once; returns the
    // previous one.
    int setHeading(int degrees);
    const HeadingPicture& picture() const { return shown; }

    // Where the ticks hang from; 0 (from the top edge) is the only style
    // drawn. Takes effect at the next paint.
    void setTickStyle(short style);
    short tickStyle() const { return ticks; }

protected:
    void paintPicture(QPainter& painter, const QRect& client,
                      const GaugePalette& palette) const override;

private:
    HeadingPicture shown;
    short ticks = 0;
};

} // namespace orbilunex
