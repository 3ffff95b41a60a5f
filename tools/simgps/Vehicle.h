#pragma once

namespace orbilunex::simgps {

// A car on rolling terrain: speed and heading follow the driver's targets
// within what a car can do (acceleration fading at speed, firm braking,
// limited lateral acceleration and turning circle).
class Vehicle {
public:
    Vehicle(double east, double north, double heading, double baseAltitude);

    void step(double dt, double targetSpeed, double desiredHeading);

    double east() const { return east_; }
    double north() const { return north_; }
    double heading() const { return heading_; } // degrees true
    double speed() const { return speed_; }     // metres per second
    double altitude() const;                    // antenna, metres above sea level

private:
    double east_;
    double north_;
    double heading_;
    double speed_ = 0.0;
    double baseAltitude_;
};

} // namespace orbilunex::simgps
