#include "views/survey/SurveyStatsView.h"

#include "framework/AppContext.h"
#include "framework/TextMetrics.h"
#include "nmea/GpsState.h"
#include "views/survey/SurveyDoc.h"

#include <QFontMetrics>
#include <QJsonArray>
#include <QJsonObject>
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
    const PixelRect area = statsScrollArea(lineHeight, averageWidth);
    setFixedSize(area.right - area.left, area.bottom - area.top);
}

void CSurveyStatsWnd::paintEvent(QPaintEvent*)
{
    SurveyStatsPane pane = buildPane();
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
    return surveyStatsPane(surveyDocument()->survey(), dops, app().settings());
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
    if (drawn && *drawn == currentPane()) return;
    text->update();
}

void CSurveyStatsView::onUpdate(CView*)
{
    forgetInputs();
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
    return values;
}

} // namespace orbilunex
