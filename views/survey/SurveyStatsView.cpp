#include "views/survey/SurveyStatsView.h"

#include "framework/AppContext.h"
#include "framework/TextMetrics.h"
#include "nmea/GpsState.h"
#include "views/survey/SurveyDoc.h"

#include <QFontMetrics>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QMenu>
#include <QPainter>
#include <QScrollArea>

#include <algorithm>
#include <cmath>

namespace orbilunex {

namespace {

constexpr int kRefreshMs = 1000;
constexpr int kFontCellHeight = 12;

// Arial sized by its whole line (ascent plus descent), as the pane's rows
// are spaced by it; a pixel size alone sets the em, which is smaller.
QFont statsFont(QFont::Weight weight, bool italic)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(weight);
    font.setItalic(italic);
    // The largest em whose line still fits the cell.
    for (int size = kFontCellHeight; size > 1; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).height() <= kFontCellHeight) break;
    }
    return font;
}

void drawAt(QPainter& painter, const QFont& font, const PixelPoint& topLeft,
            const std::string& text)
{
    if (text.empty()) return;
    painter.setFont(font);
    painter.drawText(topLeft.x, topLeft.y + QFontMetrics(font, painter.device()).ascent(),
                     QString::fromStdString(text));
}

QJsonValue optionalValue(const std::optional<double>& value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

QJsonObject errorObject(const PositionError& error, bool hasAltitude)
{
    QJsonObject object;
    object[QStringLiteral("east")] = error.east;
    object[QStringLiteral("north")] = error.north;
    object[QStringLiteral("up")] = hasAltitude ? QJsonValue(error.up) : QJsonValue(QJsonValue::Null);
    object[QStringLiteral("horizontal")] = error.horizontal;
    object[QStringLiteral("bearing")] = error.bearing;
    return object;
}

// In metres and degrees; an absent figure is null, as the pane reads "n/a".
void addAccuracy(QJsonObject& values, const SurveyStatsAccuracy& accuracy)
{
    const SurveyAccuracy& a = accuracy.figures;
    values[QStringLiteral("cep50")] = optionalValue(a.cep50);
    values[QStringLiteral("r95")] = optionalValue(a.r95);
    values[QStringLiteral("drms")] = optionalValue(a.drms);
    values[QStringLiteral("twoDrms")] = optionalValue(a.twoDrms);
    values[QStringLiteral("sigmaUp")] = optionalValue(a.sigmaUp);
    values[QStringLiteral("horizontalSamples")] = static_cast<qint64>(a.horizontalSamples);
    values[QStringLiteral("verticalSamples")] = static_cast<qint64>(a.verticalSamples);
    if (accuracy.referenceErrors) {
        const bool hasAltitude = a.verticalSamples > 0;
        QJsonObject errors;
        errors[QStringLiteral("mean")] = errorObject(accuracy.referenceErrors->mean, hasAltitude);
        errors[QStringLiteral("leastSquares")] =
            errorObject(accuracy.referenceErrors->leastSquares, hasAltitude);
        values[QStringLiteral("referenceError")] = errors;
    }
    values[QStringLiteral("surveyComplete")] = accuracy.surveyComplete;
}

} // namespace

SurveyStatsFonts surveyStatsFonts()
{
    // All three share the regular face's size, so their rows line up.
    SurveyStatsFonts fonts;
    fonts.regular = statsFont(QFont::Normal, false);
    fonts.bold = fonts.regular;
    fonts.bold.setWeight(QFont::Bold);
    fonts.italic = fonts.regular;
    fonts.italic.setItalic(true);
    return fonts;
}

// ---- the text ----

CSurveyStatsWnd::CSurveyStatsWnd(std::function<SurveyStatsPane()> build, QWidget* parent)
    : QWidget(parent), buildPane(std::move(build)), fonts(surveyStatsFonts())
{
    // Every paint covers the whole text: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    lineHeight = QFontMetrics(fonts.regular, this).height();
    averageWidth = static_cast<int>(std::lround(averageCharWidth(fonts.regular, this)));
    // The classic pane's size until the first rows are known.
    const PixelRect area = statsScrollArea(lineHeight, averageWidth);
    setFixedSize(area.right - area.left, area.bottom - area.top);
}

void CSurveyStatsWnd::fitLines(int lines)
{
    const PixelRect area = statsScrollArea(lineHeight, averageWidth, lines);
    setFixedSize(area.right - area.left, area.bottom - area.top);
}

void CSurveyStatsWnd::paintEvent(QPaintEvent*)
{
    SurveyStatsPane pane = buildPane();
    // The view fits the text to its rows before it asks for a paint; a
    // change it did not see (none expected) is fitted here, and the resize
    // brings a paint of the whole text.
    fitLines(pane.lineCount());
    const QColor face = palette().color(QPalette::Button);

    QPainter painter(this);
    painter.fillRect(rect(), face);
    // Texts carry the button face behind them, and their trailing blanks
    // wipe whatever a longer value left.
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(face);
    painter.setPen(palette().color(QPalette::ButtonText));
    const int h = lineHeight;
    const int w = averageWidth;
    for (const SurveyStatsRow& row : pane.rows) {
        drawAt(painter, row.heading ? fonts.bold : fonts.regular, statsTextPoint(row.line, 0, h, w),
               row.label);
        drawAt(painter, fonts.italic, statsTextPoint(row.line, row.valueColumn, h, w), row.value);
        drawAt(painter, fonts.regular, statsTextPoint(row.line, kStatsSpreadLabelColumn, h, w),
               row.spreadLabel);
        drawAt(painter, fonts.italic, statsTextPoint(row.line, kStatsSpreadValueColumn, h, w),
               row.spreadValue);
    }
    drawn = std::move(pane);
}

// ---- the view ----

CSurveyStatsView::CSurveyStatsView(CSurveyDoc* document, AppContext& app)
    : CHostView(document, app, kRefreshMs)
{
    scroller = new QScrollArea;
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setBackgroundRole(QPalette::Button);
    scroller->viewport()->setBackgroundRole(QPalette::Button);
    scroller->viewport()->setAutoFillBackground(true);
    text = new CSurveyStatsWnd([this] { return currentPane(); });
    text->fitLines(currentPane().lineCount());
    scroller->setWidget(text);
    hostChild(scroller, Ownership::Owned);
}

CSurveyDoc* CSurveyStatsView::surveyDocument() const
{
    return static_cast<CSurveyDoc*>(document());
}

void CSurveyStatsView::setPropertiesHandler(std::function<void()> handler)
{
    propertiesHandler = std::move(handler);
}

SurveyStatsPane CSurveyStatsView::currentPane() const
{
    // The receiver's latest GSA values, whether or not the survey takes
    // samples now.
    const GpsState& state = app().gpsState();
    SurveyDops dops;
    dops.pdop = state.pdop;
    dops.hdop = state.gsaHdop;
    dops.vdop = state.vdop;
    const CSurveyDoc& doc = *surveyDocument();
    return surveyStatsPane(doc.survey(), dops, app().settings(),
                           accuracy.current(doc.survey(), app().settings(), doc.surveyComplete()));
}

void CSurveyStatsView::onTick()
{
    // The pane is built from the decoded DOPs, the settings and the survey;
    // the survey gains its samples at the plot pane's ticks, not this one's,
    // so its count is looked at too.
    const bool inputs = inputsChanged();
    const std::uint32_t samples = surveyDocument()->survey().sampleCount();
    if (!inputs && samples == samplesSeen) return;
    samplesSeen = samples;
    const std::optional<SurveyStatsPane>& drawn = text->lastDrawn();
    const SurveyStatsPane pane = currentPane();
    if (drawn && *drawn == pane) return;
    text->fitLines(pane.lineCount());
    text->update();
}

void CSurveyStatsView::onUpdate(CView*)
{
    // A load or an erase may leave the sample count as it was.
    accuracy.forget();
    forgetInputs();
    text->fitLines(currentPane().lineCount());
    text->update();
}

void CSurveyStatsView::fillContextMenu(QMenu& menu)
{
    fillSurveyMenu(menu, *surveyDocument(), this, [this] {
        if (propertiesHandler) propertiesHandler();
    });
}

QJsonObject CSurveyStatsView::shows() const
{
    const std::optional<SurveyStatsPane>& pane = text->lastDrawn();
    if (!pane) return {};
    const SurveyStatsFigures& f = pane->figures;
    QJsonObject values;
    values[QStringLiteral("sampleCount")] = static_cast<qint64>(f.sampleCount);
    values[QStringLiteral("meanLatitude")] = f.meanLatitude;
    values[QStringLiteral("meanLongitude")] = f.meanLongitude;
    values[QStringLiteral("meanAltitude")] = f.meanAltitude;
    values[QStringLiteral("meanLatitudeSpread")] = f.meanLatitudeSpread;
    values[QStringLiteral("meanLongitudeSpread")] = f.meanLongitudeSpread;
    values[QStringLiteral("meanAltitudeSpread")] = f.meanAltitudeSpread;
    values[QStringLiteral("lsfLatitude")] = f.lsfLatitude;
    values[QStringLiteral("lsfLongitude")] = f.lsfLongitude;
    values[QStringLiteral("lsfAltitude")] = f.lsfAltitude;
    values[QStringLiteral("lsfLatitudeSpread")] = f.lsfLatitudeSpread;
    values[QStringLiteral("lsfLongitudeSpread")] = f.lsfLongitudeSpread;
    values[QStringLiteral("lsfAltitudeSpread")] = f.lsfAltitudeSpread;
    values[QStringLiteral("latLonSamples")] = static_cast<qint64>(f.latLonSamples);
    values[QStringLiteral("altitudeSamples")] = static_cast<qint64>(f.altitudeSamples);
    QJsonArray shares;
    for (double share : f.hdopClassShares) shares.append(share);
    values[QStringLiteral("hdopClassShares")] = shares;
    if (pane->accuracy) addAccuracy(values, *pane->accuracy);
    return values;
}

} // namespace orbilunex
