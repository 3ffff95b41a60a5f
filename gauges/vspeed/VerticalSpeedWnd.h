#pragma once

#include "gauges/GaugeWnd.h"
#include "gauges/vspeed/VerticalSpeedPainter.h"

#include <optional>

namespace orbilunex {

// The vertical speed dial's control: keeps the rate it shows, held to the
// full scale, and the dial for it (see VerticalSpeedPainter.h).
class CVerticalSpeedWnd : public CGaugeWnd {
    Q_OBJECT

public:
    explicit CVerticalSpeedWnd(QWidget* parent = nullptr);

    // Stores the rate, held to +-full scale as the needle shows it, and the
    // unit label; draws at once.
    void setValue(double value, const QString& unitLabel);
    // Stores the full scale (the value is held to it) and repaints.
    void setFullScale(double fullScale);

    const VerticalSpeedPicture& picture() const { return shown; }
    // The needle angle of the last picture drawn; none before the first.
    std::optional<double> drawnNeedle() const { return needle; }

protected:
    void paintPicture(QPainter& painter, const QRect& client,
                      const GaugePalette& palette) const override;

private:
    VerticalSpeedPicture shown;
    mutable std::optional<double> needle;
};

} // namespace orbilunex
