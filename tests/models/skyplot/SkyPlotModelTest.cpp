#include "models/skyplot/SkyPlotModel.h"

#include "nmea/GpsState.h"

#include <gtest/gtest.h>

#include <memory>

namespace orbilunex {
namespace {

// 40 rings of 500 points are 240 kB: keep the model off the stack.
std::unique_ptr<SkyPlotModel> freshModel()
{
    return std::make_unique<SkyPlotModel>();
}

// Every entry as a reset leaves it, except the one at `index` (if any).
void expectMaskResetExcept(const SkyPlotModel& model, int index = -1)
{
    for (int i = 0; i < 360; ++i) {
        if (i == index) continue;
        SCOPED_TRACE(i);
        EXPECT_EQ(model.mask[i].azimuth, i);
        EXPECT_EQ(model.mask[i].lowestElevation, 76);
        EXPECT_EQ(model.mask[i].observed, 0);
    }
}

void expectEntry(const MaskEntry& entry, int azimuth, int lowestElevation, int observed)
{
    EXPECT_EQ(entry.azimuth, azimuth);
    EXPECT_EQ(entry.lowestElevation, lowestElevation);
    EXPECT_EQ(entry.observed, observed);
}

void expectPoint(const TrailPoint& point, int prn, int azimuth, int elevation)
{
    EXPECT_EQ(point.prn, prn);
    EXPECT_EQ(point.azimuth, azimuth);
    EXPECT_EQ(point.elevation, elevation);
}

SkySatellite used(int prn, int azimuth, int elevation, int snr)
{
    return {prn, azimuth, elevation, 1, snr};
}

TEST(SkyPlotModel, StartsWithResetMaskEmptyTrailsAndDefaultFlags)
{
    const auto model = freshModel();
    expectMaskResetExcept(*model);
    for (int s = 0; s < kSkySlots; ++s) {
        SCOPED_TRACE(s);
        EXPECT_EQ(model->trailNext[s], 0);
        EXPECT_EQ(model->satellites[s].prn, 0);
        EXPECT_EQ(model->satellites[s].azimuth, 0);
        EXPECT_EQ(model->satellites[s].elevation, 0);
        for (int p = 0; p < 500; ++p) expectPoint(model->trails[s][p], 0, 0, 0);
    }
    EXPECT_EQ(model->trailsEnabled, 1);
    EXPECT_EQ(model->maskOutlineEnabled, 1);
    // 30 until the view replaces it with the stored setting (default 40).
    EXPECT_EQ(model->snrThreshold, 30);
    EXPECT_EQ(model->detailsEnabled, 1);
}

// One satellite in one slot of a fresh model, learned once.
struct LearnCase {
    int slot;
    SkySatellite satellite;
    int threshold;
    bool learns; // true: the entry at the satellite's azimuth becomes (az, el, 1)
    const char* legend;
};

const LearnCase learnCases[] = {
    {0, used(5, 100, 20, 40), 40, true, "SNR equal to the threshold counts"},
    {0, used(5, 100, 20, 39), 40, false, "SNR one below the threshold"},
    {0, used(5, 100, 20, 0), 40, false, "untracked satellite"},
    {0, used(5, 100, 20, 0), 0, true, "threshold 0 accepts SNR 0"},
    {0, used(5, 100, 75, 45), 40, true, "elevation 75 is below the reset value"},
    {0, used(5, 100, 76, 45), 40, false, "elevation 76 never learns"},
    {0, used(5, 100, 90, 45), 40, false, "zenith never learns"},
    {0, {5, 100, 20, 0, 45}, 40, false, "not used in the solution"},
    {0, {5, 100, 20, 2, 45}, 40, false, "used flag other than 1"},
    {0, {5, 100, 20, -1, 45}, 40, false, "negative used flag"},
    {0, used(5, 0, 30, 45), 40, true, "due north is entry 0"},
    {0, used(5, 359, 30, 45), 40, true, "last entry"},
    {0, used(5, 360, 30, 45), 40, false, "azimuth one past the table"},
    {0, used(5, -1, 30, 45), 40, false, "negative azimuth"},
    {0, used(5, 65535, 30, 45), 40, false, "largest unsigned 16-bit azimuth"},
    // Negative elevations would lower whatever an out-of-table read found.
    {0, used(5, 360, -5, 45), 40, false, "azimuth 360, elevation below the horizon"},
    {0, used(5, -1, -5, 45), 40, false, "azimuth -1, elevation below the horizon"},
    {0, used(5, 100, 0, 45), 40, true, "on the horizon records 0"},
    {0, used(5, 100, -3, 45), 40, true, "below the horizon is not filtered"},
    {0, used(0, 100, 20, 45), 40, true, "PRN 0 is not filtered"},
    {17, used(5, 100, 20, 45), 40, true, "a middle slot"},
    {39, used(5, 100, 20, 45), 40, true, "the last slot"},
};

TEST(SkyPlotModel, LearnsOnlyQualifyingSatellites)
{
    for (const LearnCase& row : learnCases) {
        SCOPED_TRACE(row.legend);
        auto model = freshModel();
        model->snrThreshold = row.threshold;
        model->satellites[row.slot] = row.satellite;
        EXPECT_EQ(model->learnMask(), row.learns);
        if (row.learns) {
            const int az = row.satellite.azimuth;
            expectEntry(model->mask[az], az, row.satellite.elevation, 1);
            expectMaskResetExcept(*model, az);
        } else {
            expectMaskResetExcept(*model);
        }
    }
}

// Several satellites at azimuth 200 in one tick.
struct SameAzimuthCase {
    int slotA;
    SkySatellite a;
    int slotB;
    SkySatellite b;
    int expectedElevation;
    const char* legend;
};

const SameAzimuthCase sameAzimuthCases[] = {
    {0, used(3, 200, 10, 45), 1, used(4, 200, 20, 45), 10, "lower one in the earlier slot"},
    {0, used(3, 200, 20, 45), 1, used(4, 200, 10, 45), 10, "lower one in the later slot"},
    {0, used(3, 200, 12, 45), 39, used(4, 200, 30, 45), 12, "lower in slot 0, higher in slot 39"},
    {0, used(3, 200, 30, 45), 39, used(4, 200, 12, 45), 12, "higher in slot 0, lower in slot 39"},
    {0, used(3, 200, 5, 10), 1, used(4, 200, 25, 45), 25, "the lower one's signal is too weak"},
    {0, {3, 200, 5, 0, 45}, 1, used(4, 200, 25, 45), 25, "the lower one is not used"},
};

TEST(SkyPlotModel, LowestQualifyingElevationWinsWhateverTheSlotOrder)
{
    for (const SameAzimuthCase& row : sameAzimuthCases) {
        SCOPED_TRACE(row.legend);
        auto model = freshModel();
        model->snrThreshold = 40;
        model->satellites[row.slotA] = row.a;
        model->satellites[row.slotB] = row.b;
        EXPECT_TRUE(model->learnMask());
        expectEntry(model->mask[200], 200, row.expectedElevation, 1);
        expectMaskResetExcept(*model, 200);
    }
}

// Successive ticks on one model: what each tick's satellites are and what
// learnMask reports, with entry 120 afterwards.
struct TickCase {
    SkySatellite slot0;
    SkySatellite slot1;
    bool changed;
    int entry120;
    const char* legend;
};

const TickCase tickCases[] = {
    {SkySatellite{}, SkySatellite{}, false, 76, "nothing in view"},
    {used(9, 120, 40, 45), SkySatellite{}, true, 40, "first sighting"},
    {used(9, 120, 40, 45), SkySatellite{}, false, 40, "same elevation again"},
    {used(9, 120, 50, 45), SkySatellite{}, false, 40, "higher: the mask never moves up"},
    {used(9, 120, 39, 45), SkySatellite{}, true, 39, "one degree lower"},
    {used(9, 121, 60, 45), used(10, 120, 39, 45),
     true, 39, "a change in slot 0, nothing new in slot 1"},
    {used(9, 121, 60, 45), used(10, 120, 39, 45), false, 39, "both already learned"},
};

TEST(SkyPlotModel, ReportsChangeOnlyWhenAnEntryMovesDown)
{
    auto model = freshModel();
    model->snrThreshold = 40;
    for (const TickCase& row : tickCases) {
        SCOPED_TRACE(row.legend);
        model->satellites[0] = row.slot0;
        model->satellites[1] = row.slot1;
        EXPECT_EQ(model->learnMask(), row.changed);
        EXPECT_EQ(model->mask[120].lowestElevation, row.entry120);
    }
    expectEntry(model->mask[121], 121, 60, 1);
}

TEST(SkyPlotModel, LearnsByIndexWhenEntryAzimuthDiffersAfterALoad)
{
    auto model = freshModel();
    model->snrThreshold = 40;
    // A mask file may carry any drawing angle in an entry.
    model->mask[50] = {200, 30, 1};
    model->satellites[0] = used(7, 50, 20, 45);
    model->satellites[1] = used(8, 200, 25, 45);
    EXPECT_TRUE(model->learnMask());
    // Entry 50 is compared and lowered by its index; its angle is kept.
    expectEntry(model->mask[50], 200, 20, 1);
    // Entry 200 was not affected by entry 50's angle.
    expectEntry(model->mask[200], 200, 25, 1);
}

TEST(SkyPlotModel, ResetMaskRestoresEveryEntry)
{
    auto model = freshModel();
    model->mask[0] = {7, 3, 1};
    model->mask[359] = {-4, -9, 1};
    model->mask[180] = {180, 12, 1};
    model->resetMask();
    expectMaskResetExcept(*model);
}

// Builds a decoded state with the first `inView` table entries filled by
// per-field distinct values, so that a swapped or skipped field shows.
GpsState stateWithDistinctSatellites(std::uint16_t inView)
{
    GpsState state;
    resetGpsState(state);
    state.satellitesInView = inView;
    for (int i = 0; i < kSatelliteTableSize; ++i) {
        SatelliteInfo& sat = state.satellites[i];
        sat.prn = static_cast<std::uint16_t>(100 + i);
        sat.snr = static_cast<std::uint16_t>(200 + i);
        sat.usedInSolution = 300 + i;
        sat.azimuth = static_cast<std::uint16_t>(400 + i);
        sat.elevation = static_cast<std::uint16_t>(500 + i);
    }
    return state;
}

struct CopyCase {
    std::uint16_t satellitesInView;
    int copied;
    const char* legend;
};

const CopyCase copyCases[] = {
    {0, 0, "nothing in view"},
    {1, 1, "one satellite"},
    {12, 12, "a typical count"},
    {35, 35, "one below the table size"},
    {36, 36, "the whole table"},
    {37, 36, "one more than the table holds"},
    {40, 36, "as many as there are slots"},
    {41, 36, "more than the slots"},
    {65535, 36, "largest count"},
};

TEST(SkyPlotModel, CopiesSatellitesInViewLimitedToTheTable)
{
    for (const CopyCase& row : copyCases) {
        SCOPED_TRACE(row.legend);
        auto model = freshModel();
        // Leftovers of an earlier tick: only the SNR must survive clearing.
        for (int s = 0; s < kSkySlots; ++s) model->satellites[s] = {99, 98, 97, 1, 1000 + s};
        model->copySatellites(stateWithDistinctSatellites(row.satellitesInView));
        for (int s = 0; s < kSkySlots; ++s) {
            SCOPED_TRACE(s);
            const SkySatellite& sat = model->satellites[s];
            if (s < row.copied) {
                EXPECT_EQ(sat.prn, 100 + s);
                EXPECT_EQ(sat.azimuth, 400 + s);
                EXPECT_EQ(sat.elevation, 500 + s);
                EXPECT_EQ(sat.usedInSolution, 300 + s);
                EXPECT_EQ(sat.snr, 200 + s);
            } else {
                EXPECT_EQ(sat.prn, 0);
                EXPECT_EQ(sat.azimuth, 0);
                EXPECT_EQ(sat.elevation, 0);
                EXPECT_EQ(sat.usedInSolution, 0);
                EXPECT_EQ(sat.snr, 1000 + s);
            }
        }
    }
}

// Every system: the wide table fills the slots, each with its system.
TEST(SkyPlotModel, CopiesEverySystemsTableWhenAllSystemsAreDecoded)
{
    auto model = freshModel();
    auto state = std::make_unique<GpsState>();
    resetGpsState(*state);
    state->allSystems = 1;
    state->satellitesInView = 3; // the GPS-only table must not be read
    state->sky.count = 100;
    for (int i = 0; i < 100; ++i)
        state->sky.satellites[i] = {static_cast<std::uint8_t>(1 + i % 4), 0,
                                    static_cast<std::uint16_t>(i + 1), 40, 1, 10, 20, 1, 1, {}};
    model->copySatellites(*state);
    EXPECT_EQ(model->allSystems, 1);
    EXPECT_EQ(model->satellites[99].prn, 100);
    EXPECT_EQ(model->satellites[99].system, 4);
    EXPECT_EQ(model->satellites[1].system, 2);
    EXPECT_EQ(model->satellites[100].prn, 0);
}

// A decoded satellite that goes through the copy and then the learning.
struct DecodedLearnCase {
    std::uint16_t inView;
    int tableIndex;
    std::uint16_t azimuth;
    std::uint16_t elevation;
    bool learns;
    const char* legend;
};

const DecodedLearnCase decodedLearnCases[] = {
    {1, 0, 359, 10, true, "azimuth 359 from the decoder"},
    {1, 0, 360, 10, false, "azimuth 360 from the decoder"},
    {1, 0, 65535, 10, false, "azimuth 65535 from the decoder"},
    {1, 0, 10, 0, true, "elevation 0 from the decoder"},
    {36, 35, 10, 20, true, "last table entry"},
    {1, 1, 10, 20, false, "entry past the count in view is not copied"},
};

TEST(SkyPlotModel, LearnsFromTheDecodedTable)
{
    for (const DecodedLearnCase& row : decodedLearnCases) {
        SCOPED_TRACE(row.legend);
        GpsState state;
        resetGpsState(state);
        state.satellitesInView = row.inView;
        SatelliteInfo& sat = state.satellites[row.tableIndex];
        sat.prn = 12;
        sat.snr = 40;
        sat.usedInSolution = 1;
        sat.azimuth = row.azimuth;
        sat.elevation = row.elevation;
        auto model = freshModel();
        model->snrThreshold = 40;
        model->copySatellites(state);
        EXPECT_EQ(model->learnMask(), row.learns);
        if (row.learns) {
            expectEntry(model->mask[row.azimuth], row.azimuth, row.elevation, 1);
            expectMaskResetExcept(*model, row.azimuth);
        } else {
            expectMaskResetExcept(*model);
        }
    }
}

// The first position a slot reports into an empty ring. The "last point" of
// an empty ring is index 499, still (0, 0, 0).
struct FirstPointCase {
    SkySatellite satellite;
    int added;
    const char* legend;
};

const FirstPointCase firstPointCases[] = {
    {SkySatellite{}, 0, "empty slot (0, 0, 0) matches the zeroed point 499"},
    {{0, 0, 0, 1, 45}, 0, "used flag and SNR are not part of the position"},
    {{1, 0, 0, 0, 0}, 1, "PRN only"},
    {{0, 1, 0, 0, 0}, 1, "azimuth only"},
    {{0, 0, 1, 0, 0}, 1, "elevation only"},
};

TEST(SkyPlotModel, FirstPositionComparesWithPoint499)
{
    for (const FirstPointCase& row : firstPointCases) {
        SCOPED_TRACE(row.legend);
        auto model = freshModel();
        model->satellites[4] = row.satellite;
        model->recordTrails();
        EXPECT_EQ(model->trailNext[4], row.added);
        expectPoint(model->trails[4][0], row.satellite.prn * row.added,
                    row.satellite.azimuth * row.added, row.satellite.elevation * row.added);
        for (int s = 0; s < kSkySlots; ++s) {
            if (s != 4) {
                EXPECT_EQ(model->trailNext[s], 0) << "slot " << s;
            }
        }
    }
}

TEST(SkyPlotModel, EmptyRingTakesItsLastPointFromIndex499NotIndex0)
{
    auto model = freshModel();
    model->trails[2][499] = {7, 8, 9};

    model->satellites[2] = {7, 8, 9, 1, 45};
    model->recordTrails();
    EXPECT_EQ(model->trailNext[2], 0) << "equals point 499: nothing added";

    // Index 0 still holds (0, 0, 0); an empty slot differs from point 499.
    model->satellites[2] = SkySatellite{};
    model->recordTrails();
    EXPECT_EQ(model->trailNext[2], 1);
    expectPoint(model->trails[2][0], 0, 0, 0);
}

// From (7, 100, 30) recorded once, the next tick's position.
struct MoveCase {
    TrailPoint next;
    int points;
    const char* legend;
};

const MoveCase moveCases[] = {
    {{7, 100, 30}, 1, "unchanged"},
    {{8, 100, 30}, 2, "PRN alone changed (slot now holds another satellite)"},
    {{7, 101, 30}, 2, "azimuth alone changed"},
    {{7, 100, 29}, 2, "elevation alone changed"},
    {{0, 0, 0}, 2, "slot emptied"},
};

TEST(SkyPlotModel, AnyChangedFieldAddsATrailPoint)
{
    for (const MoveCase& row : moveCases) {
        SCOPED_TRACE(row.legend);
        auto model = freshModel();
        model->satellites[0] = {7, 100, 30, 1, 45};
        model->recordTrails();
        model->satellites[0] = {row.next.prn, row.next.azimuth, row.next.elevation, 1, 45};
        model->recordTrails();
        EXPECT_EQ(model->trailNext[0], row.points);
        expectPoint(model->trails[0][0], 7, 100, 30);
        if (row.points == 2)
            expectPoint(model->trails[0][1], row.next.prn, row.next.azimuth, row.next.elevation);
    }
}

TEST(SkyPlotModel, StationarySatelliteAddsOnePointNotOnePerTick)
{
    auto model = freshModel();
    model->satellites[6] = {21, 45, 60, 1, 45};
    for (int tick = 0; tick < 5; ++tick) model->recordTrails();
    EXPECT_EQ(model->trailNext[6], 1);
    expectPoint(model->trails[6][0], 21, 45, 60);
    expectPoint(model->trails[6][1], 0, 0, 0);
}

TEST(SkyPlotModel, ReturningToAnEarlierPositionAddsItAgain)
{
    auto model = freshModel();
    const TrailPoint path[] = {{21, 45, 60}, {21, 46, 60}, {21, 45, 60}};
    for (const TrailPoint& p : path) {
        model->satellites[0] = {p.prn, p.azimuth, p.elevation, 1, 45};
        model->recordTrails();
    }
    EXPECT_EQ(model->trailNext[0], 3);
    expectPoint(model->trails[0][2], 21, 45, 60);
}

TEST(SkyPlotModel, EachSlotHasItsOwnRing)
{
    auto model = freshModel();
    model->satellites[0] = {1, 10, 10, 1, 45};
    model->satellites[1] = {2, 20, 20, 1, 45};
    model->recordTrails();
    model->satellites[0] = {1, 11, 10, 1, 45};
    model->recordTrails();
    EXPECT_EQ(model->trailNext[0], 2);
    EXPECT_EQ(model->trailNext[1], 1);
    expectPoint(model->trails[1][0], 2, 20, 20);
    expectPoint(model->trails[1][1], 0, 0, 0);
}

// Position i of a walk where every step differs from the one before.
TrailPoint walk(int i)
{
    return {3, i, i % 90};
}

void moveTo(SkyPlotModel& model, int slot, const TrailPoint& p)
{
    model.satellites[slot] = {p.prn, p.azimuth, p.elevation, 1, 45};
    model.recordTrails();
}

TEST(SkyPlotModel, FullRingOverwritesTheOldestPoint)
{
    auto model = freshModel();
    for (int i = 0; i < 500; ++i) moveTo(*model, 39, walk(i));
    EXPECT_EQ(model->trailNext[39], 0) << "500 points wrap the next index to 0";
    for (int i = 0; i < 500; ++i) {
        SCOPED_TRACE(i);
        expectPoint(model->trails[39][i], walk(i).prn, walk(i).azimuth, walk(i).elevation);
    }

    // The newest point is now at 499, so standing still adds nothing.
    moveTo(*model, 39, walk(499));
    EXPECT_EQ(model->trailNext[39], 0);

    moveTo(*model, 39, walk(500));
    EXPECT_EQ(model->trailNext[39], 1);
    expectPoint(model->trails[39][0], 3, 500, 500 % 90);
    expectPoint(model->trails[39][1], 3, 1, 1);
    expectPoint(model->trails[39][499], 3, 499, 499 % 90);

    moveTo(*model, 39, walk(501));
    EXPECT_EQ(model->trailNext[39], 2);
    expectPoint(model->trails[39][1], 3, 501, 501 % 90);

    // The other slots stayed empty throughout.
    for (int s = 0; s < 39; ++s) EXPECT_EQ(model->trailNext[s], 0) << "slot " << s;
}

TEST(SkyPlotModel, ClearTrailsEmptiesEveryRing)
{
    auto model = freshModel();
    for (int s = 0; s < 40; ++s) model->satellites[s] = {s + 1, s, 10, 1, 45};
    model->recordTrails();
    model->satellites[0] = {1, 0, 11, 1, 45};
    model->recordTrails();
    ASSERT_EQ(model->trailNext[0], 2);
    ASSERT_EQ(model->trailNext[39], 1);

    model->clearTrails();
    for (int s = 0; s < kSkySlots; ++s) {
        SCOPED_TRACE(s);
        EXPECT_EQ(model->trailNext[s], 0);
        for (int p = 0; p < 500; ++p) expectPoint(model->trails[s][p], 0, 0, 0);
    }

    // An emptied ring takes the same position again as a new first point.
    model->recordTrails();
    EXPECT_EQ(model->trailNext[0], 1);
    expectPoint(model->trails[0][0], 1, 0, 11);
}

} // namespace
} // namespace orbilunex
