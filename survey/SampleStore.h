#pragma once

#include "survey/SurveySample.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <memory>
#include <vector>

namespace orbilunex {

constexpr std::size_t kSamplesPerBlock = 5000;
constexpr std::size_t kBlockTableEntries = 20000;
constexpr std::uint32_t kMaxSamples = kSamplesPerBlock * kBlockTableEntries; // 100 000 000

using SampleBlock = std::unique_ptr<SurveySample[]>;
// Obtains one block of kSamplesPerBlock records, or null when there is no
// memory for it. Replaceable so that tests can make allocation fail.
using BlockAllocator = SampleBlock (*)();

// The samples of one survey, in arrival order. Records live in blocks of
// exactly 5000, obtained only when the previous block is full and listed in
// a fixed table; a record never moves once stored. The arrival chain is the
// table order: block by block, slot by slot. No per-sample allocation and no
// link field, so a sample costs its record's size and nothing more.
class SampleStore {
public:
    explicit SampleStore(std::size_t blockLimit = kBlockTableEntries,
                         BlockAllocator allocate = nullptr);

    SampleStore(const SampleStore&) = delete;
    SampleStore& operator=(const SampleStore&) = delete;

    enum class AppendResult { Stored, TableFull, OutOfMemory };

    // Stores a copy of sample after the last one. When a new block is
    // needed and the table is full, or the block cannot be obtained, nothing
    // is stored and the reason is returned.
    AppendResult append(const SurveySample& sample)
    {
        if (nextFree == blockEnd) return appendToNewBlock(sample);
        *nextFree++ = sample;
        ++count;
        return AppendResult::Stored;
    }

    // Frees every block; the store is empty again.
    void clear();

    std::uint32_t sampleCount() const { return count; }
    std::size_t blockCount() const { return blocksInUse; }
    std::size_t blockLimit() const { return table.size(); }

    // The sample at position index (0 = first arrived); index < sampleCount().
    const SurveySample& at(std::uint32_t index) const
    {
        return table[index / kSamplesPerBlock][index % kSamplesPerBlock];
    }

    // Walks the chain in arrival order.
    class const_iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = SurveySample;
        using difference_type = std::ptrdiff_t;
        using pointer = const SurveySample*;
        using reference = const SurveySample&;

        const_iterator(const SampleStore* store, std::uint32_t index) : store(store), index(index) {}
        reference operator*() const { return store->at(index); }
        pointer operator->() const { return &store->at(index); }
        const_iterator& operator++()
        {
            ++index;
            return *this;
        }
        bool operator==(const const_iterator& other) const { return index == other.index; }
        bool operator!=(const const_iterator& other) const { return index != other.index; }

    private:
        const SampleStore* store;
        std::uint32_t index;
    };

    const_iterator begin() const { return const_iterator(this, 0); }
    const_iterator end() const { return const_iterator(this, count); }

    // Calls visit(sample) for every sample in arrival order, block by block
    // (the fast walk for whole-survey passes).
    template <typename Visit>
    void forEach(Visit&& visit) const
    {
        std::uint32_t remaining = count;
        for (std::size_t b = 0; remaining > 0; ++b) {
            const std::uint32_t inBlock =
                remaining < kSamplesPerBlock ? remaining : static_cast<std::uint32_t>(kSamplesPerBlock);
            const SurveySample* block = table[b].get();
            for (std::uint32_t i = 0; i < inBlock; ++i) visit(block[i]);
            remaining -= inBlock;
        }
    }

private:
    AppendResult appendToNewBlock(const SurveySample& sample);

    std::vector<SampleBlock> table;
    BlockAllocator allocate;
    std::size_t blocksInUse = 0;
    std::uint32_t count = 0;
    // The next free slot of the current block, and that block's end; equal
    // when a new block is needed.
    SurveySample* nextFree = nullptr;
    SurveySample* blockEnd = nullptr;
};

} // namespace orbilunex
