#include "views/survey/SurveyExportCommand.h"

#include "framework/Prompter.h"
#include "survey/SurveyAccuracy.h"
#include "survey/SurveyExport.h"
#include "views/survey/SurveyDoc.h"

#include <QFileInfo>
#include <QString>

#include <string>
#include <vector>

namespace orbilunex {

void exportSurveyFromWindow(CSurveyDoc& document, Prompter& prompter, QWidget* parent)
{
    const QString base = QFileInfo(document.title()).completeBaseName();
    const QString target = prompter.chooseSaveFile(
        parent, QStringLiteral("Export Survey"),
        QStringLiteral("CSV (*.csv);;GPX (*.gpx);;KML (*.kml);;GeoJSON (*.geojson)"),
        QStringLiteral("csv"), (base.isEmpty() ? QStringLiteral("Survey") : base));
    if (target.isEmpty()) return;
    const std::string path = target.toStdString();
    const std::optional<ExportFormat> format = exportFormatFor(path);
    if (!format) {
        prompter.warn(parent, QStringLiteral("%1 is not a file Orbilunex can export to: choose a "
                                             "name ending in .csv, .gpx, .kml or .geojson.")
                                  .arg(target));
        return;
    }
    AccuracyScratch scratch;
    const SurveyAccuracy figures = surveyAccuracy(document.survey(), scratch);
    std::string error;
    // The file chooser has asked before a file is replaced.
    if (!exportSurvey(path, *format, document.survey(), figures, true, error))
        prompter.warn(parent, QString::fromStdString(error));
}

} // namespace orbilunex
