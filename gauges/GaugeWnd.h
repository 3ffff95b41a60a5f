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

    // The part of a picture that does not follow the value (background,
    // dial, scale, captions), drawn by paintDial into `client` of a fresh
    // gaugeCanvas. Kept between draws while the size, the colours and
    // dialKey() stay the same, so a redraw ten times a second costs a copy
    // and the needle. Controls that call drawDial override both.
    void drawDial(QPainter& painter, const QRect& client, const GaugePalette& palette) const;
    virtual void paintDial(QPainter& painter, const QRect& client,
                           const GaugePalette& palette) const;
    // Changes whenever paintDial would draw differently for the same size
    // and colours (a new full scale, a new unit label).
    virtual QString dialKey() const { return {}; }

    void paintEvent(QPaintEvent* event) override;

private:
    mutable QImage dial;
    mutable QString dialDrawnFor;
    mutable GaugePalette dialColours;
};

} // namespace orbilunex
