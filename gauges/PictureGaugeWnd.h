#pragma once

#include "gauges/GaugeWnd.h"

#include <type_traits>
#include <variant>

namespace orbilunex {

// A gauge control drawn by free painter functions from a Picture it keeps.
// Its own class adds the value setters, which fill `shown` and redraw when
// the picture would change visibly; otherwise `shown` stays the picture
// drawn, which differs from the new value by less than shows.
// `Drawn` is what the painter returns about the picture it drew (a needle's
// angle; void for nothing) and `Kept` how the control keeps it until the
// next draw (by default as it is).
template <typename Picture, typename Drawn = void, typename Kept = Drawn>
class CPictureGaugeWnd : public CGaugeWnd {
public:
    // `paint` draws the whole picture, or, with `paintDial`, what follows the
    // value over the dial paintDial draws, kept while dialKey names the same
    // dial (see drawDial).
    struct Painters {
        Drawn (*paint)(QPainter&, const QRect&, const Picture&, const GaugePalette&) = nullptr;
        DialPaintFunction<Picture> paintDial = nullptr;
        QString (*dialKey)(const Picture&) = nullptr;
    };

    CPictureGaugeWnd(const QString& windowText, const Painters& paintWith, QWidget* parent)
        : CGaugeWnd(windowText, parent), painters(paintWith)
    {
    }

    const Picture& picture() const { return shown; }

    // What the painter returned for the last picture drawn.
    using KeptDrawn = std::conditional_t<std::is_void_v<Kept>, std::monostate, Kept>;
    const KeptDrawn& drawn() const { return lastDrawn; }

protected:
    void paintPicture(QPainter& painter, const QRect& client,
                      const GaugePalette& palette) const final
    {
        if (painters.paintDial)
            drawDial(painter, client, palette, painters.dialKey(shown), painters.paintDial, shown);
        if constexpr (std::is_void_v<Drawn>) painters.paint(painter, client, shown, palette);
        else lastDrawn = painters.paint(painter, client, shown, palette);
    }

    Picture shown;

private:
    Painters painters;
    mutable KeptDrawn lastDrawn{};
};

// A gauge that shows one reading: a value and its unit label, in Picture's
// `value` and `unit`, and on a scale, the scale's end in `fullScale`.
template <typename Picture, typename Drawn, typename Kept = Drawn>
class CReadingGaugeWnd : public CPictureGaugeWnd<Picture, Drawn, Kept> {
public:
    using CPictureGaugeWnd<Picture, Drawn, Kept>::CPictureGaugeWnd;

    // Stores the value (in the user's unit) as held(value), and its unit
    // label, and draws at once; unless, on screen, the unit is the same and
    // the picture would not change visibly (changeShows), when the picture
    // drawn and its value stay.
    void setValue(double value, const QString& unit)
    {
        const double next = held(value);
        if (unit == this->shown.unit && this->keepsDrawnPicture() &&
            !changeShows(this->shown.value, next))
            return;
        this->shown.value = next;
        this->shown.unit = unit;
        this->redraw();
    }

    // Stores the full scale, holds the value to it and asks for a whole new
    // picture if it changed. Only for a Picture with a fullScale.
    void setFullScale(double fullScale)
    {
        if (fullScale == this->shown.fullScale) return;
        this->shown.fullScale = fullScale;
        this->shown.value = held(this->shown.value);
        this->update();
    }

protected:
    // The value as the gauge can show it (on the full scale, if any).
    virtual double held(double value) const { return value; }

    // Whether the picture of value `from` would look different at `to` (both
    // held, unit and scale as shown) at the control's size now.
    virtual bool changeShows(double from, double to) const = 0;
};

} // namespace orbilunex
