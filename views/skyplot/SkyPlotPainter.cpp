#include "views/skyplot/SkyPlotPainter.h"

#include "framework/PictureCanvas.h"
#include "framework/SystemColours.h"
#include "models/skyplot/SkyPlotGeometry.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QPolygon>
#include <QRegion>

namespace orbilunex {

// Rectangles: SkyPlotGeometry's boxes have exclusive right and bottom edges, so
// a box (l, t, r, b) covers the pixels l..r-1 and t..b-1. Its outline
// (ellipse or rectangle) is drawn as QRect(l, t, r - l - 1, b - t - 1),
// because Qt's aliased outline of a w-wide QRect covers w + 1 pixels.

namespace {

constexpr int kScreenInset = 3;
constexpr int kPrintInset = 0;
constexpr int kRingElevations[] = {0, 15, 30, 45, 60, 75};
constexpr QChar kDegreeSign(0x00BA);
// The screen label box hangs this many pixels below the marker's centre.
constexpr int kScreenLabelGap = 5;

const QColor kGridGrey(128, 128, 128);
const QColor kUsedColour(255, 255, 0);
const QColor kTrailGreen(0, 255, 0);
const QColor kOutlineBlue(0, 0, 255);

PixelRect toPixelRect(const QRect& rect)
{
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

PixelRect inset(const PixelRect& rect, int by)
{
    return {rect.left + by, rect.top + by, rect.right - by, rect.bottom - by};
}

QRect outlineOf(const PixelRect& box)
{
    return QRect(box.left, box.top, box.width() - 1, box.height() - 1);
}

QPoint toQPoint(const PixelPoint& point)
{
    return QPoint(point.x, point.y);
}

QString degrees(int value)
{
    return QString::number(value) + kDegreeSign;
}

// Prn, azimuth 0 (due north: never drawn) and elevation out of (0, 90]
// all mean "nothing to show".
bool isPlotted(const SkySatellite& satellite)
{
    return satellite.prn != 0 && satellite.azimuth != 0 && satellite.elevation > 0 &&
           satellite.elevation <= 90;
}

// With every system shown the PRN carries its system's letter ("R65").
QString satelliteLabel(const SkySatellite& satellite, int detailsEnabled, int allSystems)
{
    const QString prn = allSystems == 1 ? systemPrnText(satellite.system, satellite.prn)
                                        : QString::number(satellite.prn);
    if (detailsEnabled == 1) {
        return QStringLiteral(" PRN:%1 \n A:%2 E:%3 ")
            .arg(prn)
            .arg(satellite.azimuth)
            .arg(satellite.elevation);
    }
    return prn;
}

// Text whose cell (advance by line height) is centred on `centre`, halves
// truncated; the painter's background mode decides whether the cell is
// filled.
void drawCentredText(QPainter& painter, const PixelPoint& centre, const QString& text,
                     const QColor& colour)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const int width = metrics.horizontalAdvance(text);
    const int height = metrics.height();
    painter.setPen(colour);
    painter.drawText(QRect(centre.x - width / 2, centre.y - height / 2, width, height),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
}

// A satellite's label, lines centred in its box and cut off at its edges.
void drawSatelliteLabel(QPainter& painter, const PixelPoint& at, int gap, const QString& text,
                        const QColor& colour)
{
    const QRect box = satelliteLabelBox(painter.fontMetrics(), QPoint(at.x, at.y), gap);
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, text);
    painter.restore();
}

// The clip disc: exactly the pixels the outer ring covers, outline
// included. Qt's elliptic QRegion on the same box lies a pixel inside the
// stroked circle and would clip the horizon ring away.
QRegion discRegion(const PixelRect& box)
{
    if (box.width() < 1 || box.height() < 1) return QRegion();
    QBitmap disc(box.width(), box.height());
    disc.clear();
    QPainter painter(&disc);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(Qt::color1, 1));
    painter.setBrush(Qt::color1);
    painter.drawEllipse(outlineOf(PixelRect{0, 0, box.width(), box.height()}));
    painter.end();
    return QRegion(disc).translated(box.left, box.top);
}

// The observed mask entries in table order into `outline`; the closing edge
// back to the first point is the polygon's own.
void maskOutline(const SkyPlotModel& model, const PlotSquare& plot, QPolygon& outline)
{
    outline.clear();
    for (const MaskEntry& entry : model.mask) {
        if (entry.observed == 1) {
            outline << toQPoint(project(plot, entry.azimuth, entry.lowestElevation));
        }
    }
}

QPolygon maskOutline(const SkyPlotModel& model, const PlotSquare& plot)
{
    QPolygon outline;
    maskOutline(model, plot, outline);
    return outline;
}

// Black disc ringed in grey, ring labels at azimuth 15, twelve dotted spokes
// with their labels. Labels sit on an opaque black cell so the lines under
// them do not run through the digits.
void paintScreenGrid(QPainter& painter, const PlotSquare& plot)
{
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::black);
    for (const int elevation : kRingElevations) {
        painter.setPen(QPen(kGridGrey, 1));
        painter.setBrush(Qt::black);
        painter.drawEllipse(outlineOf(ringBox(plot, elevation)));
        if (elevation > 0) {
            drawCentredText(painter, project(plot, 15, elevation), degrees(elevation),
                            Qt::white);
        }
    }
    const QPoint centre = toQPoint(spokeCentre(plot));
    for (int azimuth = 30; azimuth <= 360; azimuth += 30) {
        painter.setPen(QPen(kGridGrey, 1, Qt::DotLine, Qt::FlatCap));
        painter.drawLine(centre, toQPoint(spokePoint(plot, azimuth, 90)));
        drawCentredText(painter, spokePoint(plot, azimuth, 82.5), degrees(azimuth), Qt::white);
    }
}

void paintScreenSatellites(QPainter& painter, const PlotSquare& plot, const SkyPlotModel& model)
{
    for (const SkySatellite& satellite : model.satellites) {
        if (!isPlotted(satellite)) continue;
        const PixelPoint at = project(plot, satellite.azimuth, satellite.elevation);
        // An X five pixels across: Qt's aliased lines include both end points.
        // Its colour tells the system apart while every system is shown.
        painter.setPen(QPen(model.allSystems == 1 ? systemColour(satellite.system)
                                                 : QColor(Qt::white),
                            model.allSystems == 1 ? 2 : 1));
        painter.drawLine(at.x - 2, at.y - 2, at.x + 2, at.y + 2);
        painter.drawLine(at.x + 2, at.y - 2, at.x - 2, at.y + 2);
        const QColor colour = satellite.usedInSolution == 1 ? kUsedColour : kGridGrey;
        drawSatelliteLabel(painter, at, kScreenLabelGap,
                           satelliteLabel(satellite, model.detailsEnabled, model.allSystems),
                           colour);
    }
}

// `pixels` is scratch room, emptied first.
void paintTrails(QPainter& painter, const PlotSquare& plot, const SkyPlotModel& model,
                 QPolygon& pixels)
{
    pixels.clear();
    for (const auto& ring : model.trails) {
        for (const TrailPoint& point : ring) {
            // As for satellites: a point off the sky (below the horizon,
            // 65535) is no place to mark, though project() would hold it on
            // the circle.
            if (point.prn != 0 && point.azimuth != 0 && point.elevation > 0 &&
                point.elevation <= 90) {
                pixels << toQPoint(project(plot, point.azimuth, point.elevation));
            }
        }
    }
    // Trails are single pixels: smoothing would smear each over four.
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(kTrailGreen, 1));
    painter.drawPoints(pixels);
    painter.restore();
}

// One polygon call, not a line per edge: Qt's stroker then touches each
// shared vertex once, so the exclusive-or leaves no dark dots at the
// corners. A path that never leaves its start point draws no pixel.
void paintMaskOutline(QPainter& painter, const PlotSquare& plot, const SkyPlotModel& model,
                      QPolygon& outline)
{
    maskOutline(model, plot, outline);
    if (outline.size() < 2) return;
    painter.save();
    // Drawn again it must erase exactly: never smoothed.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    painter.setPen(QPen(kOutlineBlue, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(outline);
    painter.restore();
}

// Page frame, and the identification line running up the outside of its
// right edge from the bottom corner. Returns the frame.
PixelRect printFrame(QPainter& painter, const PixelRect& page, int dpi,
                     const QString& identification)
{
    const PixelRect frame = inset(page, dpi / 2);
    painter.setPen(QPen(Qt::black, dpi / 32, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRect(frame.left, frame.top, frame.width(), frame.height()));

    QFont font = skyPlotFont(8.0);
    font.setWeight(QFont::Normal);
    painter.setFont(font);
    const QFontMetrics metrics = painter.fontMetrics();
    painter.save();
    painter.translate(frame.right + dpi / 32, frame.bottom - metrics.height());
    // Quarter turn anticlockwise: the text runs upwards and its top faces
    // away from the page.
    painter.rotate(-90);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, metrics.horizontalAdvance(identification), metrics.height()),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, identification);
    painter.restore();
    return frame;
}

// White rings labelled along the north spoke, 24 dotted spokes. Labels get
// an opaque white cell so that the circle under them does not cross them.
void printGrid(QPainter& painter, const PlotSquare& plot, int dpi)
{
    painter.setBackground(Qt::white);
    const QPen ringPen(kGridGrey, dpi / 200);
    for (const int elevation : kRingElevations) {
        painter.setPen(ringPen);
        painter.setBrush(Qt::white);
        painter.drawEllipse(outlineOf(ringBox(plot, elevation)));
        if (elevation > 0) {
            painter.setBackgroundMode(Qt::OpaqueMode);
            drawCentredText(painter, project(plot, 0, elevation),
                            QLatin1Char(' ') + degrees(elevation), Qt::black);
        }
    }
    const QPoint centre = toQPoint(spokeCentre(plot));
    for (int azimuth = 15; azimuth <= 360; azimuth += 15) {
        // Transparent, or the gaps between the dots would blank the labels
        // the north spoke crosses.
        painter.setBackgroundMode(Qt::TransparentMode);
        painter.setPen(QPen(kGridGrey, dpi / 200, Qt::DotLine, Qt::FlatCap));
        painter.drawLine(centre, toQPoint(spokePoint(plot, azimuth, 90)));
        painter.setBackgroundMode(Qt::OpaqueMode);
        drawCentredText(painter, spokePoint(plot, azimuth, 82.5), degrees(azimuth), Qt::black);
    }
    painter.setBackgroundMode(Qt::TransparentMode);
}

void printPlot(QPainter& painter, const PixelRect& area, int dpi, const SkyPlotModel& model,
               const QString& comment)
{
    painter.setFont(skyPlotFont(7.0));
    const int lineHeight = painter.fontMetrics().height();
    // The comment may come from a multi-line edit with CR LF line ends.
    QString text = comment;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    painter.setPen(Qt::black);
    painter.drawText(QRect(area.left, area.top - 4 * lineHeight, area.width(),
                           area.bottom - (area.top - 4 * lineHeight)),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);

    const PlotSquare plot = layoutPlotSquare(area, kPrintInset);
    printGrid(painter, plot, dpi);

    const QPolygon outline = maskOutline(model, plot);
    if (outline.size() >= 2) {
        painter.setPen(QPen(Qt::black, dpi / 128, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPolygon(outline);
    }

    for (const SkySatellite& satellite : model.satellites) {
        if (!isPlotted(satellite)) continue;
        const PixelPoint at = project(plot, satellite.azimuth, satellite.elevation);
        // A zero-length stroke with a round cap is a disc the pen's width across.
        const QColor disc = model.allSystems == 1 ? systemColour(satellite.system).darker(130)
                                                  : QColor(Qt::black);
        painter.setPen(QPen(disc, dpi / 16, Qt::SolidLine, Qt::RoundCap));
        painter.drawPoint(at.x, at.y);
        drawSatelliteLabel(painter, at, dpi / 16,
                           satelliteLabel(satellite, model.detailsEnabled, model.allSystems),
                           Qt::black);
    }
}

} // namespace

QFont skyPlotFont(double points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    return font;
}

QRect satelliteLabelBox(const QFontMetrics& metrics, const QPoint& at, int gap)
{
    const int width = 5 * metrics.maxWidth();
    return QRect(at.x() - width / 2, at.y() + gap, width, 3 * metrics.height());
}

QImage skyPlotCanvas(const QSize& size, qreal ratio)
{
    QImage canvas = pictureCanvas(size, ratio);
    if (canvas.isNull()) canvas = QImage(size, QImage::Format_RGB32);
    canvas.setDotsPerMeterX(kSkyCanvasDotsPerMetre);
    canvas.setDotsPerMeterY(kSkyCanvasDotsPerMetre);
    return canvas;
}

void paintSkyPlot(QPainter& painter, const QRect& client, const SkyPlotModel& model,
                  const SkyPlotPalette& palette, SkyPlotScratch* scratch)
{
    SkyPlotScratch local;
    SkyPlotScratch& room = scratch != nullptr ? *scratch : local;
    painter.save();
    // Every pixel of the classic picture is placed on purpose: smoothing
    // only when asked.
    setSmoothing(painter, palette.smooth);

    painter.fillRect(client, Qt::black);
    painter.fillRect(client.adjusted(1, 1, -1, -1), palette.buttonFace);

    const PlotSquare plot = layoutPlotSquare(toPixelRect(client), kScreenInset);
    QFont font = skyPlotFont(labelFontTenths(plot) / 10.0);
    if (!palette.smooth) font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    const PixelRect disc = clipDiscBox(plot);
    if (painter.device()->devicePixelRatioF() == 1.0) {
        // The disc depends on its box alone.
        if (room.disc.isEmpty() || !(room.discBox == disc)) {
            room.disc = discRegion(disc);
            room.discBox = disc;
        }
        painter.setClipRegion(room.disc);
    } else {
        // Finer pixels than the chart's own: a region would clip in blocks.
        QPainterPath round;
        round.addEllipse(QRectF(disc.left, disc.top, disc.width(), disc.height()));
        painter.setClipPath(round);
    }

    paintScreenGrid(painter, plot);
    paintScreenSatellites(painter, plot, model);
    if (model.trailsEnabled == 1) paintTrails(painter, plot, model, room.trailPixels);
    if (model.maskOutlineEnabled == 1) paintMaskOutline(painter, plot, model, room.outline);
    painter.restore();
}

void printSkyPlot(QPainter& painter, const QRect& pageRect, int dpi, const SkyPlotModel& model,
                  const QString& comment, const QString& identification)
{
    painter.save();
    // Lines stay crisp and exactly as wide as asked on a raster page; a PDF
    // or a printer at its own resolution does not need smoothing either.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setBackgroundMode(Qt::TransparentMode);

    const PixelRect frame = printFrame(painter, toPixelRect(pageRect), dpi, identification);
    printPlot(painter, inset(frame, dpi / 2), dpi, model, comment);
    painter.restore();
}

} // namespace orbilunex
