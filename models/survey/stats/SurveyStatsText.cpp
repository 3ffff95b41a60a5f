#include "models/survey/stats/SurveyStatsText.h"

#include "format/FixedText.h"
#include "format/GreatCircle.h"
#include "format/PositionText.h"
#include "format/Units.h"
#include "settings/DisplaySettings.h"
#include "settings/SettingsStore.h"
#include "survey/AccuracySettings.h"
#include "survey/SurveyModel.h"

#include <algorithm>

namespace orbilunex {

namespace {

constexpr double nauticalToStatuteMiles = 1.15077944802;
constexpr int marginPixels = 3;
constexpr int scrollColumns = 63;
constexpr int classicLines = 21;
constexpr double metresPerFoot = 0.3048;

constexpr const char* meanHeading = "Mean Average:";
constexpr const char* leastSquaresHeading = "Least Squares Average";
constexpr const char* samplesHeading = "Samples";
constexpr const char* dopHeading = "Dilution of precision";
constexpr const char* latitudeLabel = "   Latitude:";
constexpr const char* longitudeLabel = "   Longitude:";
constexpr const char* altitudeLabel = "   Altitude:";
constexpr const char* spreadLabel = "   StdDev:";
constexpr const char* latLonSamplesLabel = "   Lat/Lon Samples:";
constexpr const char* altitudeSamplesLabel = "   Altitude Samples:";
constexpr const char* pdopLabel = "   PDOP:";
constexpr const char* hdopLabel = "   HDOP:";
constexpr const char* vdopLabel = "   VDOP:";
constexpr const char* hdopClassLabels[3] = {"   HDOP <= 1.0:", "   1.0 < HDOP <= 2.0:",
                                            "   HDOP > 2.0:"};

std::string padRight(std::string text, std::size_t width)
{
    if (text.size() < width) text.append(width - text.size(), ' ');
    return text;
}

std::string padLeft(std::string text, std::size_t width)
{
    if (text.size() < width) text.insert(0, width - text.size(), ' ');
    return text;
}

// "%0.3f <unit>"
std::string spreadText(double value, const std::string& unit)
{
    return fixedText(value, 3, 0) + " " + unit;
}

// "%-8.02f <unit>"
std::string altitudeText(double value, const std::string& unit)
{
    return padRight(fixedText(value, 2, 0), 8) + " " + unit;
}

// The mean and least-squares blocks differ only in their figures; the
// trailing blanks are the pane's own and wipe what a longer text left.
struct PositionBlock {
    double latitude, longitude, altitude;
    double latitudeSpread, longitudeSpread, altitudeSpread;
    const char* latLonSpreadTail;
};

void addPositionRows(std::vector<SurveyStatsRow>& rows, int firstLine, const char* heading,
                     const PositionBlock& b, const SettingsStore& settings)
{
    const std::string shortUnit = shortDistanceUnitLabel(settings);
    const std::string altitudeUnit = altitudeUnitLabel(settings);
    const double latitudeDistance =
        latitudeSpreadDistance(settings, b.latitude, b.longitude, b.latitudeSpread);
    const double longitudeDistance =
        longitudeSpreadDistance(settings, b.latitude, b.longitude, b.longitudeSpread);

    rows.push_back({firstLine, true, heading, 0, "", "", ""});
    rows.push_back({firstLine + 1, false, latitudeLabel, kStatsPositionValueColumn,
                    formatLatitude(settings, b.latitude), spreadLabel,
                    spreadText(latitudeDistance, shortUnit) + b.latLonSpreadTail});
    rows.push_back({firstLine + 2, false, longitudeLabel, kStatsPositionValueColumn,
                    formatLongitude(settings, b.longitude), spreadLabel,
                    spreadText(longitudeDistance, shortUnit) + b.latLonSpreadTail});
    rows.push_back({firstLine + 3, false, altitudeLabel, kStatsPositionValueColumn,
                    altitudeText(convertAltitude(settings, b.altitude), altitudeUnit),
                    spreadLabel,
                    spreadText(convertAltitude(settings, b.altitudeSpread), altitudeUnit) + "  "});
}

void addCountRow(std::vector<SurveyStatsRow>& rows, int line, const char* label,
                 const std::string& value)
{
    rows.push_back({line, false, label, kStatsCountValueColumn, value, "", ""});
}

// "%4.02f     "
std::string dopText(double value)
{
    return padLeft(fixedText(value, 2, 0), 4) + "     ";
}

// "(%%%.01f)     ", which prints as "(%45.3)     "
std::string shareText(double percent)
{
    return "(%" + fixedText(percent, 1, 0) + ")     ";
}

constexpr const char* accuracyHeading = "Accuracy";
constexpr const char* referenceHeading = "Reference";
constexpr const char* completeLine = "Survey complete";
constexpr const char* absentText = "n/a";

// The accuracy figures read in metres for metric "Units" and in feet
// otherwise: nautical miles would turn a few metres into 0.00x.
struct AccuracyUnit {
    double perMetre;
    const char* label;
};

AccuracyUnit accuracyUnit(const SettingsStore& settings)
{
    if (readSetting(settings, settings::display::kUnits) == unitsMetric) return {1.0, "m"};
    return {1.0 / metresPerFoot, "ft"};
}

std::string accuracyText(const std::optional<double>& metres, const AccuracyUnit& unit)
{
    if (!metres) return absentText;
    return fixedText(*metres * unit.perMetre, 3, 0) + " " + unit.label;
}

std::string bearingText(const std::optional<double>& degrees)
{
    if (!degrees) return absentText;
    return fixedText(*degrees, 2, 0) + "\u00B0";
}

bool sameErrors(const PositionError& a, const PositionError& b)
{
    return a.east == b.east && a.north == b.north && a.up == b.up &&
           a.horizontal == b.horizontal && a.bearing == b.bearing;
}

// One estimate's rows: its horizontal error, bearing and vertical error;
// the horizontal ones absent without a horizontal sample, the vertical one
// without an altitude sample.
int addReferenceRows(std::vector<SurveyStatsRow>& rows, int line, const char* name,
                     const PositionError* error, bool hasAltitude, const AccuracyUnit& unit)
{
    const std::string prefix = std::string("   ") + name;
    auto value = [&](double PositionError::*field) -> std::optional<double> {
        if (!error) return std::nullopt;
        return (*error).*field;
    };
    addCountRow(rows, line++, (prefix + " Horizontal:").c_str(),
                accuracyText(value(&PositionError::horizontal), unit));
    addCountRow(rows, line++, (prefix + " Bearing:").c_str(),
                bearingText(value(&PositionError::bearing)));
    addCountRow(rows, line++, (prefix + " Vertical:").c_str(),
                accuracyText(hasAltitude ? value(&PositionError::up) : std::nullopt, unit));
    return line;
}

} // namespace

bool SurveyStatsAccuracy::operator==(const SurveyStatsAccuracy& o) const
{
    const SurveyAccuracy& a = figures;
    const SurveyAccuracy& b = o.figures;
    const bool sameFigures =
        a.horizontalSamples == b.horizontalSamples && a.verticalSamples == b.verticalSamples &&
        a.centreLatitude == b.centreLatitude && a.centreLongitude == b.centreLongitude &&
        a.centreAltitude == b.centreAltitude && a.cep50 == b.cep50 && a.r95 == b.r95 &&
        a.drms == b.drms && a.twoDrms == b.twoDrms && a.sigmaUp == b.sigmaUp;
    const bool sameReference =
        referenceErrors.has_value() == o.referenceErrors.has_value() &&
        (!referenceErrors || (sameErrors(referenceErrors->mean, o.referenceErrors->mean) &&
                              sameErrors(referenceErrors->leastSquares,
                                         o.referenceErrors->leastSquares)));
    return sameFigures && sameReference && hasReference == o.hasReference &&
           surveyComplete == o.surveyComplete;
}

int SurveyStatsPane::lineCount() const
{
    int last = -1;
    for (const SurveyStatsRow& row : rows) last = std::max(last, row.line);
    return last + 1;
}

double latitudeSpreadDistance(const SettingsStore& settings, double latitude, double longitude,
                              double spreadDegrees)
{
    const double nm = distanceNm(latitude, longitude, latitude + spreadDegrees, longitude);
    return convertShortDistance(settings, nm * nauticalToStatuteMiles);
}

double longitudeSpreadDistance(const SettingsStore& settings, double latitude, double longitude,
                               double spreadDegrees)
{
    const double nm = distanceNm(latitude, longitude, latitude, longitude + spreadDegrees);
    return convertShortDistance(settings, nm * nauticalToStatuteMiles);
}

SurveyStatsPane surveyStatsPane(const SurveyModel& survey, const SurveyDops& dops,
                                const SettingsStore& settings)
{
    const auto& mean = survey.mean;
    const auto& lsf = survey.leastSquares;
    constexpr int lat = SurveyModel::kLatitude;
    constexpr int lon = SurveyModel::kLongitude;
    constexpr int alt = SurveyModel::kAltitude;

    SurveyStatsFigures f;
    f.sampleCount = survey.sampleCount();
    f.meanLatitude = mean[lat].mean;
    f.meanLongitude = mean[lon].mean;
    f.meanAltitude = mean[alt].mean;
    f.meanLatitudeSpread = mean[lat].spread();
    f.meanLongitudeSpread = mean[lon].spread();
    f.meanAltitudeSpread = mean[alt].spread();
    f.lsfLatitude = lsf[lat].estimate();
    f.lsfLongitude = lsf[lon].estimate();
    f.lsfAltitude = lsf[alt].estimate();
    f.lsfLatitudeSpread = lsf[lat].spread();
    f.lsfLongitudeSpread = lsf[lon].spread();
    f.lsfAltitudeSpread = lsf[alt].spread();
    f.latLonSamples = mean[lat].count;
    f.altitudeSamples = mean[alt].count;
    for (int c = 0; c < 3; ++c) {
        f.hdopClassShares[c] =
            f.sampleCount == 0
                ? 0.0
                : static_cast<double>(survey.hdopClassCounts[c]) / f.sampleCount * 100;
    }

    SurveyStatsPane pane;
    auto& rows = pane.rows;
    addPositionRows(rows, 0, meanHeading,
                    {f.meanLatitude, f.meanLongitude, f.meanAltitude, f.meanLatitudeSpread,
                     f.meanLongitudeSpread, f.meanAltitudeSpread, ""},
                    settings);
    addPositionRows(rows, 5, leastSquaresHeading,
                    {f.lsfLatitude, f.lsfLongitude, f.lsfAltitude, f.lsfLatitudeSpread,
                     f.lsfLongitudeSpread, f.lsfAltitudeSpread, "  "},
                    settings);

    rows.push_back({10, true, samplesHeading, 0, "", "", ""});
    addCountRow(rows, 11, latLonSamplesLabel, std::to_string(f.latLonSamples) + "     ");
    addCountRow(rows, 12, altitudeSamplesLabel, std::to_string(f.altitudeSamples) + "   ");

    rows.push_back({14, true, dopHeading, 0, "", "", ""});
    addCountRow(rows, 15, pdopLabel, dopText(dops.pdop));
    addCountRow(rows, 16, hdopLabel, dopText(dops.hdop));
    addCountRow(rows, 17, vdopLabel, dopText(dops.vdop));
    for (int c = 0; c < 3; ++c)
        addCountRow(rows, 18 + c, hdopClassLabels[c], shareText(f.hdopClassShares[c]));

    pane.figures = f;
    return pane;
}

PixelPoint statsTextPoint(int line, int column, int textHeight, int charWidth)
{
    return {marginPixels + column * charWidth, marginPixels + line * textHeight};
}

PixelRect statsScrollArea(int textHeight, int charWidth, int lines)
{
    return {0, 0, scrollColumns * charWidth, lines * textHeight + marginPixels};
}

SurveyStatsPane surveyStatsPane(const SurveyModel& survey, const SurveyDops& dops,
                                const SettingsStore& settings,
                                const SurveyStatsAccuracy& accuracy)
{
    SurveyStatsPane pane = surveyStatsPane(survey, dops, settings);
    auto& rows = pane.rows;
    const AccuracyUnit unit = accuracyUnit(settings);
    const SurveyAccuracy& a = accuracy.figures;

    int line = classicLines + 1;
    rows.push_back({line++, true, accuracyHeading, 0, "", "", ""});
    addCountRow(rows, line++, "   CEP50:", accuracyText(a.cep50, unit));
    addCountRow(rows, line++, "   R95:", accuracyText(a.r95, unit));
    addCountRow(rows, line++, "   DRMS:", accuracyText(a.drms, unit));
    addCountRow(rows, line++, "   2DRMS:", accuracyText(a.twoDrms, unit));
    addCountRow(rows, line++, "   \u03C3Up:", accuracyText(a.sigmaUp, unit));

    if (accuracy.surveyComplete) {
        ++line;
        rows.push_back({line++, true, completeLine, 0, "", "", ""});
    }
    if (accuracy.hasReference) {
        ++line;
        rows.push_back({line++, true, referenceHeading, 0, "", "", ""});
        const ReferenceErrors* errors =
            accuracy.referenceErrors ? &*accuracy.referenceErrors : nullptr;
        const bool hasAltitude = a.verticalSamples > 0;
        line = addReferenceRows(rows, line, "Mean", errors ? &errors->mean : nullptr, hasAltitude,
                                unit);
        line = addReferenceRows(rows, line, "LSF", errors ? &errors->leastSquares : nullptr,
                                hasAltitude, unit);
    }
    pane.accuracy = accuracy;
    return pane;
}

const SurveyStatsAccuracy& SurveyStatsAccuracyCache::current(const SurveyModel& survey,
                                                             const SettingsStore& settings,
                                                             bool surveyComplete)
{
    held.surveyComplete = surveyComplete;
    if (known && samples == survey.sampleCount() && hdopLimit == survey.hdopThreshold &&
        vdopLimit == survey.vdopThreshold && settingsRevision == settings.revision())
        return held;
    known = true;
    samples = survey.sampleCount();
    hdopLimit = survey.hdopThreshold;
    vdopLimit = survey.vdopThreshold;
    settingsRevision = settings.revision();

    held.figures = surveyAccuracy(survey, scratch);
    const std::optional<ReferencePoint> reference = storedReference(settings);
    held.hasReference = reference.has_value();
    held.referenceErrors.reset();
    if (reference && held.figures.horizontalSamples > 0)
        held.referenceErrors = referenceErrors(survey, *reference);
    return held;
}

std::string surveyCompleteStatus(std::uint32_t horizontalSamples, double twoDrmsMetres)
{
    return std::string(completeLine) + ": 2DRMS " + fixedText(twoDrmsMetres, 3, 0) + " m from " +
           std::to_string(horizontalSamples) + " samples";
}

} // namespace orbilunex
