#include "models/survey/stats/SurveyStatsText.h"

#include "format/FixedText.h"
#include "format/GreatCircle.h"
#include "format/PositionText.h"
#include "format/Units.h"
#include "survey/SurveyModel.h"

namespace orbilunex {

namespace {

constexpr double nauticalToStatuteMiles = 1.15077944802;
constexpr int marginPixels = 3;
constexpr int scrollColumns = 63;
constexpr int scrollLines = 21;

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

} // namespace

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

PixelRect statsScrollArea(int textHeight, int charWidth)
{
    return {0, 0, scrollColumns * charWidth, scrollLines * textHeight + marginPixels};
}

} // namespace orbilunex
