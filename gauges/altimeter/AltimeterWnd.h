#pragma once

#include "gauges/GaugeWnd.h"
#include "gauges/altimeter/AltimeterPainter.h"

namespace orbilunex {

// The altimeter's control: keeps the altitude it shows and the dial for it
// (see AltimeterPainter.h).
class CAltimeterWnd : public CGaugeWnd {
    Q_OBJECT

public:
    explicit CAltimeterWnd(QWidget* parent = nullptr);

    // Stores the altitude (in the user's unit) and its label and redraws now.
    void setValue(double altitude, const QString& unit);

    const AltimeterPicture& picture() const { return shown; }
    // The pointer angles of the last picture drawn.
    const AltimeterPointers& drawnPointers() const { return drawn; }

protected:
    void paintPicture(QPainter& painter, const QRect& client,
                      const GaugePalette& palette) const override;

private:
    AltimeterPicture shown;
    mutable AltimeterPointers drawn;
};

} // namespace orbilunex
