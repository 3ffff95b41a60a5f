#pragma once

#include <QBrush>
#include <QColor>
#include <QIcon>
#include <QPen>
#include <QPointF>
#include <QRectF>

class QPainter;

// What the tool-bar pictures share: a 16-unit grid, one ink, one paper and
// one accent per tool bar, so that the bars read as groups, and the pens and
// shapes they are drawn with. A picture is a function drawing on the grid;
// the icon scales it to every size it is shown at.

namespace orbilunex::icons {

constexpr qreal kGrid = 16.0;

constexpr QRgb kInk = 0xff2b3542;
constexpr QRgb kPaper = 0xfffbfcfd;
constexpr QRgb kMist = 0xffc9d2dc;
constexpr QRgb kMainAccent = 0xff3578c8;    // file and edit: blue
constexpr QRgb kWindowAccent = 0xff1b9480;  // monitor windows: teal
constexpr QRgb kConnectAccent = 0xffe08a12; // links: amber
constexpr QRgb kRecordAccent = 0xffd83a30;  // recording: red

using Picture = void (*)(QPainter&);

// Colour a fraction t of the way from a towards white.
QColor tint(QRgb a, qreal t);
// A round-capped, round-joined pen.
QPen pen(QRgb colour, qreal width = 1.0);
// Sets an outline in ink and a fill for the next shapes.
void ink(QPainter& p, const QBrush& fill, qreal width = 1.0);
// The point at `degrees` (counter-clockwise from east) on a circle.
QPointF onCircle(QPointF centre, qreal radius, qreal degrees);
QRectF around(QPointF centre, qreal radius);
// A filled disc without outline.
void dot(QPainter& p, QPointF centre, qreal radius, const QColor& fill);

// The picture drawn on a grid of `units` into a transparent square of
// `size` pixels, anti-aliased.
QPixmap renderPicture(Picture draw, int size, qreal units);
// The picture at 16, 24 and 32 pixels, so that a button stays crisp at
// device-pixel ratios 1, 1.5 and 2. Needs a QGuiApplication.
QIcon toolBarIcon(Picture draw);

} // namespace orbilunex::icons
