#pragma once

#include "models/PixelGeometry.h"
#include "survey/SurveyAccuracy.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orbilunex {

class SettingsStore;
class SurveyModel;

// The receiver's latest GSA dilutions of precision, shown as they are
// (the view reads them from GpsState: pdop, gsaHdop, vdop). They do not
// depend on the survey, so they show even while acquisition is off.
struct SurveyDops {
    double pdop = 0.0;
    double hdop = 0.0;
    double vdop = 0.0;
};

// One row of the statistics pane. Positions are in text lines and character
// columns; statsTextPoint turns them into pixels. A heading has a label
// only, drawn bold; otherwise the label is drawn in the regular font and
// the values in italic. Position rows also carry their spread ("StdDev").
struct SurveyStatsRow {
    int line = 0;               // text line: top at line x height + 3
    bool heading = false;
    std::string label;          // at column 0
    int valueColumn = 0;        // 15 for position rows, 25 for counts and DOPs
    std::string value;          // empty for headings
    std::string spreadLabel;    // "   StdDev:" at column 35, or empty
    std::string spreadValue;    // at column 47, or empty

    bool operator==(const SurveyStatsRow& o) const
    {
        return line == o.line && heading == o.heading && label == o.label
               && valueColumn == o.valueColumn && value == o.value
               && spreadLabel == o.spreadLabel && spreadValue == o.spreadValue;
    }
};

// The figures behind the text, in the engine's units (degrees, metres,
// spreads in degrees and metres as the accumulators keep them), so that
// what the pane reports is exactly what it formatted.
struct SurveyStatsFigures {
    std::uint32_t sampleCount = 0;
    double meanLatitude = 0.0;
    double meanLongitude = 0.0;
    double meanAltitude = 0.0;
    double meanLatitudeSpread = 0.0;
    double meanLongitudeSpread = 0.0;
    double meanAltitudeSpread = 0.0;
    double lsfLatitude = 0.0;
    double lsfLongitude = 0.0;
    double lsfAltitude = 0.0;
    double lsfLatitudeSpread = 0.0;
    double lsfLongitudeSpread = 0.0;
    double lsfAltitudeSpread = 0.0;
    std::uint32_t latLonSamples = 0;   // values in the latitude mean
    std::uint32_t altitudeSamples = 0; // values in the altitude mean
    // Percent of all stored samples with HDOP <= 1.0, 1.0 < HDOP <= 2.0 and
    // HDOP > 2.0; all 0 when there are no samples.
    std::array<double, 3> hdopClassShares{};

    bool operator==(const SurveyStatsFigures& o) const
    {
        return sampleCount == o.sampleCount && meanLatitude == o.meanLatitude
               && meanLongitude == o.meanLongitude && meanAltitude == o.meanAltitude
               && meanLatitudeSpread == o.meanLatitudeSpread
               && meanLongitudeSpread == o.meanLongitudeSpread
               && meanAltitudeSpread == o.meanAltitudeSpread && lsfLatitude == o.lsfLatitude
               && lsfLongitude == o.lsfLongitude && lsfAltitude == o.lsfAltitude
               && lsfLatitudeSpread == o.lsfLatitudeSpread
               && lsfLongitudeSpread == o.lsfLongitudeSpread
               && lsfAltitudeSpread == o.lsfAltitudeSpread && latLonSamples == o.latLonSamples
               && altitudeSamples == o.altitudeSamples && hdopClassShares == o.hdopClassShares;
    }
};

// What the pane shows below the classic rows, in metres and degrees: the
// survey's accuracy, its errors from the stored reference, and whether the
// stop rule ended the acquisition.
struct SurveyStatsAccuracy {
    SurveyAccuracy figures;
    bool hasReference = false;
    // With a reference and at least one horizontal sample (before that the
    // mean is no position to measure from).
    std::optional<ReferenceErrors> referenceErrors;
    bool surveyComplete = false;

    bool operator==(const SurveyStatsAccuracy& o) const;
};

struct SurveyStatsPane {
    std::vector<SurveyStatsRow> rows; // top to bottom
    SurveyStatsFigures figures;
    // Absent from the classic pane (the printed report's figures).
    std::optional<SurveyStatsAccuracy> accuracy;

    // The same rows (the same picture) from the same figures.
    bool operator==(const SurveyStatsPane& o) const
    {
        return rows == o.rows && figures == o.figures && accuracy == o.accuracy;
    }

    // Text lines from the top to the last row, inclusive.
    int lineCount() const;
};

// The whole statistics pane for the survey as it stands: positions in the
// "PositionFormat" setting, spreads of latitude and longitude as ground
// distances in the short unit of "Units" (ft / nmi / m), altitudes and
// their spreads in "AltitudeElevationUnits". Texts are UTF-8 and never
// depend on the process locale. Settings are read at every call.
SurveyStatsPane surveyStatsPane(const SurveyModel& survey, const SurveyDops& dops,
                                const SettingsStore& settings);

// The same, followed by an "Accuracy" block (CEP50, R95, DRMS, 2DRMS, σUp),
// "Survey complete" when the stop rule ended the acquisition, and with a
// reference a "Reference" block (horizontal error, bearing and vertical
// error of both estimates). Distances are in metres for metric "Units" and
// in feet otherwise; an absent figure reads "n/a".
SurveyStatsPane surveyStatsPane(const SurveyModel& survey, const SurveyDops& dops,
                                const SettingsStore& settings,
                                const SurveyStatsAccuracy& accuracy);

// Keeps the accuracy and reference errors between the pane's refreshes and
// works them out again only when the survey's sample count or thresholds
// differ from the last time, a setting was written (the reference among
// them), or forget() was called (a load or an erase may keep the count).
// Its scratch space stays, so that a refresh allocates nothing once grown.
class SurveyStatsAccuracyCache {
public:
    const SurveyStatsAccuracy& current(const SurveyModel& survey, const SettingsStore& settings,
                                       bool surveyComplete);
    void forget() { known = false; }

private:
    SurveyStatsAccuracy held;
    AccuracyScratch scratch;
    bool known = false;
    std::uint32_t samples = 0;
    std::uint16_t hdopLimit = 0;
    std::uint16_t vdopLimit = 0;
    std::uint64_t settingsRevision = 0;
};

// The status bar's word when the stop rule ends the acquisition.
std::string surveyCompleteStatus(std::uint32_t horizontalSamples, double twoDrmsMetres);

// A spread in degrees of latitude (or longitude) at a position, as the
// ground distance it spans: great-circle nautical miles from (latitude,
// longitude) to the position moved by the spread, in statute miles, then in
// the short unit of "Units" (an unknown choice passes statute miles through).
double latitudeSpreadDistance(const SettingsStore& settings, double latitude, double longitude,
                              double spreadDegrees);
double longitudeSpreadDistance(const SettingsStore& settings, double latitude, double longitude,
                               double spreadDegrees);

// Where a row's text goes, in pixels, for the regular font's text height
// and average character width: x = 3 + column x charWidth,
// y = 3 + line x textHeight (the top of the text).
PixelPoint statsTextPoint(int line, int column, int textHeight, int charWidth);

// The scrolling area the pane sets after drawing: 63 characters by
// `lines` lines (21, the classic pane, unless told) + 3 pixels.
PixelRect statsScrollArea(int textHeight, int charWidth, int lines = 21);

// The columns of the pane's texts, in average character widths.
constexpr int kStatsPositionValueColumn = 15;
constexpr int kStatsCountValueColumn = 25;
constexpr int kStatsSpreadLabelColumn = 35;
constexpr int kStatsSpreadValueColumn = 35 + 12;

} // namespace orbilunex
