#include "Random.h"

namespace orbilunex::simgps {

std::uint64_t splitMix64(std::uint64_t& state)
{
    state += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

Rng::Rng(std::uint64_t seed, std::uint64_t stream)
{
    // Hash seed and stream separately so that (seed, stream) pairs never share
    // a starting state in practice.
    std::uint64_t a = seed;
    std::uint64_t b = stream ^ 0xD1B54A32D192ED03ULL;
    state_ = splitMix64(a) ^ splitMix64(b);
}

std::uint64_t Rng::next()
{
    return splitMix64(state_);
}

double Rng::uniform()
{
    // The top 53 bits fill a double's mantissa exactly.
    return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0);
}

double Rng::uniform(double low, double high)
{
    return low + (high - low) * uniform();
}

int Rng::below(int n)
{
    return static_cast<int>(uniform() * n);
}

bool Rng::chance(double probability)
{
    return uniform() < probability;
}

double Rng::normal()
{
    double sum = 0.0;
    for (int i = 0; i < 12; ++i)
        sum += uniform();
    return sum - 6.0;
}

} // namespace orbilunex::simgps
