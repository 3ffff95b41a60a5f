#include "models/gauges/SmoothingFilter.h"

#include <cmath>

namespace orbilunex {

double SmoothingFilter::setTimeConstant(double period, double timeConstant)
{
    if (timeConstant != 0.0) coefficient = std::exp(-period / timeConstant);
    return coefficient;
}

double SmoothingFilter::update(double sample)
{
    output = (output - sample) * coefficient + sample;
    lastOutput = output;
    return output;
}

void SmoothingFilter::reset(double value)
{
    output = value;
    lastOutput = value;
}

} // namespace orbilunex
