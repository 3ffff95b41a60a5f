#pragma once

#include "gauges/GaugeWnd.h"
#include "gauges/compass/CompassPainter.h"

namespace orbilunex {

// The simple compass's control: keeps the heading it shows (see
// paintSimpleCompass).
class CSimpleCompassWnd : public CGaugeWnd {
    Q_OBJECT

public:
    explicit CSimpleCompassWnd(QWidget* parent = nullptr);

    // Stores the heading (whole degrees) and redraws at once; returns the
    // previous one.
    int setHeading(int degrees);
    const HeadingPicture& picture() const { return shown; }

protected:
    void paintPicture(QPainter& painter, const QRect& client,
                      const GaugePalette& palette) const override;

private:
    HeadingPicture shown;
};

} // namespace orbilunex
