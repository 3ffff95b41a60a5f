#pragma once

#include <cstdint>

namespace orbilunex::simgps {

// One step of SplitMix64: advances state and returns the next output.
std::uint64_t splitMix64(std::uint64_t& state);

// Small deterministic random source. The standard library's engines are fixed,
// but its distributions are not: their output changes between library versions,
// so uniform and normal variates are derived here from the raw 64-bit stream.
class Rng {
public:
    // Each stream of one seed is an independent sequence, so that drawing more
    // numbers in one part of the model never shifts another part's numbers.
    explicit Rng(std::uint64_t seed, std::uint64_t stream = 0);

    std::uint64_t next();
    double uniform();                      // [0, 1)
    double uniform(double low, double high);
    int below(int n);                      // 0 .. n-1, n > 0
    bool chance(double probability);
    // Standard normal, as the sum of twelve uniforms minus six (Irwin-Hall):
    // exact mean and variance, tails cut at 6 sigma, no library functions.
    double normal();

private:
    std::uint64_t state_;
};

} // namespace orbilunex::simgps
