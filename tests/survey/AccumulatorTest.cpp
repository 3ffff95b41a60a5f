#include "survey/LeastSquaresAccumulator.h"
#include "survey/MeanAccumulator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

using orbilunex::LeastSquaresAccumulator;
using orbilunex::MeanAccumulator;

namespace {

MeanAccumulator meanOf(const std::vector<double>& values)
{
    MeanAccumulator m;
    for (double v : values) m.add(v);
    return m;
}

LeastSquaresAccumulator fitOf(const std::vector<double>& values)
{
    LeastSquaresAccumulator l;
    for (double v : values) l.add(v);
    return l;
}

} // namespace

TEST(MeanAccumulator, RunningSpreadWorkedByHand)
{
    // 2, 4, 9: running means 2, 3, 5; squared deviations 0, 1, 16.
    const MeanAccumulator m = meanOf({2, 4, 9});
    EXPECT_EQ(m.count, 3u);
    EXPECT_EQ(m.sum, 15.0);
    EXPECT_EQ(m.mean, 5.0);
    EXPECT_EQ(m.sumSquaredDeviations, 17.0);
    EXPECT_EQ(m.spread(), std::sqrt(17.0 / 3.0));
    // Not the textbook figure: sqrt(26 / 3) for these values.
    EXPECT_NE(m.spread(), std::sqrt(26.0 / 3.0));
}

TEST(MeanAccumulator, EmptyAndSingleValue)
{
    const MeanAccumulator empty;
    EXPECT_EQ(empty.spread(), 0.0);
    const MeanAccumulator one = meanOf({47.5});
    EXPECT_EQ(one.mean, 47.5);
    EXPECT_EQ(one.spread(), 0.0);
}

TEST(LeastSquaresAccumulator, FirstValueLeavesNoLine)
{
    const LeastSquaresAccumulator l = fitOf({591.25});
    EXPECT_EQ(l.nextIndex, 2u);
    EXPECT_EQ(l.sumY, 591.25);
    EXPECT_EQ(l.intercept, 0.0);
    EXPECT_EQ(l.slope, 0.0);
    EXPECT_EQ(l.estimate(), 0.0);
    EXPECT_EQ(l.spread(), 0.0);
}

TEST(LeastSquaresAccumulator, TwoValuesGiveTheLineThroughThem)
{
    struct Row { double y1, y2; };
    const Row rows[] = {{1, 3}, {10, 4}, {-2.5, 7.25}, {47.2612983, 47.2613033}};
    for (const Row& r : rows) {
        const LeastSquaresAccumulator l = fitOf({r.y1, r.y2});
        EXPECT_NEAR(l.estimate(), 2 * r.y2 - r.y1, 1e-9) << r.y1 << " " << r.y2;
        // The second residual is taken at index 3, a whole step off the line.
        EXPECT_NEAR(l.spread(), std::fabs(r.y2 - r.y1) / std::sqrt(2.0), 1e-9);
    }
}

TEST(LeastSquaresAccumulator, ThreeValuesWorkedByHand)
{
    // t = 1, 2, 3; y = 1, 2, 4: a = -2/3, b = 3/2; residuals -1 (at t = 3
    // after two values) and 4 - (a + 4b) = -4/3.
    const LeastSquaresAccumulator l = fitOf({1, 2, 4});
    EXPECT_EQ(l.sumT, 6.0);
    EXPECT_EQ(l.sumT2, 14.0);
    EXPECT_EQ(l.sumY, 7.0);
    EXPECT_EQ(l.sumTY, 17.0);
    EXPECT_NEAR(l.intercept, -2.0 / 3.0, 1e-15);
    EXPECT_NEAR(l.slope, 1.5, 1e-15);
    EXPECT_NEAR(l.sumSquaredResiduals, 1.0 + 16.0 / 9.0, 1e-14);
    EXPECT_NEAR(l.spread(), std::sqrt(25.0 / 27.0), 1e-14);
    EXPECT_EQ(l.nextIndex, 4u);
    EXPECT_NEAR(l.estimate(), 16.0 / 3.0, 1e-14);
}

TEST(Accumulators, ConstantInput)
{
    for (double k : {0.5, 47.2612983, -122.0, 1234.56}) {
        const MeanAccumulator m = meanOf({k, k, k, k, k});
        EXPECT_EQ(m.mean, k);
        EXPECT_EQ(m.spread(), 0.0);
        const LeastSquaresAccumulator l = fitOf({k, k, k, k, k});
        EXPECT_NEAR(l.slope, 0.0, 1e-12 * std::fabs(k));
        EXPECT_NEAR(l.estimate(), k, 1e-12 * std::fabs(k));
        EXPECT_NEAR(l.spread(), 0.0, 1e-12 * std::fabs(k));
    }
}

TEST(LeastSquaresAccumulator, IndexSumsStayExactPastSixteenBitIndices)
{
    // t squared of 70 000 overflows 32 bits; the sums must not wrap.
    LeastSquaresAccumulator l;
    const double n = 70000;
    for (int i = 0; i < 70000; ++i) l.add(1.0);
    EXPECT_EQ(l.sumT, n * (n + 1) / 2);
    EXPECT_EQ(l.sumT2, n * (n + 1) * (2 * n + 1) / 6);
    EXPECT_EQ(l.sumTY, n * (n + 1) / 2);
    EXPECT_NEAR(l.estimate(), 1.0, 1e-6);
}
