#pragma once

#include "gauges/GaugeWnd.h"

namespace orbilunex {

// The attitude indicator: blue sky over the ground inside a ring of bank
// marks, a pitch ladder with numbers and a fixed red aircraft symbol. Nothing
// in the program measures roll or pitch, so both stay 0 (level flight) unless
// set here.
class CAttitudeWnd : public CGaugeWnd {
    Q_OBJECT

public:
    static constexpr QRgb kSkyColour = 0xff0000ff;
    static constexpr QRgb kAircraftColour = 0xffff0000;

    explicit CAttitudeWnd(QWidget* parent = nullptr);

    double roll() const { return rollDegrees; }
    double pitch() const { return pitchDegrees; }
    // Degrees; positive roll turns the picture clockwise. Draws at once.
    void setAttitude(double roll, double pitch);

protected:
    void paintPicture(QPainter& painter, const QRect& client,
                      const GaugePalette& palette) const override;

private:
    double rollDegrees = 0.0;
    double pitchDegrees = 0.0;
    bool showNumbers = true;
};

} // namespace orbilunex
