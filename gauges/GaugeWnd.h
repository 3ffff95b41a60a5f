#pragma once

#include "gauges/DialPainter.h"

#include <QImage>
#include <QWidget>

namespace orbilunex {

// A gauge control: it composes its whole picture off screen at every draw
// and copies it in one block, so nothing flickers. Value setters redraw at
// once; a paint draws the same picture.
class CGaugeWnd : public QWidget {
    Q_OBJECT

public:
    // `windowText` names the control ("Speedometer", "Compass", ...).
    explicit CGaugeWnd(const QString& windowText, QWidget* parent = nullptr);

    // The picture for a client of `size`, as the control shows it.
    QImage render(const QSize& size) const;

protected:
    // Draws the whole picture into `client` of a gaugeCanvas, background
    // first. Draws, decides nothing.
    virtual void paintPicture(QPainter& painter, const QRect& client,
                              const GaugePalette& palette) const = 0;

    // Draws the picture now (a value changed).
    void redraw() { repaint(); }

    void paintEvent(QPaintEvent* event) override;
};

} // namespace orbilunex
