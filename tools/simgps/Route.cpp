#include "Route.h"

#include "DetMath.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace orbilunex::simgps {
namespace {

constexpr double kMetresPerNmi = 1852.0;

double bearingTo(double dEast, double dNorth)
{
    return wrap360(detAtan2(dEast, dNorth) * kRadToDeg);
}

} // namespace

Route::Route(std::vector<Waypoint> waypoints, std::uint64_t seed)
    : waypoints_(std::move(waypoints))
{
    Rng rng(seed, 4);
    for (int i = 0; i < legCount(); ++i) {
        Meander m{};
        // Bends of up to about 20 degrees either side of the leg: a country
        // road, not a slalom, even at 100 km/h.
        m.amplitude1 = rng.uniform(25.0, 70.0);
        m.wavelength1 = rng.uniform(1100.0, 2000.0);
        m.phase1 = rng.uniform(0.0, 2.0 * kPi);
        m.amplitude2 = rng.uniform(4.0, 10.0);
        m.wavelength2 = rng.uniform(350.0, 600.0);
        m.phase2 = rng.uniform(0.0, 2.0 * kPi);
        meanders_.push_back(m);
    }
}

Route Route::standard(std::uint64_t seed)
{
    return Route({{"DEPOT", 0.0, 0.0, 0.0},
                  {"MILL", 150.0, 3000.0, 50.0},
                  {"FORD", 2700.0, 4500.0, 70.0},
                  {"RIDGE", 5000.0, 2300.0, 100.0},
                  {"LAKE", 4200.0, -1300.0, 80.0},
                  {"TOWER", 1300.0, -2300.0, 60.0},
                  {"INN", -1600.0, -400.0, 90.0},
                  {"GATE", -900.0, 1100.0, 50.0}},
                 seed);
}

Route::LegPosition Route::locate(double east, double north) const
{
    const Waypoint& a = origin();
    const Waypoint& b = destination();
    const double dx = b.east - a.east;
    const double dy = b.north - a.north;
    const double length = std::sqrt(dx * dx + dy * dy);
    const double ux = dx / length;
    const double uy = dy / length;
    const double px = east - a.east;
    const double py = north - a.north;
    // Right of a leg heading (ux, uy) is (uy, -ux) in east/north.
    return {px * ux + py * uy, px * uy - py * ux, length};
}

double Route::roadOffset(double along, double length) const
{
    const Meander& m = meanders_[leg_];
    const double taper = std::clamp(std::min(along, length - along) / 350.0, 0.0, 1.0);
    const double turn = 2.0 * kPi;
    return taper * (m.amplitude1 * detSin(turn * along / m.wavelength1 + m.phase1)
                    + m.amplitude2 * detSin(turn * along / m.wavelength2 + m.phase2));
}

double Route::desiredHeading(double east, double north, double speed) const
{
    const LegPosition p = locate(east, north);
    const double lookAhead = std::max(15.0, 1.8 * speed);
    const double along = p.along + lookAhead;
    const Waypoint& a = origin();
    const Waypoint& b = destination();
    if (along >= p.length)
        return bearingTo(b.east - east, b.north - north);
    const double ux = (b.east - a.east) / p.length;
    const double uy = (b.north - a.north) / p.length;
    const double offset = roadOffset(along, p.length);
    const double targetEast = a.east + along * ux + offset * uy;
    const double targetNorth = a.north + along * uy - offset * ux;
    return bearingTo(targetEast - east, targetNorth - north);
}

double Route::distanceToDestination(double east, double north) const
{
    const Waypoint& b = destination();
    return std::sqrt((b.east - east) * (b.east - east) + (b.north - north) * (b.north - north));
}

RouteReport Route::report(const LocalFrame& frame, double east, double north,
                          double speedKnots, double courseDeg) const
{
    const Waypoint& b = destination();
    const LegPosition p = locate(east, north);
    const GeoPoint target = frame.toGeo(b.east, b.north);
    RouteReport r;
    r.crossTrackNmi = std::fabs(p.right) / kMetresPerNmi;
    r.steer = p.right > 0.0 ? 'L' : 'R';
    r.originId = origin().id;
    r.destinationId = b.id;
    r.destinationLatitude = target.latitude;
    r.destinationLongitude = target.longitude;
    const double range = distanceToDestination(east, north);
    r.rangeNmi = range / kMetresPerNmi;
    r.bearingDeg = bearingTo(b.east - east, b.north - north);
    r.closingKnots = speedKnots * cosDeg(courseDeg - r.bearingDeg);
    r.arrived = range < kArrivalRadius;
    return r;
}

void Route::advanceIfArrived(double east, double north)
{
    if (!active())
        return;
    const double range = distanceToDestination(east, north);
    const LegPosition p = locate(east, north);
    const bool passed = range < kArrivalRadius && p.along >= p.length;
    if (range >= kReachedRadius && !passed)
        return;
    if (onLastLeg())
        finished_ = true;
    else
        ++leg_;
}

} // namespace orbilunex::simgps
