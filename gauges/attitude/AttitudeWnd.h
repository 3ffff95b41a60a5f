#pragma once

#include "gauges/GaugeWnd.h"
#include "gauges/attitude/AttitudePainter.h"

namespace orbilunex {

// The attitude indicator's control: keeps the roll and pitch it shows (see
// AttitudePainter.h). Nothing in the program measures roll or pitch, so
// both stay 0 (level flight) unless set here.
class CAttitudeWnd : public CGaugeWnd {
    Q_OBJECT

public:
    explicit CAttitudeWnd(QWidget* parent = nullptr);

    const AttitudePicture& picture() const { return shown; }
    // Degrees; positive roll turns the picture clockwise. Draws at once.
    void setAttitude(double roll, double pitch);

protected:
    void paintPicture(QPainter& painter, const QRect& client,
                      const GaugePalette& palette) const override;

private:
    AttitudePicture shown;
};

} // namespace orbilunex
