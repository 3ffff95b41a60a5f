#pragma once

namespace orbilunex {

// The compass's own heading smoothing. A plain exponential smoother would
// swing the long way round between 359 and 0 degrees; this one always turns
// the short way and settles on the whole-degree course.
struct HeadingSmoother {
    double heading = 0.0; // degrees, the smoothed heading
    double step = 0.0;    // the step last taken

    // One poll with smoothing on: moves a fifth of the short way toward
    // `course`; a step under 0.05 degree lands on the course truncated to
    // whole degrees instead. The result is kept in [0, 360): 360 or more
    // becomes 0, below 0 becomes 359.
    double update(double course);

    // With smoothing off the heading is the course as it is.
    void follow(double course) { heading = course; }
};

} // namespace orbilunex
