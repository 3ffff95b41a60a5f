#include "Scenario.h"

#include "DetMath.h"
#include "Dop.h"

#include <algorithm>
#include <cmath>

namespace orbilunex::simgps {
namespace {

struct Window {
    int from;
    int seconds;
};

const Window kLightStops[] = {{300, 18}, {640, 22}, {1540, 20}};
const Window kShadowEvents[] = {{Timeline::kParkFrom + 75, 7},
                                {Timeline::kParkFrom + 190, 5},
                                {Timeline::kParkFrom + 300, 9}};

constexpr double kKnotsPerMs = 3600.0 / 1852.0;
constexpr int kSubsteps = 10;
constexpr int kDgpsStation = 117;
constexpr double kPdopMask = 20.0;

} // namespace

bool Timeline::stoppedAtLights(int second)
{
    return std::any_of(std::begin(kLightStops), std::end(kLightStops), [second](const Window& w) {
        return second >= w.from && second < w.from + w.seconds;
    });
}

int Timeline::shadowEventAt(int second)
{
    for (int i = 0; i < static_cast<int>(std::size(kShadowEvents)); ++i) {
        const Window& w = kShadowEvents[i];
        if (second >= w.from && second < w.from + w.seconds)
            return i;
    }
    return -1;
}

Scenario::Scenario(std::uint64_t seed, const Site& site, const std::vector<GnssSystem>& systems)
    : site_(site)
    , frame_(site.latitude, site.longitude)
    , systems_(systems)
    , tracker_(seed)
    , errors_(seed)
    , route_(Route::standard(seed))
    , vehicle_(0.0, 0.0, 0.0, site.baseAltitude)
    , motionNoise_(seed, 5)
    , extras_(seed, 6)
{
    for (GnssSystem system : systems_)
        skies_.emplace_back(seed, constellationOf(system));
}

double Scenario::plannedSpeed(int second) const
{
    if (second < Timeline::kDriveFrom || !route_.active())
        return 0.0;
    if (Timeline::parked(second) || Timeline::stoppedAtLights(second))
        return 0.0;
    // Slow for the turn at the waypoint (or to a stop at the last one) so that
    // the car passes through the arrival circle for a few epochs.
    const double cruise = route_.destination().cruiseKmh / 3.6;
    const double turnSpeed = route_.onLastLeg() ? 3.0 : 7.0;
    const double distance = std::max(0.0, route_.distanceToDestination(vehicle_.east(), vehicle_.north())
                                              - Route::kReachedRadius / 2.0);
    return std::min(cruise, std::sqrt(turnSpeed * turnSpeed + 2.0 * 1.5 * distance));
}

void Scenario::driveOneSecond()
{
    const int second = second_ - 1; // moving from the previous epoch to this one
    const double dt = 1.0 / kSubsteps;
    for (int i = 0; i < kSubsteps; ++i) {
        const double heading = route_.active()
            ? route_.desiredHeading(vehicle_.east(), vehicle_.north(), vehicle_.speed())
            : vehicle_.heading();
        vehicle_.step(dt, plannedSpeed(second), heading);
    }
}

EpochReport Scenario::next()
{
    ++second_;
    if (second_ > 0)
        driveOneSecond();
    if (second_ == Timeline::kDriveFrom)
        route_.activate();
    const int shadowEvent = Timeline::shadowEventAt(second_);

    EpochReport r;
    r.systems = systems_;
    r.utc = utcAt(second_);
    r.geoidSeparation = site_.geoidSeparation;
    r.magneticVariation = site_.magneticVariation;
    r.satellites = tracker_.update(second_, skyAt(second_), second_ >= Timeline::kFirstFix,
                                   shadowEvent);
    if (r.multiSystem())
        tracker_.addL5(r.satellites);
    solve(r);
    reportFix(r, shadowEvent >= 0);
    if (r.hasFix()) {
        reportMotion(r);
        reportRoute(r);
        r.withGll = extras_.chance(0.04);
        r.withVtg = extras_.chance(0.08);
    }
    return r;
}

std::vector<SkyPosition> Scenario::skyAt(int second)
{
    std::vector<SkyPosition> all;
    for (Sky& sky : skies_) {
        sky.advanceTo(second);
        const std::vector<SkyPosition> some = sky.inView(second);
        all.insert(all.end(), some.begin(), some.end());
    }
    return all;
}

void Scenario::solve(EpochReport& r) const
{
    std::vector<Direction> used;
    for (const SatelliteReport& s : r.satellites)
        if (s.used)
            used.push_back({double(s.elevation), double(s.azimuth)});
    // Like a real receiver, refuse a solution whose geometry is hopeless.
    Dops dops;
    if (!computeDops(used, dops) || dops.pdop > kPdopMask) {
        // No solution: nothing counts as used.
        for (SatelliteReport& s : r.satellites)
            s.used = false;
        r.quality = 0;
        return;
    }
    r.quality = second_ >= Timeline::kDifferentialFrom ? 2 : 1;
    r.pdop = dops.pdop;
    r.hdop = dops.hdop;
    r.vdop = dops.vdop;
    if (r.quality == 2) {
        // Corrections arrive every five seconds.
        r.dgpsAge = 1 + (second_ - Timeline::kDifferentialFrom) % 5;
        r.dgpsStation = kDgpsStation;
    }
}

void Scenario::reportFix(EpochReport& r, bool shadowed)
{
    // The error process runs every second, fix or not, so that its state does
    // not depend on when fixes start.
    const Offset error = errors_.step(r.quality, r.hdop, r.vdop, shadowed);
    fixEast_ = vehicle_.east() + error.east;
    fixNorth_ = vehicle_.north() + error.north;
    const GeoPoint p = frame_.toGeo(fixEast_, fixNorth_);
    r.latitude = p.latitude;
    r.longitude = p.longitude;
    r.altitude = vehicle_.altitude() + error.up;
}

void Scenario::reportMotion(EpochReport& r)
{
    // Doppler velocity is good to a few centimetres per second.
    const double noise = r.quality == 2 ? 0.04 : 0.08;
    const double vEast = vehicle_.speed() * sinDeg(vehicle_.heading()) + noise * motionNoise_.normal();
    const double vNorth = vehicle_.speed() * cosDeg(vehicle_.heading()) + noise * motionNoise_.normal();
    const double speed = std::sqrt(vEast * vEast + vNorth * vNorth);
    // Below walking pace the direction of motion is noise: hold the last course.
    if (speed >= 0.5)
        heldCourse_ = wrap360(detAtan2(vEast, vNorth) * kRadToDeg);
    r.speedKnots = speed * kKnotsPerMs;
    r.courseDeg = heldCourse_;
}

void Scenario::reportRoute(EpochReport& r)
{
    if (!route_.active())
        return;
    r.route = route_.report(frame_, fixEast_, fixNorth_, r.speedKnots, r.courseDeg);
    route_.advanceIfArrived(fixEast_, fixNorth_);
}

} // namespace orbilunex::simgps
