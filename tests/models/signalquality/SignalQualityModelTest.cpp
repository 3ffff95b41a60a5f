#include "models/signalquality/SignalQualityLayout.h"
#include "models/signalquality/SignalQualityModel.h"

#include <gtest/gtest.h>


namespace orbilunex {
namespace {

GpsState stateWithSatellites(int inView)
{
    GpsState state;
    resetGpsState(state);
    state.satellitesInView = static_cast<std::uint16_t>(inView);
    for (int i = 0; i < kSatelliteTableSize; ++i) {
        state.satellites[i].prn = static_cast<std::uint16_t>(i + 1);
        state.satellites[i].snr = static_cast<std::uint16_t>(20 + i);
        state.satellites[i].usedInSolution = i % 2;
    }
    return state;
}

TEST(SignalBars, BarCountFollowsTheSatellitesInViewAndEveryBarShowsOne)
{
    struct Case {
        int inView;
        int bars;
        const char* legend;
    };
    const Case cases[] = {
        {0, 12, "none reported: twelve bars"},
        {9, 9, "nine"},
        {14, 14, "past the twelfth: each bar has its satellite"},
        {40, 32, "more than the bars hold"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        SignalQualityModel model;
        model.copySatellites(stateWithSatellites(c.inView));
        EXPECT_EQ(model.barCount, c.bars);
        const SignalBar& last = model.bars[c.bars - 1];
        EXPECT_EQ(last.prn, c.bars);
        EXPECT_EQ(last.snr, 20 + c.bars - 1);
        EXPECT_EQ(last.usedInSolution, (c.bars - 1) % 2);
    }
}

TEST(SignalBars, ExtremesIgnoreZeroAndAutoTrackMovesTheThresholds)
{
    SignalQualityModel model;
    model.barCount = 3;
    model.bars[0].snr = 0;
    model.bars[1].snr = 44;
    model.bars[2].snr = 7;
    model.trackExtremes();
    EXPECT_EQ(model.observedMax, 44);
    EXPECT_EQ(model.observedMin, 7);
    EXPECT_EQ(model.upperThreshold, 44);
    EXPECT_EQ(model.lowerThreshold, 7);

    model.autoTrack = 0;
    model.upperThreshold = 50;
    model.lowerThreshold = 20;
    model.bars[1].snr = 49;
    model.trackExtremes();
    EXPECT_EQ(model.observedMax, 49);
    EXPECT_EQ(model.upperThreshold, 50) << "without auto-track the thresholds stay";

    model.resetObserved();
    model.barCount = 1; // only the zero SNR on screen
    model.autoTrack = 1;
    model.trackExtremes();
    EXPECT_EQ(model.upperThreshold, -999) << "nothing seen yet";
    EXPECT_EQ(model.lowerThreshold, 999);
    EXPECT_EQ(signalFilledHeight(100, 40, model.lowerThreshold, model.upperThreshold), 0)
        << "every bar empty until two SNRs are seen";
}

TEST(SignalBars, FilledHeightClampsAndTruncates)
{
    struct Case {
        int barHeight, snr, lower, upper, filled;
        const char* legend;
    };
    const Case cases[] = {
        {100, 10, 30, 60, 0, "below the lower threshold: empty"},
        {100, 45, 30, 60, 50, "half way"},
        {100, 70, 30, 60, 100, "above the upper threshold: full"},
        {100, 31, 30, 60, 3, "100/30 per unit, truncated"},
        {7, 59, 30, 60, 6, "6.77 truncated"},
        {100, 45, 60, 60, 0, "upper equal to lower"},
        {100, 45, 60, 30, 0, "upper below lower"},
        {0, 45, 30, 60, 0, "no room"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.legend);
        EXPECT_EQ(signalFilledHeight(c.barHeight, c.snr, c.lower, c.upper), c.filled);
    }
}

TEST(SignalBars, LayoutOfTwelveBarsInAnInnerWidthOf600)
{
    SignalQualityModel model;
    model.autoTrack = 0;
    model.bars[1].snr = 45;
    const SignalQualityLayout layout = layoutSignalQuality({0, 0, 602, 300}, 16, model);
    EXPECT_EQ(layout.slotWidth, 50);
    EXPECT_EQ(layout.fontTenths, 200);
    const SignalBarGeometry& g = layout.bars[1];
    EXPECT_EQ(g.frame, (PixelRect{52, 2, 100, 283}));
    EXPECT_EQ(g.bar, (PixelRect{53, 3, 99, 282}));
    EXPECT_EQ(g.filledHeight, 139) << "279 / 30 * 15, truncated";
    EXPECT_EQ(g.label, (PixelRect{53, 282 - 139 - 1, 99, 282}));
    EXPECT_EQ(g.prnBox, (PixelRect{53, 284, 100, 300}));

    EXPECT_EQ(signalFontTenths(179), 60) << "six points at least";
    EXPECT_EQ(signalFontTenths(600), 200);
    // Narrower than the bars: degenerate, never a fault.
    const SignalQualityLayout narrow = layoutSignalQuality({0, 0, 10, 40}, 16, model);
    EXPECT_EQ(narrow.slotWidth, 0);
}

} // namespace
} // namespace orbilunex
