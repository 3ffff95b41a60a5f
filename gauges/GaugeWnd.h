#pragma once

#include "framework/PictureCanvas.h"
#include "gauges/DialPainter.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

namespace orbilunex {

// A gauge control: it composes its whole picture off screen at every draw
// and copies it in one block, so nothing flickers. Value setters redraw at
// once when the new value would show at the control's size, and keep the
// picture drawn when it would not (see VisibleChange.h); a paint draws the
// same picture.
class CGaugeWnd : public QWidget {
    Q_OBJECT

public:
    // `windowText` names the control ("Speedometer", "Compass", ...).
    explicit CGaugeWnd(const QString& windowText, QWidget* parent = nullptr);

    // The picture for a client of `size` logical pixels, as the control
    // shows it, at its screen's pixel ratio or at `ratio`.
    QImage render(const QSize& size) const { return render(size, pictureRatio(*this)); }
    QImage render(const QSize& size, qreal ratio) const;

    // "Smooth drawing": lines, shapes and text anti-aliased. A change draws
    // the whole picture again, the kept dial too.
    void setSmooth(bool smooth);
    bool smooth() const { return smoothing; }

protected:
    // Draws the whole picture into `client` of a gaugeCanvas, background
    // first (see CPictureGaugeWnd, which draws through the gauge's painter).
    virtual void paintPicture(QPainter& painter, const QRect& client,
                              const GaugePalette& palette) const = 0;

    // Draws the picture now (a value changed).
    void redraw() { update(); }

    // Whether a value setter may keep the picture drawn: the control is on
    // screen, so that what it shows is what was drawn. A hidden control takes
    // every value, for its next paint or render.
    bool keepsDrawnPicture() const { return isVisible(); }

    // The round dial's layout at the control's size now.
    DialGeometry dialNow() const { return layoutDial(toPixelRect(rect())); }

    // Draws the part of a picture that does not follow the value.
    template <typename Picture>
    using DialPaintFunction = void (*)(QPainter&, const QRect&, const Picture&,
                                       const GaugePalette&);

    // Copies the dial (background, dial, scale, captions) into `client`.
    // paintDial draws it from `picture` into a fresh gaugeCanvas at the pixel
    // ratio of the painter's device; it is kept between draws while the size,
    // the colours, the device's resolution and pixel ratio, the smoothing and
    // `key` (naming what paintDial draws from: a full scale, a unit label)
    // stay the same, so a redraw ten times a second costs a copy and the
    // needle.
    template <typename Picture>
    void drawDial(QPainter& painter, const QRect& client, const GaugePalette& palette,
                  const QString& key, DialPaintFunction<Picture> paintDial,
                  const Picture& picture) const
    {
        if (QImage* fresh = staleDial(painter, client.size(), palette, key)) {
            QPainter dialPainter(fresh);
            setSmoothing(dialPainter, smoothing);
            paintDial(dialPainter, QRect(QPoint(0, 0), client.size()), picture, palette);
        }
        painter.drawImage(client.topLeft(), dial);
    }

    void paintEvent(QPaintEvent* event) override;

private:
    // The kept dial made ready to be drawn afresh for `size` at the
    // painter's device resolution and pixel ratio (the same image while its
    // size and ratio fit), or null while it still serves.
    QImage* staleDial(const QPainter& painter, const QSize& size, const GaugePalette& palette,
                      const QString& key) const;

    mutable QImage dial;
    mutable QString dialDrawnFor;
    mutable GaugePalette dialColours;
    mutable bool dialSmooth = false;
    bool smoothing = false;
};

} // namespace orbilunex
