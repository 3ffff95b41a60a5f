#include "Receiver.h"

#include "DetMath.h"
#include "Dop.h"
#include "Obstruction.h"

#include <algorithm>
#include <cmath>

namespace orbilunex::simgps {
namespace {

int roundToInt(double v)
{
    return static_cast<int>(std::floor(v + 0.5));
}

// Cosine of the angle between two sky directions; larger is closer.
double closeness(double el1, double az1, double el2, double az2)
{
    return sinDeg(el1) * sinDeg(el2) + cosDeg(el1) * cosDeg(el2) * cosDeg(az1 - az2);
}

bool usable(const SatelliteReport& s)
{
    return s.snr >= Tracker::kMinUsableSnr && s.elevation >= Tracker::kElevationMask;
}

SatelliteId idOf(const SatelliteReport& s)
{
    return {s.system, s.prn};
}

bool contains(const std::vector<SatelliteId>& ids, const SatelliteReport& s)
{
    return std::find(ids.begin(), ids.end(), idOf(s)) != ids.end();
}

// The GPS satellites of the later blocks, which send L5 as well.
bool sendsL5(int prn)
{
    static const int prns[] = {1, 3, 4, 6, 8, 9, 10, 11, 14, 18, 23, 24, 25, 26, 27, 28, 30, 32};
    return std::find(std::begin(prns), std::end(prns), prn) != std::end(prns);
}

} // namespace

Tracker::Tracker(std::uint64_t seed)
    : rng_(seed, 2)
    , l5Noise_(seed, 10)
{
}

int Tracker::trackSignal(int second, const SatelliteReport& sat, bool blocked)
{
    auto found = locks_.find(idOf(sat));
    if (blocked) {
        if (found != locks_.end())
            locks_.erase(found);
        return -1;
    }
    if (found == locks_.end()) {
        // A cold start takes most of a minute to find the first satellites;
        // later ones are picked up within seconds of coming into view.
        const double delay = second == 0 ? rng_.uniform(6.0, 56.0) : rng_.uniform(2.0, 6.0);
        found = locks_.emplace(idOf(sat), Lock{double(second), delay, false, 0.0}).first;
    }
    Lock& lock = found->second;
    if (!lock.locked && second - lock.visibleSince >= lock.acquireDelay) {
        lock.locked = true;
        lock.bias = 0.7 * rng_.normal();
    }
    if (!lock.locked)
        return -1;
    // Stronger overhead; an unobstructed satellite stays at 40 dB-Hz or more.
    const double snr = 40.8 + 10.0 * sinDeg(sat.elevation) + lock.bias + 0.6 * rng_.normal();
    return std::clamp(roundToInt(snr), 40, 53);
}

std::vector<SatelliteReport> Tracker::update(int second, const std::vector<SkyPosition>& sky,
                                             bool solving, int shadowEvent)
{
    std::vector<SatelliteReport> sats;
    for (const SkyPosition& p : sky) {
        SatelliteReport s{p.system, p.prn, roundToInt(p.elevation), roundToInt(p.azimuth) % 360,
                          -1, false, false, -1};
        s.snr = trackSignal(second, s, blockedByBuilding(s.azimuth, s.elevation));
        sats.push_back(s);
    }
    // Forget satellites that have set, so they are acquired afresh next time.
    for (auto it = locks_.begin(); it != locks_.end();) {
        const SatelliteId id = it->first;
        const bool present = std::any_of(sats.begin(), sats.end(),
                                         [&id](const SatelliteReport& s) { return idOf(s) == id; });
        it = present ? std::next(it) : locks_.erase(it);
    }
    if (shadowEvent >= 0)
        shadow(shadowEvent, sats);
    if (solving)
        selectUsed(sats);
    return sats;
}

std::vector<SatelliteId> Tracker::nearestToOpening(const std::vector<SatelliteReport>& sats,
                                                   double azimuth, int keep) const
{
    // Only satellites with some margin above the mask, so that none of them
    // drops out during the few seconds of the event and changes the geometry.
    constexpr double kOpeningElevation = 40.0;
    constexpr int kMargin = 3;
    std::vector<std::pair<double, SatelliteId>> ranked;
    for (const SatelliteReport& s : sats) {
        if (usable(s) && s.elevation >= kElevationMask + kMargin)
            ranked.emplace_back(-closeness(s.elevation, s.azimuth, kOpeningElevation, azimuth), idOf(s));
    }
    std::sort(ranked.begin(), ranked.end());
    std::vector<SatelliteId> ids;
    for (int i = 0; i < keep && i < static_cast<int>(ranked.size()); ++i)
        ids.push_back(ranked[i].second);
    return ids;
}

void Tracker::chooseShadow(const std::vector<SatelliteReport>& sats)
{
    // Parked next to a lorry: only a patch of sky stays open. Pick the patch
    // whose remaining satellites give an HDOP near a drawn target above 3, so
    // a survey averaging these fixes has clearly poor ones to reject.
    const double targetHdop = rng_.uniform(4.0, 6.0);
    double bestScore = 1e9;
    for (int keep = 4; keep <= 7; ++keep) {
        for (int az = 0; az < 360; az += 10) {
            const std::vector<SatelliteId> ids = nearestToOpening(sats, az, keep);
            std::vector<Direction> dirs;
            for (const SatelliteReport& s : sats) {
                if (contains(ids, s))
                    dirs.push_back({double(s.elevation), double(s.azimuth)});
            }
            Dops d;
            if (!computeDops(dirs, d))
                continue;
            // Out of range patches only if nothing else will do, and then the
            // one nearest the target; a hopeless one would lose the fix.
            const bool wanted = d.hdop > 3.5 && d.hdop < 12.0 && d.pdop < 15.0;
            const double score = std::fabs(d.hdop - targetHdop) + (wanted ? 0.0 : 1000.0)
                + (d.pdop < 15.0 ? 0.0 : 1000.0);
            if (score < bestScore) {
                bestScore = score;
                openSatellites_ = ids;
            }
        }
    }
}

void Tracker::shadow(int event, std::vector<SatelliteReport>& sats)
{
    if (event != shadowEvent_) {
        shadowEvent_ = event;
        chooseShadow(sats);
    }
    for (SatelliteReport& s : sats) {
        if (s.snr < 0 || contains(openSatellites_, s))
            continue;
        // Still tracked through the obstacle, but too weak to be trusted.
        s.snr = 29 + rng_.below(6);
    }
}

void Tracker::selectUsed(std::vector<SatelliteReport>& sats) const
{
    // Highest first when more than twelve of a system qualify: they suffer
    // least from multipath and fill the twelve slots of its GSA.
    std::vector<SatelliteReport*> candidates;
    for (SatelliteReport& s : sats)
        if (usable(s))
            candidates.push_back(&s);
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const SatelliteReport* a, const SatelliteReport* b) {
                         return a->elevation > b->elevation;
                     });
    std::map<GnssSystem, int> usedOf;
    for (SatelliteReport* s : candidates) {
        if (usedOf[s->system] < kMaxUsed) {
            s->used = true;
            ++usedOf[s->system];
        }
    }
}

void Tracker::addL5(std::vector<SatelliteReport>& sats)
{
    for (SatelliteReport& s : sats) {
        s.hasL5 = s.system == GnssSystem::Gps && sendsL5(s.prn);
        if (!s.hasL5 || s.snr < 0)
            continue;
        s.l5Snr = std::clamp(roundToInt(s.snr - 3.5 + 0.8 * l5Noise_.normal()), 20, 50);
    }
}

ErrorModel::ErrorModel(std::uint64_t seed)
    : rng_(seed, 3)
{
}

Offset ErrorModel::step(int quality, double hdop, double vdop, bool shadowed)
{
    // Discrete first-order Gauss-Markov with unit variance, 90 s correlation.
    constexpr double kKeep = 1.0 - 1.0 / 90.0;
    const double kick = std::sqrt(1.0 - kKeep * kKeep);
    wanderEast_ = kKeep * wanderEast_ + kick * rng_.normal();
    wanderNorth_ = kKeep * wanderNorth_ + kick * rng_.normal();
    wanderUp_ = kKeep * wanderUp_ + kick * rng_.normal();
    // Differential corrections remove most of the slow error.
    const double sigmaH = quality == 2 ? 1.0 : 2.5;
    const double sigmaV = quality == 2 ? 1.6 : 4.0;
    if (shadowed && !inEvent_) {
        const double bearing = rng_.uniform(0.0, 360.0);
        const double size = (hdop - 1.0) * rng_.uniform(0.9, 1.7);
        biasEast_ = size * sinDeg(bearing);
        biasNorth_ = size * cosDeg(bearing);
    }
    inEvent_ = shadowed;
    Offset o{};
    o.east = sigmaH * wanderEast_ + 0.25 * hdop * rng_.normal() + (shadowed ? biasEast_ : 0.0);
    o.north = sigmaH * wanderNorth_ + 0.25 * hdop * rng_.normal() + (shadowed ? biasNorth_ : 0.0);
    o.up = sigmaV * wanderUp_ + 0.35 * vdop * rng_.normal();
    return o;
}

} // namespace orbilunex::simgps
