#pragma once

#include "gauges/GaugeWnd.h"

namespace orbilunex {

// A plain heading-up card with the heading in digits and a caret at twelve
// o'clock.
class CSimpleCompassWnd : public CGaugeWnd {
    Q_OBJECT

public:
    explicit CSimpleCompassWnd(QWidget* parent = nullptr);

    // Stores the heading (whole degrees) and redraws at once; returns the
    // previous one.
    int setHeading(int degrees);
    int heading() const { return headingDeg; }

    // "%03d" of the heading and a degree sign.
    static QString headingText(int degrees);

protected:
    void paintPicture(QPainter& painter, const QRect& client,
                      const GaugePalette& palette) const override;

private:
    int headingDeg = 0;
};

} // namespace orbilunex
