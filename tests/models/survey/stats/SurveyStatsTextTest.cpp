#include "models/survey/stats/SurveyStatsText.h"

#include "settings/DisplaySettings.h"
#include "settings/SettingsStore.h"
#include "survey/SurveyModel.h"

#include <gtest/gtest.h>

#include <algorithm>
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

// The blocks below the classic rows, from figures given as they are: the
// classic rows stay as they were, absent figures read "n/a", distances follow
// "Units" (metres only for metric), and the lines run on without a gap in
// the middle of a block.
TEST(SurveyStatsText, AccuracyAndReferenceBlocks)
{
    SurveyStatsAccuracy accuracy;
    accuracy.figures.horizontalSamples = 2;
    accuracy.figures.verticalSamples = 2;
    accuracy.figures.cep50 = 1.25;
    accuracy.figures.r95 = 2.5;
    accuracy.figures.drms = 1.5;
    accuracy.figures.twoDrms = 3.0;
    // sigmaUp absent
    accuracy.hasReference = true;
    accuracy.referenceErrors = ReferenceErrors{{3.0, 4.0, -0.75, 5.0, 36.869897645844},
                                               {-2.0, 0.0, 1.5, 2.0, 270.0}};
    accuracy.surveyComplete = true;

    struct Case {
        int units;
        const char* texts[11]; // CEP50 .. sigma up, then mean and LSF: horizontal, bearing, vertical
    };
    const Case cases[] = {
        {unitsMetric,
         {"1.250 m", "2.500 m", "1.500 m", "3.000 m", "n/a", "5.000 m", "36.87\u00B0", "-0.750 m",
          "2.000 m", "270.00\u00B0", "1.500 m"}},
        {unitsNautical,
         {"4.101 ft", "8.202 ft", "4.921 ft", "9.843 ft", "n/a", "16.404 ft", "36.87\u00B0",
          "-2.461 ft", "6.562 ft", "270.00\u00B0", "4.921 ft"}},
    };
    const char* labels[11] = {"   CEP50:",          "   R95:",          "   DRMS:",
                              "   2DRMS:",          "   \u03C3Up:",     "   Mean Horizontal:",
                              "   Mean Bearing:",   "   Mean Vertical:", "   LSF Horizontal:",
                              "   LSF Bearing:",    "   LSF Vertical:"};
    const int lines[11] = {23, 24, 25, 26, 27, 32, 33, 34, 35, 36, 37};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.units);
        MemorySettingsStore settings;
        writeSetting(settings, settings::display::kUnits, c.units);
        SurveyModel survey(settings);
        addKnownSamples(survey);
        const SurveyStatsPane classic = surveyStatsPane(survey, kDops, settings);
        const SurveyStatsPane pane = surveyStatsPane(survey, kDops, settings, accuracy);
        ASSERT_EQ(pane.rows.size(), classic.rows.size() + 14);
        EXPECT_TRUE(std::equal(classic.rows.begin(), classic.rows.end(), pane.rows.begin()));
        const SurveyStatsRow* extra = &pane.rows[classic.rows.size()];
        EXPECT_EQ(extra[0], (SurveyStatsRow{22, true, "Accuracy", 0, "", "", ""}));
        EXPECT_EQ(extra[6], (SurveyStatsRow{29, true, "Survey complete", 0, "", "", ""}));
        EXPECT_EQ(extra[7], (SurveyStatsRow{31, true, "Reference", 0, "", "", ""}));
        const int rowOf[11] = {1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13};
        for (int i = 0; i < 11; ++i)
            EXPECT_EQ(extra[rowOf[i]], (SurveyStatsRow{lines[i], false, labels[i],
                                                       kStatsCountValueColumn, c.texts[i], "", ""}));
        EXPECT_EQ(pane.lineCount(), 38);
        ASSERT_TRUE(pane.accuracy.has_value());
        EXPECT_EQ(*pane.accuracy, accuracy) << "the figures behind the rows";
    }

    // Without a reference, completion or samples: the accuracy block alone,
    // every figure absent.
    MemorySettingsStore settings;
    SurveyModel survey(settings);
    const SurveyStatsPane bare = surveyStatsPane(survey, kDops, settings, SurveyStatsAccuracy{});
    EXPECT_EQ(bare.lineCount(), 28);
    EXPECT_EQ(bare.rows.back(), (SurveyStatsRow{27, false, "   \u03C3Up:", kStatsCountValueColumn,
                                                "n/a", "", ""}));
}

TEST(SurveyStatsText, PixelPlacesOfTheTexts)
{
    // Character width 7, text height 16: the spread value of line 6 sits at
    // 35 x 7 + 3 + 12 x 7, the scrolling area is 63 x 7 by 21 x 16 + 3.
    EXPECT_EQ(statsTextPoint(6, kStatsSpreadValueColumn, 16, 7), (PixelPoint{332, 99}));
    EXPECT_EQ(statsTextPoint(0, 0, 16, 7), (PixelPoint{3, 3}));
    EXPECT_EQ(statsScrollArea(16, 7), (PixelRect{0, 0, 441, 339}));
    EXPECT_EQ(statsScrollArea(16, 7, 38), (PixelRect{0, 0, 441, 611}));
}

} // namespace
} // namespace orbilunex
