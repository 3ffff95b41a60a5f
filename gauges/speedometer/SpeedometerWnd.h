#pragma once

#include "gauges/GaugeWnd.h"

namespace orbilunex {

// The speedometer's dial: a full-circle scale of 50 ticks labelled in tenths
// of full scale, one needle, the caption "SPEED" and a read-out of the speed
// with its unit.
class CSpeedometerWnd : public CGaugeWnd {
    Q_OBJECT

public:
    explicit CSpeedometerWnd(QWidget* parent = nullptr);

    // Stores the speed (in the user's unit) and its label and redraws now.
    void setValue(double speed, const QString& unit);
    // Stores the full-scale speed and asks for a whole new picture.
    void setMaxSpeed(double maxSpeed);

    double value() const { return speed; }
    QString unit() const { return unitLabel; }
    double maxSpeed() const { return fullScale; }
    // The needle angle of the last picture drawn, in degrees.
    double drawnNeedleAngle() const { return drawnNeedle; }

protected:
    void paintPicture(QPainter& painter, const QRect& client,
                      const GaugePalette& palette) const override;
    void paintDial(QPainter& painter, const QRect& client,
                   const GaugePalette& palette) const override;
    QString dialKey() const override;

private:
    QString unitLabel;
    double fullScale = 150.0;
    double speed = 0.0;
    mutable double drawnNeedle = 0.0;
};

} // namespace orbilunex
