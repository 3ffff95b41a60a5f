#include "views/survey/SurveySplitterFrame.h"

#include "framework/AppContext.h"
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

namespace orbilunex {

namespace {

// A pane is made at least this wide, as the survey window always was.
constexpr int kPlotInitialWidth = 50;

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
    auto* rows = new QSplitter(Qt::Vertical, this);
    plot = new CSurveyView(survey, app);
    auto* lower = new QSplitter(Qt::Horizontal);
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
    const int plotHeight = readSetting(settings, settings::survey::kFramePane);
    const int chartWidth = readSetting(settings, settings::survey::kFramePane2);
    rows->setSizes({plotHeight, plotHeight});
    lower->setSizes({chartWidth, kPlotInitialWidth * 4});
    rows->setStretchFactor(1, 1);
    lower->setStretchFactor(1, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(rows);
}

CSurveyDoc* CSurveySplitterFrame::surveyDocument() const
{
    return static_cast<CSurveyDoc*>(document());
}

void CSurveySplitterFrame::showProperties()
{
    if (editSurveyProperties(*surveyDocument(), this)) surveyDocument()->propertiesConfirmed();
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
