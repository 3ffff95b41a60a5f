#include "models/survey/elevation/ElevationScale.h"

#include "settings/SettingsStore.h"

#include <gtest/gtest.h>

using namespace orbilunex;

namespace {

MemorySettingsStore units(int altitudeUnit) // 0 feet, 1 metres
{
    MemorySettingsStore settings;
    settings.setInt("Settings", "AltitudeElevationUnits", altitudeUnit);
    return settings;
}

} // namespace

TEST(ElevationScale, ChartAndRescaleRules)
{
    struct Row { std::uint32_t samples; std::int32_t max, min; double xStep, yScale; const char* legend; };
    const Row rows[] = { // previous scales 7 and 3
        {15, 10000, 9000, 150.0 / 15, 100.0 / 1000, "20 pixels kept free on the right"},
        {0, 10000, 9000, 7, 100.0 / 1000, "no samples: x step kept"},
        {15, 5000, 5000, 10, 3, "max = min: y scale kept"},
        {4, -1000000, 999999, 37.5, 0, "empty-survey sentinels: no altitude, no y scale"},
        {1, INT32_MAX, INT32_MIN, 150, 100.0 / 4294967295.0, "span beyond 32 bits"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.legend);
        ElevationScale scale{elevationChartRect({0, 0, 170, 104}), 7, 3};
        EXPECT_EQ(scale.chart, (PixelRect{0, 2, 170, 102}));
        rescaleElevation(scale, row.samples, row.max, row.min);
        EXPECT_DOUBLE_EQ(scale.xStep, row.xStep);
        EXPECT_DOUBLE_EQ(scale.yScale, row.yScale);
    }
    const ElevationScale scale{{0, 2, 170, 102}, 2.5, 0.1};
    EXPECT_EQ(elevationPoint(scale, 3, 9509, 9000), (PixelPoint{7, 52})); // 7.5, 50.9 truncate
    EXPECT_EQ(elevationPoint(scale, 1, 8995, 9000), (PixelPoint{2, 102})); // -0.5 truncates to 0
    EXPECT_EQ(elevationLineY(scale, 95.0, 9000), 52);
}

TEST(ElevationScale, GridLevelsAndLabelsInTheUsersUnit)
{
    struct Row { int unit; std::int32_t max, min; const char* bottom; const char* middle; const char* top; };
    const Row rows[] = {
        {1, 10000, 9000, "90.00", "95.00", "100.00"},
        {0, 10000, 9000, "295.28", "311.68", "328.08"},
        // An empty survey's sentinels (max below min) label nothing.
        {1, -1000000, 999999, "", "", ""},
        {0, -1000000, 999999, "", "", ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.top);
        ElevationScale scale{{0, 2, 170, 102}};
        rescaleElevation(scale, 1, row.max, row.min);
        const std::vector<ElevationGridLine> grid = elevationGrid(scale, row.max, units(row.unit));
        ASSERT_EQ(grid.size(), 11u);
        for (int i = 0; i < 11; ++i) EXPECT_EQ(grid[static_cast<std::size_t>(i)].y, 102 - 10 * i);
        EXPECT_EQ(grid[0].label, row.bottom);
        EXPECT_EQ(grid[5].label, row.middle);
        EXPECT_EQ(grid[10].label, row.top);
    }
    // An odd height truncates each level; no labels before a y scale exists.
    const auto unscaled = elevationGrid(ElevationScale{{0, 2, 170, 97}}, 10000, units(1));
    EXPECT_EQ(unscaled[3].y, 97 - 28);
    for (const ElevationGridLine& line : unscaled) EXPECT_FALSE(line.labelled);
}

TEST(ElevationScale, LabelsHangUnderTheirLinesUnlessTheyWouldPassTheBottom)
{
    // Chart bottom at 102, lines every 10 pixels.
    const ElevationScale scale{{0, 2, 170, 102}, 10, 0.1};
    struct Row { int lineY, textHeight, top; };
    const Row rows[] = {
        {2, 9, 2},     // the top line: under it
        {92, 10, 92},  // reaches exactly the bottom: still under
        {92, 11, 81},  // one pixel more: on its line
        {102, 9, 93},  // the bottom line always stands on it
    };
    for (const Row& r : rows)
        EXPECT_EQ(elevationLabelTop(scale, r.lineY, r.textHeight), r.top)
            << r.lineY << " " << r.textHeight;
}

TEST(ElevationScale, CursorTextReadsFromTheClientTop)
{
    const ElevationScale scale{{0, 2, 170, 102}, 10, 0.1};
    // 10000 - 52 / 0.1 = 9480 cm: the cursor y counts from the client's top.
    EXPECT_EQ(elevationCursorText(scale, 52, 10000, units(1)), "Elevation:    94.80 m     ");
    EXPECT_EQ(elevationCursorText(scale, 52, 10000, units(0)), "Elevation:   311.02 ft     ");
    EXPECT_EQ(elevationCursorText(scale, 0, -1000000, units(1)), "Elevation: -10000.00 m     ");
    EXPECT_EQ(elevationCursorText(ElevationScale{{0, 2, 170, 102}}, 52, 10000, units(1)), "");
}
