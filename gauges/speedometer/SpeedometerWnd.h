#pragma once

#include "gauges/GaugeWnd.h"
#include "gauges/speedometer/SpeedometerPainter.h"

namespace orbilunex {

// The speedometer's control: keeps the speed it shows and the dial for it
// (see SpeedometerPainter.h).
class CSpeedometerWnd : public CGaugeWnd {
    Q_OBJECT

public:
    explicit CSpeedometerWnd(QWidget* parent = nullptr);

    // Stores the speed (in the user's unit) and its label and redraws now.
    void setValue(double speed, const QString& unit);
    // Stores the full-scale speed and asks for a whole new picture.
    void setMaxSpeed(double maxSpeed);

    const SpeedometerPicture& picture() const { return shown; }
    // The needle angle of the last picture drawn, in degrees.
    double drawnNeedleAngle() const { return drawnNeedle; }

protected:
    void paintPicture(QPainter& painter, const QRect& client,
                      const GaugePalette& palette) const override;

private:
    SpeedometerPicture shown;
    mutable double drawnNeedle = 0.0;
};

} // namespace orbilunex
