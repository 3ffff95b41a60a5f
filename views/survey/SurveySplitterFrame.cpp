#include "views/survey/SurveySplitterFrame.h"

#include "views/survey/SurveyExportCommand.h"

#include "framework/AppContext.h"
#include "models/survey/panes/SurveyPanes.h"
#include "settings/SurveySettings.h"
#include "views/survey/SurveyDoc.h"
#include "views/survey/SurveyElevationView.h"
#include "views/survey/SurveyPrintout.h"
#include "views/survey/SurveyPropertySheet.h"
#include "views/survey/SurveyStatsView.h"
#include "views/survey/SurveyView.h"

#include <QMenu>
#include <QSplitter>
#include <QVBoxLayout>

#include <algorithm>

namespace orbilunex {

namespace {

void mergeInto(QJsonObject& into, const QJsonObject& from)
{
    for (auto it = from.begin(); it != from.end(); ++it) into.insert(it.key(), it.value());
}

} // namespace

CSurveySplitterFrame::CSurveySplitterFrame(CDocument* document, AppContext& app)
    : CView(document, app)
{
    CSurveyDoc* survey = surveyDocument();
    const SettingsStore& settings = app.settings();
    rows = new QSplitter(Qt::Vertical, this);
    plot = new CSurveyView(survey, app);
    lower = new QSplitter(Qt::Horizontal);
    elevation = new CSurveyElevationView(survey, app);
    stats = new CSurveyStatsView(survey, app);
    lower->addWidget(elevation);
    lower->addWidget(stats);
    rows->addWidget(plot);
    rows->addWidget(lower);
    // "&Properties" from any pane's menu.
    const auto properties = [this] { showProperties(); };
    plot->setPropertiesHandler(properties);
    elevation->setPropertiesHandler(properties);
    stats->setPropertiesHandler(properties);
    storedPlotHeight = readSetting(settings, settings::survey::kFramePane);
    storedChartWidth = readSetting(settings, settings::survey::kFramePane2);
    rows->setStretchFactor(1, 1);
    lower->setStretchFactor(1, 1);
    // Only a split the user makes is stored; one a small window forces is not.
    connect(rows, &QSplitter::splitterMoved, this, [this] {
        storedPlotHeight = rows->sizes().value(0);
        writeSetting(this->app().settings(), settings::survey::kFramePane, storedPlotHeight);
    });
    connect(lower, &QSplitter::splitterMoved, this, [this] {
        storedChartWidth = lower->sizes().value(0);
        writeSetting(this->app().settings(), settings::survey::kFramePane2, storedChartWidth);
    });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(rows);
    applySplit();
}

void CSurveySplitterFrame::applySplit()
{
    const int height = std::max(0, this->height() - rows->handleWidth());
    const int width = std::max(0, this->width() - lower->handleWidth());
    const SurveyPaneSplit split =
        surveyPaneSplit(height, width, storedPlotHeight, storedChartWidth);
    rows->setSizes({split.plotHeight, height - split.plotHeight});
    lower->setSizes({split.chartWidth, width - split.chartWidth});
}

void CSurveySplitterFrame::resizeEvent(QResizeEvent* event)
{
    CView::resizeEvent(event);
    applySplit();
}

CSurveyDoc* CSurveySplitterFrame::surveyDocument() const
{
    return static_cast<CSurveyDoc*>(document());
}

void CSurveySplitterFrame::showProperties()
{
    if (editSurveyProperties(*surveyDocument(), this)) surveyDocument()->propertiesConfirmed();
}

int CSurveySplitterFrame::plotHeight() const
{
    return rows->sizes().value(0);
}

int CSurveySplitterFrame::chartWidth() const
{
    return lower->sizes().value(0);
}

QString CSurveySplitterFrame::exportMenuText() const
{
    return QStringLiteral("E&xport Survey...");
}

void CSurveySplitterFrame::exportData()
{
    if (CSurveyDoc* doc = surveyDocument()) exportSurveyFromWindow(*doc, app().prompter(), this);
}

QString CSurveySplitterFrame::frameMenuTitle() const
{
    return QStringLiteral("Survey Settings");
}

void CSurveySplitterFrame::fillFrameMenu(QMenu& menu)
{
    fillSurveyMenu(menu, *surveyDocument(), this, [this] { showProperties(); }, false);
}

void CSurveySplitterFrame::printPage(QPainter& painter, const QRect& pageRect, int dpi)
{
    printSurveyReport(painter, pageRect, dpi, *surveyDocument(), app().settings(),
                      QStringLiteral("Orbilunex %1 - GPS monitor for NMEA-0183 receivers")
                          .arg(QStringLiteral(ORBILUNEX_VERSION)));
}

QJsonObject CSurveySplitterFrame::shows() const
{
    QJsonObject values;
    mergeInto(values, stats->shows());
    mergeInto(values, plot->shows());
    mergeInto(values, elevation->shows());
    values[QStringLiteral("pathName")] = document()->pathName();
    return values;
}

} // namespace orbilunex
