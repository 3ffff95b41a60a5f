#include "models/survey/stats/SurveyStatsText.h"

#include "settings/DisplaySettings.h"
#include "settings/SettingsStore.h"
#include "survey/SurveyModel.h"

#include <gtest/gtest.h>

#include <cmath>

namespace orbilunex {
namespace {

// Two accepted fixes and four rejected ones: hdop10 0 (class 1), and
// 45, 31, 99 (class 3, above the default limit of 30); the rejected ones are
// also 2D or have VDOP 0, so they stay out of the altitude too.
// Latitude 52.300 / 52.316, longitude 11.500 / 11.514, altitude 500 / 520 m:
// the means are the midpoints with spread |d| / (2 sqrt 2), the least-squares
// estimates 2 y2 - y1 with spread |d| / sqrt 2.
void addKnownSamples(SurveyModel& survey)
{
    survey.addSample(52.300, 11.500, 500, 18, 1, 8, 12);
    survey.addSample(52.316, 11.514, 520, 18, 1, 15, 15);
    survey.addSample(50.0, 12.0, 900, 40, 0, 45, 10);
    survey.addSample(49.0, 11.0, 700, 0, 1, 0, 0);
    survey.addSample(49.5, 11.5, 650, 40, 0, 31, 10);
    survey.addSample(49.6, 11.6, 660, 40, 0, 99, 10);
}

const SurveyDops kDops{1.8, 0.9, 12.5};

TEST(SurveyStatsText, EveryRowOfAKnownSurvey)
{
    MemorySettingsStore settings; // statute, feet, degrees and minutes
    SurveyModel survey(settings);
    addKnownSamples(survey);

    const std::vector<SurveyStatsRow> expected = {
        {0, true, "Mean Average:", 0, "", "", ""},
        {1, false, "   Latitude:", 15, "N 52\u00B0 18.4800", "   StdDev:", "2062.302 ft"},
        {2, false, "   Longitude:", 15, "E 011\u00B0 30.4200", "   StdDev:", "1103.310 ft"},
        {3, false, "   Altitude:", 15, "1673.23  ft", "   StdDev:", "23.199 ft  "},
        {5, true, "Least Squares Average", 0, "", "", ""},
        {6, false, "   Latitude:", 15, "N 52\u00B0 19.9200", "   StdDev:", "4124.604 ft  "},
        {7, false, "   Longitude:", 15, "E 011\u00B0 31.6800", "   StdDev:", "2205.423 ft  "},
        {8, false, "   Altitude:", 15, "1771.65  ft", "   StdDev:", "46.398 ft  "},
        {10, true, "Samples", 0, "", "", ""},
        {11, false, "   Lat/Lon Samples:", 25, "2     ", "", ""},
        {12, false, "   Altitude Samples:", 25, "2   ", "", ""},
        {14, true, "Dilution of precision", 0, "", "", ""},
        {15, false, "   PDOP:", 25, "1.80     ", "", ""},
        {16, false, "   HDOP:", 25, "0.90     ", "", ""},
        {17, false, "   VDOP:", 25, "12.50     ", "", ""},
        {18, false, "   HDOP <= 1.0:", 25, "(%33.3)     ", "", ""},
        {19, false, "   1.0 < HDOP <= 2.0:", 25, "(%16.7)     ", "", ""},
        {20, false, "   HDOP > 2.0:", 25, "(%50.0)     ", "", ""},
    };
    const SurveyStatsPane pane = surveyStatsPane(survey, kDops, settings);
    ASSERT_EQ(pane.rows.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const SurveyStatsRow& r = pane.rows[i];
        EXPECT_EQ(r, expected[i]) << "row " << i << ": line " << r.line << " [" << r.label
                                  << "] [" << r.value << "] [" << r.spreadValue << "]";
    }

    // The figures the snapshot reports are the ones formatted above.
    const SurveyStatsFigures& f = pane.figures;
    EXPECT_EQ(f.sampleCount, 6u);
    EXPECT_EQ(f.latLonSamples, 2u);
    EXPECT_EQ(f.altitudeSamples, 2u);
    EXPECT_NEAR(f.meanLatitude, 52.308, 1e-9);
    EXPECT_NEAR(f.meanLatitudeSpread, 0.016 / (2 * std::sqrt(2.0)), 1e-12);
    EXPECT_NEAR(f.meanAltitudeSpread, 20 / (2 * std::sqrt(2.0)), 1e-9);
    EXPECT_NEAR(f.lsfLatitude, 52.332, 1e-9);
    EXPECT_NEAR(f.lsfLongitudeSpread, 0.014 / std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(f.lsfAltitudeSpread, 20 / std::sqrt(2.0), 1e-9);
    EXPECT_NEAR(f.hdopClassShares[0], 100.0 / 3, 1e-9);
    EXPECT_NEAR(f.hdopClassShares[2], 50.0, 1e-9);
}

// The texts that follow the unit and position settings: the six values of
// the mean and least-squares blocks, and both blocks' spreads.
TEST(SurveyStatsText, ValuesFollowTheUnitAndPositionSettings)
{
    struct Case {
        int units, altitudeUnits, positionFormat;
        // mean rows 1-3, then least-squares rows 6-8: value | spread
        const char* texts[6][2];
    };
    const Case cases[] = {
        {unitsNautical, altitudeMeters, positionDegreesMinutesSeconds,
         {{"N 52\u00B0 18' 28.800", "0.339 nmi"},
          {"E 011\u00B0 30' 25.200", "0.182 nmi"},
          {"510.00   m", "7.071 m  "},
          {"N 52\u00B0 19' 55.200", "0.679 nmi  "},
          {"E 011\u00B0 31' 40.800", "0.363 nmi  "},
          {"540.00   m", "14.142 m  "}}},
        {unitsMetric, altitudeFeet, positionDecimalDegrees,
         {{"N 52.3080000000\u00B0", "628.590 m"},
          {"E 011.5070000000\u00B0", "336.289 m"},
          {"1673.23  ft", "23.199 ft  "},
          {"N 52.3320000000\u00B0", "1257.179 m  "},
          {"E 011.5280000000\u00B0", "672.213 m  "},
          {"1771.65  ft", "46.398 ft  "}}},
        // Unknown choices: statute miles with no label, altitude -1 "err".
        {9, 4, positionDegreesMinutes,
         {{"N 52\u00B0 18.4800", "0.391 "},
          {"E 011\u00B0 30.4200", "0.209 "},
          {"-1.00    err", "-1.000 err  "},
          {"N 52\u00B0 19.9200", "0.781   "},
          {"E 011\u00B0 31.6800", "0.418   "},
          {"-1.00    err", "-1.000 err  "}}},
    };
    const int rowOf[6] = {1, 2, 3, 5, 6, 7}; // indexes into rows (headings at 0 and 4)
    for (const Case& c : cases) {
        MemorySettingsStore settings;
        writeSetting(settings, settings::display::kUnits, c.units);
        writeSetting(settings, settings::display::kAltitudeUnits, c.altitudeUnits);
        writeSetting(settings, settings::display::kPositionFormat, c.positionFormat);
        SurveyModel survey(settings);
        addKnownSamples(survey);
        const SurveyStatsPane pane = surveyStatsPane(survey, kDops, settings);
        for (int i = 0; i < 6; ++i) {
            const SurveyStatsRow& r = pane.rows[rowOf[i]];
            EXPECT_EQ(r.value, c.texts[i][0]) << "units " << c.units << ", row " << r.line;
            EXPECT_EQ(r.spreadValue, c.texts[i][1]) << "units " << c.units << ", row " << r.line;
        }
    }
}

TEST(SurveyStatsText, EmptyAndAllRejectedSurveys)
{
    MemorySettingsStore settings;
    writeSetting(settings, settings::display::kAltitudeUnits, altitudeMeters);

    struct Case {
        const char* name;
        bool addRejected;
        std::uint32_t sampleCount;
        const char* shares[3];
    };
    const Case cases[] = {
        {"no samples", false, 0, {"(%0.0)     ", "(%0.0)     ", "(%0.0)     "}},
        // HDOP 0, 3.1 and 9.9 against a limit of 1.0; each 2D or with VDOP 0.
        {"nothing accepted", true, 3, {"(%33.3)     ", "(%0.0)     ", "(%66.7)     "}},
    };
    for (const Case& c : cases) {
        SurveyModel survey(settings);
        survey.hdopThreshold = 10;
        if (c.addRejected) {
            survey.addSample(48.0, 11.0, 500, 20, 0, 0, 10);
            survey.addSample(48.1, 11.1, 510, 20, 0, 31, 10);
            survey.addSample(48.2, 11.2, 520, 20, 1, 99, 0);
        }
        const SurveyStatsPane pane = surveyStatsPane(survey, SurveyDops{}, settings);
        const auto& rows = pane.rows;
        ASSERT_EQ(rows.size(), 18u) << c.name;
        EXPECT_EQ(pane.figures.sampleCount, c.sampleCount) << c.name;
        EXPECT_EQ(rows[9].value, "0     ") << c.name;
        EXPECT_EQ(rows[10].value, "0   ") << c.name;
        EXPECT_EQ(rows[1].value, "N 00\u00B0 00.0000") << c.name;
        EXPECT_EQ(rows[1].spreadValue, "0.000 ft") << c.name;
        EXPECT_EQ(rows[7].value, "0.00     m") << c.name;
        EXPECT_EQ(rows[13].value, "0.00     ") << c.name;
        for (int k = 0; k < 3; ++k) EXPECT_EQ(rows[15 + k].value, c.shares[k]) << c.name;
    }
}

TEST(SurveyStatsText, PixelPlacesOfTheTexts)
{
    // Character width 7, text height 16: the spread value of line 6 sits at
    // 35 x 7 + 3 + 12 x 7, the scrolling area is 63 x 7 by 21 x 16 + 3.
    EXPECT_EQ(statsTextPoint(6, kStatsSpreadValueColumn, 16, 7), (PixelPoint{332, 99}));
    EXPECT_EQ(statsTextPoint(0, 0, 16, 7), (PixelPoint{3, 3}));
    EXPECT_EQ(statsScrollArea(16, 7), (PixelRect{0, 0, 441, 339}));
}

} // namespace
} // namespace orbilunex
