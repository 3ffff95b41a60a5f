#include "Vehicle.h"

#include "DetMath.h"
#include "Geo.h"

#include <algorithm>

namespace orbilunex::simgps {
namespace {

constexpr double kBraking = 3.5;         // m/s^2
constexpr double kLateral = 3.0;         // m/s^2, comfortable cornering
constexpr double kTurningRadius = 6.0;   // metres
constexpr double kMaxYawRate = 25.0;     // degrees per second
constexpr double kAntennaHeight = 1.5;   // metres above the road

} // namespace

Vehicle::Vehicle(double east, double north, double heading, double baseAltitude)
    : east_(east)
    , north_(north)
    , heading_(heading)
    , baseAltitude_(baseAltitude)
{
}

void Vehicle::step(double dt, double targetSpeed, double desiredHeading)
{
    // Pulling away is brisk, at motorway speed the engine has little left.
    const double accel = std::max(0.3, 2.6 * (1.0 - speed_ / 38.0));
    speed_ += std::clamp(targetSpeed - speed_, -kBraking * dt, accel * dt);
    speed_ = std::max(0.0, speed_);

    // A standing car cannot turn; a fast one turns gently.
    double yawRate = kMaxYawRate;
    if (speed_ > 0.0) {
        yawRate = std::min(yawRate, kLateral / speed_ * kRadToDeg);
        yawRate = std::min(yawRate, speed_ / kTurningRadius * kRadToDeg);
    } else {
        yawRate = 0.0;
    }
    const double error = wrap180(desiredHeading - heading_);
    heading_ = wrap360(heading_ + std::clamp(error, -yawRate * dt, yawRate * dt));

    east_ += speed_ * dt * sinDeg(heading_);
    north_ += speed_ * dt * cosDeg(heading_);
}

double Vehicle::altitude() const
{
    return terrainHeight(baseAltitude_, east_, north_) + kAntennaHeight;
}

} // namespace orbilunex::simgps
