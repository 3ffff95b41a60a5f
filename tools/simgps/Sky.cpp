#include "Sky.h"

#include "DetMath.h"
#include "Dop.h"
#include "Obstruction.h"

#include <algorithm>
#include <cmath>

namespace orbilunex::simgps {
namespace {

// A satellite that has just set is not seen again for this long, as in life.
constexpr double kPrnRestSeconds = 600.0;
// Longest pause between a set and the next rise in the same slot; the pauses
// make the number in view wander.
constexpr double kMaxPause = 300.0;
constexpr int kCandidateSectors = 8;
constexpr int kUsefulElevation = 10;

// Whether the receiver will be able to use a satellite there.
bool useful(const SkyPosition& p)
{
    const int azimuth = static_cast<int>(std::floor(p.azimuth + 0.5)) % 360;
    const int elevation = static_cast<int>(std::floor(p.elevation + 0.5));
    return elevation >= kUsefulElevation && !blockedByBuilding(azimuth, elevation);
}

constexpr PassHeight kLow = PassHeight::Low;
constexpr PassHeight kMiddle = PassHeight::Middle;
constexpr PassHeight kHigh = PassHeight::High;

// GPS keeps 8 to 14 in view, the others fewer each, so that a receiver of all
// four sees 25 to 40. GLONASS numbers its 24 orbit slots 65 to 88 in NMEA.
const Constellation kGps{GnssSystem::Gps, 1, 32,
                         {kHigh, kMiddle, kLow, kHigh, kMiddle, kLow, kMiddle, kLow, kHigh, kMiddle,
                          kLow, kLow, kMiddle, kHigh},
                         12, 8, 1};
const Constellation kGlonass{GnssSystem::Glonass, 65, 24,
                             {kHigh, kLow, kMiddle, kLow, kHigh, kMiddle, kLow, kMiddle},
                             7, 5, 7};
const Constellation kGalileo{GnssSystem::Galileo, 1, 36,
                             {kMiddle, kHigh, kLow, kMiddle, kLow, kHigh, kLow, kMiddle, kLow},
                             8, 6, 8};
const Constellation kBeidou{GnssSystem::Beidou, 1, 63,
                            {kHigh, kMiddle, kLow, kLow, kMiddle, kHigh, kLow, kMiddle, kLow},
                            8, 6, 9};

} // namespace

const Constellation& constellationOf(GnssSystem system)
{
    switch (system) {
    case GnssSystem::Glonass: return kGlonass;
    case GnssSystem::Galileo: return kGalileo;
    case GnssSystem::Beidou: return kBeidou;
    default: return kGps;
    }
}

Sky::Sky(std::uint64_t seed)
    : Sky(seed, kGps)
{
}

Sky::Sky(std::uint64_t seed, const Constellation& constellation)
    : constellation_(constellation)
    , rng_(seed, constellation.stream)
    , lastSet_(constellation.prnCount, -1.0e9)
{
    for (PassHeight h : constellation_.slots)
        slots_.push_back({h, false, rng_.uniform(0.0, kMaxPause)});
    // Start mid-sky, with passes already partly across. Passes of one height
    // class are staggered, so that some high satellites are always well up.
    const int busy = constellation_.busyAtStart;
    int ofClass[3] = {0, 0, 0};
    for (int slot = 0; slot < busy; ++slot)
        ++ofClass[static_cast<int>(slots_[slot].height)];
    int seenOfClass[3] = {0, 0, 0};
    for (int slot = 0; slot < busy; ++slot) {
        const int cls = static_cast<int>(slots_[slot].height);
        const double phase = (seenOfClass[cls]++ + rng_.uniform(0.15, 0.85)) / ofClass[cls];
        passes_.push_back(makePass(slot, 0.0, phase));
        slots_[slot].busy = true;
    }
}

double Sky::drawHighest(PassHeight height)
{
    switch (height) {
    case PassHeight::Low: return rng_.uniform(7.0, 18.0);
    case PassHeight::Middle: return rng_.uniform(22.0, 60.0);
    default: return rng_.uniform(62.0, 88.0);
    }
}

int Sky::pickPrn(double now)
{
    // Indexes from the first PRN.
    std::vector<int> candidates;
    int oldest = -1; // none yet
    for (int i = 0; i < constellation_.prnCount; ++i) {
        const int prn = constellation_.firstPrn + i;
        const bool visible = std::any_of(passes_.begin(), passes_.end(),
                                         [prn](const Pass& p) { return p.prn == prn; });
        if (visible)
            continue;
        if (now - lastSet_[i] >= kPrnRestSeconds)
            candidates.push_back(i);
        if (oldest < 0 || lastSet_[i] < lastSet_[oldest])
            oldest = i;
    }
    if (candidates.empty())
        return constellation_.firstPrn + oldest;
    return constellation_.firstPrn + candidates[rng_.below(static_cast<int>(candidates.size()))];
}

Sky::Pass Sky::makePass(int slot, double now, double phase)
{
    Pass pass{};
    pass.prn = pickPrn(now);
    pass.slot = slot;
    pass.highest = drawHighest(slots_[slot].height);
    // Higher passes last longer, as they would on a real orbit.
    pass.duration = std::min(1200.0, 480.0 + 480.0 * pass.highest / 90.0 + rng_.uniform(0.0, 240.0));
    pass.start = now - phase * pass.duration;
    pass.direction = rng_.chance(0.5) ? 1.0 : -1.0;
    // Independent random passes bunch up and leave the receiver with poor
    // geometry for minutes on end. A real constellation is spread out by
    // design; imitate that by trying the pass across each sector of the sky and
    // keeping the one that best fills the usable sky of the coming minutes.
    double bestScore = 0.0;
    double bestRise = 0.0;
    for (int sector = 0; sector < kCandidateSectors; ++sector) {
        const double culmination = (sector + rng_.uniform()) * (360.0 / kCandidateSectors);
        pass.riseAzimuth = wrap360(culmination - 90.0 * pass.direction);
        const double score = predictedPdop(pass, now);
        if (sector == 0 || score < bestScore) {
            bestScore = score;
            bestRise = pass.riseAzimuth;
        }
    }
    pass.riseAzimuth = bestRise;
    return pass;
}

double Sky::predictedPdop(const Pass& candidate, double now) const
{
    static const double kAhead[] = {60.0, 240.0, 420.0};
    double total = 0.0;
    for (double ahead : kAhead) {
        std::vector<Direction> sky;
        SkyPosition p{};
        for (const Pass& pass : passes_) {
            if (position(pass, now + ahead, p) && useful(p))
                sky.push_back({p.elevation, p.azimuth});
        }
        if (position(candidate, now + ahead, p) && useful(p))
            sky.push_back({p.elevation, p.azimuth});
        Dops dops;
        total += computeDops(sky, dops) ? std::min(dops.pdop, 50.0) : 50.0;
    }
    return total;
}

bool Sky::position(const Pass& pass, double second, SkyPosition& out) const
{
    const double angle = kPi * (second - pass.start) / pass.duration;
    if (angle < 0.0 || angle > kPi)
        return false;
    // Point on the great circle through the rise point (on the horizon) and
    // the culmination point, in east/north/up components.
    const double rise = pass.riseAzimuth;
    const double top = rise + 90.0 * pass.direction;
    const double c = detCos(angle);
    const double s = detSin(angle);
    const double horizontal = s * cosDeg(pass.highest);
    const double east = c * sinDeg(rise) + horizontal * sinDeg(top);
    const double north = c * cosDeg(rise) + horizontal * cosDeg(top);
    const double up = s * sinDeg(pass.highest);
    out.system = constellation_.system;
    out.prn = pass.prn;
    out.elevation = detAsin(up) * kRadToDeg;
    out.azimuth = wrap360(detAtan2(east, north) * kRadToDeg);
    return true;
}

void Sky::rise(int slot, int second)
{
    passes_.push_back(makePass(slot, second, 0.0));
    slots_[slot].busy = true;
}

void Sky::advanceTo(int second)
{
    for (auto it = passes_.begin(); it != passes_.end();) {
        if (second > it->start + it->duration) {
            lastSet_[it->prn - constellation_.firstPrn] = second;
            slots_[it->slot] = {slots_[it->slot].height, false, second + rng_.uniform(0.0, kMaxPause)};
            it = passes_.erase(it);
        } else {
            ++it;
        }
    }
    const int slots = static_cast<int>(slots_.size());
    for (int slot = 0; slot < slots; ++slot) {
        if (!slots_[slot].busy && slots_[slot].nextRise <= second)
            rise(slot, second);
    }
    // Never fewer than the minimum: cut the shortest remaining pause.
    while (static_cast<int>(passes_.size()) < constellation_.minInView) {
        int next = -1;
        for (int slot = 0; slot < slots; ++slot) {
            if (!slots_[slot].busy && (next < 0 || slots_[slot].nextRise < slots_[next].nextRise))
                next = slot;
        }
        rise(next, second);
    }
}

std::vector<SkyPosition> Sky::inView(double second) const
{
    std::vector<SkyPosition> result;
    for (const Pass& pass : passes_) {
        SkyPosition p{};
        if (position(pass, second, p))
            result.push_back(p);
    }
    std::sort(result.begin(), result.end(),
              [](const SkyPosition& a, const SkyPosition& b) { return a.prn < b.prn; });
    return result;
}

} // namespace orbilunex::simgps
