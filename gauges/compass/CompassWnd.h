#pragma once

#include "gauges/GaugeWnd.h"

namespace orbilunex {

// The heading tape: a horizontal strip of degree ticks and labels that
// slides under a fixed blue line at the current heading.
class CCompassWnd : public CGaugeWnd {
    Q_OBJECT

public:
    static const QRgb kHeadingLineColour; // blue

    explicit CCompassWnd(QWidget* parent = nullptr);

    // Stores the heading (whole degrees) and redraws at once; returns the
    // previous one.
    int setHeading(int degrees);
    int heading() const { return static_cast<int>(headingDegrees); }

    // Where the ticks hang from; 0 (from the top edge) is the only style
    // drawn. Takes effect at the next paint.
    void setTickStyle(short style);
    short tickStyle() const { return ticks; }

protected:
    void paintPicture(QPainter& painter, const QRect& client,
                      const GaugePalette& palette) const override;

private:
    double headingDegrees = 0.0;
    short ticks = 0;
};

} // namespace orbilunex
