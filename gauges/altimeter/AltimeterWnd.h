#pragma once

#include "gauges/GaugeWnd.h"
#include "models/gauges/altimeter/AltimeterScale.h"

namespace orbilunex {

// The altimeter's dial: numerals 0 to 9, a long pointer for the hundreds, a
// short one for the thousands and a dot on the ring for the ten-thousands,
// the caption "ALT" and a zero-padded read-out with the unit.
class CAltimeterWnd : public CGaugeWnd {
    Q_OBJECT

public:
    explicit CAltimeterWnd(QWidget* parent = nullptr);

    // Stores the altitude (in the user's unit) and its label and redraws now.
    void setValue(double altitude, const QString& unit);

    double value() const { return altitude; }
    QString unit() const { return unitLabel; }
    // The pointer angles of the last picture drawn.
    const AltimeterPointers& drawnPointers() const { return drawn; }

protected:
    void paintPicture(QPainter& painter, const QRect& client,
                      const GaugePalette& palette) const override;
    void paintDial(QPainter& painter, const QRect& client,
                   const GaugePalette& palette) const override;
    QString dialKey() const override;

private:
    QString unitLabel;
    double altitude = 0.0;
    mutable AltimeterPointers drawn;
};

} // namespace orbilunex
