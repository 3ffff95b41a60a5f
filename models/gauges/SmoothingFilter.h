#pragma once

namespace orbilunex {

// A first-order exponential smoother: each sample moves the output a fixed
// share of the way toward it. The gauges run it at each 100 ms poll.
class SmoothingFilter {
public:
    // For a sampling period and a time constant in seconds: the weight of
    // the previous output becomes exp(-period / timeConstant). A time
    // constant of 0 leaves the weight as it was. Returns the weight;
    // (0.1, 0.5) gives 0.8187307530779818.
    double setTimeConstant(double period, double timeConstant);

    // output = (output - sample) * coefficient + sample; returns it.
    double update(double sample);

    void reset(double value);

    double output = 0.0;
    double lastOutput = 0.0;
    double coefficient = 0.95;
};

} // namespace orbilunex
