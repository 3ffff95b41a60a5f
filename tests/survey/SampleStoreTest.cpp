#include "survey/SampleStore.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace orbilunex;

namespace {

SurveySample sampleNumber(std::uint32_t i)
{
    SurveySample s{};
    s.latitude = static_cast<std::int32_t>(i);
    s.longitude = -static_cast<std::int32_t>(i);
    s.altitude = static_cast<std::int32_t>(i * 3);
    return s;
}

int allocations = 0;
SampleBlock countingAllocator()
{
    ++allocations;
    return SampleBlock(new SurveySample[kSamplesPerBlock]);
}
SampleBlock failingAllocator() { return nullptr; }

} // namespace

TEST(SampleStore, BlocksOfFiveThousandChainedInArrivalOrder)
{
    allocations = 0;
    SampleStore store(kBlockTableEntries, countingAllocator);
    for (std::uint32_t i = 0; i < 5000; ++i) ASSERT_EQ(store.append(sampleNumber(i)), SampleStore::AppendResult::Stored);
    EXPECT_EQ(store.blockCount(), 1u);
    EXPECT_EQ(allocations, 1);
    // The 5001st sample starts the second block.
    store.append(sampleNumber(5000));
    EXPECT_EQ(store.blockCount(), 2u);
    EXPECT_EQ(allocations, 2);
    for (std::uint32_t i = 5001; i < 12345; ++i) store.append(sampleNumber(i));
    EXPECT_EQ(store.sampleCount(), 12345u);
    EXPECT_EQ(store.blockCount(), 3u);

    std::uint32_t expected = 0;
    for (const SurveySample& s : store) EXPECT_EQ(s.latitude, static_cast<std::int32_t>(expected++));
    EXPECT_EQ(expected, 12345u);
    expected = 0;
    store.forEach([&](const SurveySample& s) { EXPECT_EQ(s.altitude, static_cast<std::int32_t>(3 * expected++)); });
    EXPECT_EQ(expected, 12345u);
    EXPECT_EQ(store.at(5000).latitude, 5000);
    EXPECT_EQ(store.at(4999).latitude, 4999);
}

TEST(SampleStore, FullTableRefusesWithoutWriting)
{
    SampleStore store(2);
    for (std::uint32_t i = 0; i < 10000; ++i) ASSERT_EQ(store.append(sampleNumber(i)), SampleStore::AppendResult::Stored);
    EXPECT_EQ(store.append(sampleNumber(10000)), SampleStore::AppendResult::TableFull);
    EXPECT_EQ(store.append(sampleNumber(10001)), SampleStore::AppendResult::TableFull);
    EXPECT_EQ(store.sampleCount(), 10000u);
    EXPECT_EQ(store.blockCount(), 2u);
    EXPECT_EQ(store.at(9999).latitude, 9999);
}

TEST(SampleStore, MissingBlockRefusesAndLaterSucceeds)
{
    SampleStore failing(kBlockTableEntries, failingAllocator);
    EXPECT_EQ(failing.append(sampleNumber(0)), SampleStore::AppendResult::OutOfMemory);
    EXPECT_EQ(failing.sampleCount(), 0u);
    EXPECT_EQ(failing.blockCount(), 0u);
    EXPECT_EQ(failing.begin(), failing.end());
}

TEST(SampleStore, ClearEmptiesAndStartsAfresh)
{
    SampleStore store;
    for (std::uint32_t i = 0; i < 7000; ++i) store.append(sampleNumber(i));
    store.clear();
    EXPECT_EQ(store.sampleCount(), 0u);
    EXPECT_EQ(store.blockCount(), 0u);
    EXPECT_EQ(store.begin(), store.end());
    store.append(sampleNumber(42));
    EXPECT_EQ(store.blockCount(), 1u);
    EXPECT_EQ(store.at(0).latitude, 42);
}
