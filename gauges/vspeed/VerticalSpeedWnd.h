#pragma once

#include "gauges/GaugeWnd.h"

#include <optional>

namespace orbilunex {

// The vertical speed dial: zero at nine o'clock, climbs clockwise over the
// top, descents anticlockwise under the bottom, each side one full scale.
class CVerticalSpeedWnd : public CGaugeWnd {
    Q_OBJECT

public:
    explicit CVerticalSpeedWnd(QWidget* parent = nullptr);

    // Stores the rate, held to +-full scale as the needle shows it, and the
    // unit label; draws at once.
    void setValue(double value, const QString& unitLabel);
    // Stores the full scale (the value is held to it) and repaints.
    void setFullScale(double fullScale);

    double value() const { return rate; }
    double fullScale() const { return full; }
    QString unitLabel() const { return unit; }
    // The needle angle of the last picture drawn; none before the first.
    std::optional<double> drawnNeedle() const { return needle; }

protected:
    void paintPicture(QPainter& painter, const QRect& client,
                      const GaugePalette& palette) const override;
    void paintDial(QPainter& painter, const QRect& client,
                   const GaugePalette& palette) const override;
    QString dialKey() const override;

private:
    double rate = 0.0;
    double full = 2000.0;
    QString unit = QStringLiteral("ft");
    mutable std::optional<double> needle;
};

} // namespace orbilunex
