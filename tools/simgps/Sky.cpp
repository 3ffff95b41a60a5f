#include "Sky.h"

#include "DetMath.h"
#include "Dop.h"
#include "Obstruction.h"

#include <algorithm>
#include <cmath>

namespace orbilunex::simgps {
namespace {

constexpr int kPrnCount = 32;
// A satellite that has just set is not seen again for this long, as in life.
constexpr double kPrnRestSeconds = 600.0;
// Longest pause between a set and the next rise in the same slot; the pauses
// make the number in view wander.
constexpr double kMaxPause = 300.0;
constexpr int kSlotsBusyAtStart = 12;
constexpr int kCandidateSectors = 8;
constexpr int kUsefulElevation = 10;

// Whether the receiver will be able to use a satellite there.
bool useful(const SkyPosition& p)
{
    const int azimuth = static_cast<int>(std::floor(p.azimuth + 0.5)) % 360;
    const int elevation = static_cast<int>(std::floor(p.elevation + 0.5));
    return elevation >= kUsefulElevation && !blockedByBuilding(azimuth, elevation);
}

} // namespace

Sky::Sky(std::uint64_t seed)
    : rng_(seed, 1)
    , lastSet_(kPrnCount + 1, -1.0e9)
{
    const Height layout[kMaxInView] = {
        Height::High, Height::Middle, Height::Low, Height::High, Height::Middle,
        Height::Low, Height::Middle, Height::Low, Height::High, Height::Middle,
        Height::Low, Height::Low, Height::Middle, Height::High};
    for (Height h : layout)
        slots_.push_back({h, false, rng_.uniform(0.0, kMaxPause)});
    // Start mid-sky, with passes already partly across. Passes of one height
    // class are staggered, so that some high satellites are always well up.
    int ofClass[3] = {0, 0, 0};
    for (int slot = 0; slot < kSlotsBusyAtStart; ++slot)
        ++ofClass[static_cast<int>(slots_[slot].height)];
    int seenOfClass[3] = {0, 0, 0};
    for (int slot = 0; slot < kSlotsBusyAtStart; ++slot) {
        const int cls = static_cast<int>(slots_[slot].height);
        const double phase = (seenOfClass[cls]++ + rng_.uniform(0.15, 0.85)) / ofClass[cls];
        passes_.push_back(makePass(slot, 0.0, phase));
        slots_[slot].busy = true;
    }
}

double Sky::drawHighest(Height height)
{
    switch (height) {
    case Height::Low: return rng_.uniform(7.0, 18.0);
    case Height::Middle: return rng_.uniform(22.0, 60.0);
    default: return rng_.uniform(62.0, 88.0);
    }
}

int Sky::pickPrn(double now)
{
    std::vector<int> candidates;
    int oldest = 0; // 0: none yet
    for (int prn = 1; prn <= kPrnCount; ++prn) {
        const bool visible = std::any_of(passes_.begin(), passes_.end(),
                                         [prn](const Pass& p) { return p.prn == prn; });
        if (visible)
            continue;
        if (now - lastSet_[prn] >= kPrnRestSeconds)
            candidates.push_back(prn);
        if (oldest == 0 || lastSet_[prn] < lastSet_[oldest])
            oldest = prn;
    }
    if (candidates.empty())
        return oldest;
    return candidates[rng_.below(static_cast<int>(candidates.size()))];
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

bool Sky::position(const Pass& pass, double second, SkyPosition& out)
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
            lastSet_[it->prn] = second;
            slots_[it->slot] = {slots_[it->slot].height, false, second + rng_.uniform(0.0, kMaxPause)};
            it = passes_.erase(it);
        } else {
            ++it;
        }
    }
    for (int slot = 0; slot < kMaxInView; ++slot) {
        if (!slots_[slot].busy && slots_[slot].nextRise <= second)
            rise(slot, second);
    }
    // Never fewer than the minimum: cut the shortest remaining pause.
    while (static_cast<int>(passes_.size()) < kMinInView) {
        int next = -1;
        for (int slot = 0; slot < kMaxInView; ++slot) {
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
