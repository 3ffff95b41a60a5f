#pragma once

#include "Epoch.h"
#include "Geo.h"
#include "Random.h"

#include <cstdint>
#include <string>
#include <vector>

namespace orbilunex::simgps {

struct Waypoint {
    std::string id;
    double east;      // metres from the site origin
    double north;
    double cruiseKmh; // speed limit on the leg that ends at this waypoint
};

// The active waypoint route, for the driver's guidance and for RMB.
//
// The road between two waypoints is not the straight leg: it meanders either
// side of it and joins it at both ends, so cross-track error and the steering
// hint keep changing while the route stays exact at the waypoints.
class Route {
public:
    Route(std::vector<Waypoint> waypoints, std::uint64_t seed);
    // The drive of the standard scenario: legs towards every compass quarter.
    static Route standard(std::uint64_t seed);

    void activate() { started_ = true; }
    bool active() const { return started_ && !finished_; }
    bool finished() const { return finished_; }
    bool onLastLeg() const { return leg_ + 2 == static_cast<int>(waypoints_.size()); }
    const Waypoint& origin() const { return waypoints_[leg_]; }
    const Waypoint& destination() const { return waypoints_[leg_ + 1]; }
    int legCount() const { return static_cast<int>(waypoints_.size()) - 1; }

    // Heading towards a point a little way ahead on the road (pure pursuit).
    double desiredHeading(double east, double north, double speed) const;
    double distanceToDestination(double east, double north) const;

    // RMB figures for a fix at (east, north) moving at speed over course.
    RouteReport report(const LocalFrame& frame, double east, double north,
                       double speedKnots, double courseDeg) const;
    // Once per epoch, from the receiver's fix: on to the next leg when the
    // waypoint is reached, or when it was passed inside the arrival circle.
    void advanceIfArrived(double east, double north);

    static constexpr double kArrivalRadius = 0.05 * 1852.0; // metres
    static constexpr double kReachedRadius = 20.0;          // metres

private:
    struct Meander {
        double amplitude1, wavelength1, phase1;
        double amplitude2, wavelength2, phase2;
    };
    struct LegPosition {
        double along; // metres from the origin waypoint, along the leg
        double right; // metres right of the leg
        double length;
    };

    LegPosition locate(double east, double north) const;
    double roadOffset(double along, double length) const;

    std::vector<Waypoint> waypoints_;
    std::vector<Meander> meanders_; // one per leg
    int leg_ = 0;
    bool started_ = false;
    bool finished_ = false;
};

} // namespace orbilunex::simgps
