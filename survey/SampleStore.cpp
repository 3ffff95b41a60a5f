#include "survey/SampleStore.h"

#include <new>

namespace orbilunex {

namespace {

SampleBlock allocateBlock()
{
    // Uninitialised on purpose: every slot is written before it is read.
    return SampleBlock(new (std::nothrow) SurveySample[kSamplesPerBlock]);
}

} // namespace

SampleStore::SampleStore(std::size_t blockLimit, BlockAllocator allocate)
    : table(blockLimit < kBlockTableEntries ? blockLimit : kBlockTableEntries),
      allocate(allocate ? allocate : allocateBlock)
{
}

SampleStore::AppendResult SampleStore::appendToNewBlock(const SurveySample& sample)
{
    if (blocksInUse == table.size()) return AppendResult::TableFull;
    SampleBlock block = allocate();
    if (!block) return AppendResult::OutOfMemory;
    nextFree = block.get();
    blockEnd = nextFree + kSamplesPerBlock;
    table[blocksInUse++] = std::move(block);
    *nextFree++ = sample;
    ++count;
    return AppendResult::Stored;
}

void SampleStore::clear()
{
    for (std::size_t b = 0; b < blocksInUse; ++b) table[b].reset();
    blocksInUse = 0;
    count = 0;
    nextFree = nullptr;
    blockEnd = nullptr;
}

} // namespace orbilunex
