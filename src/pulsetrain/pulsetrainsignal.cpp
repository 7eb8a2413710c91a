#include "pulsetrain/pulsetrainsignal.h"

#include <cmath>

namespace
{
constexpr double pi = 3.14159265358979323846;
// 2π/14 to six decimals, the fundamental of the reference train.
constexpr double referenceFundamental = 0.448798;
} // namespace

void pulseTrainSignal::setParameters(double length, double period)
{
    amplitude = 5.0;
    this->length = length;
    this->period = period;
    harmonicCount = 200;
    gain = 3.0;
    frequencyScale = period > 0.0 ? 2 * pi / period / referenceFundamental : 0.0;
    computeCoefficients();
}

double pulseTrainSignal::coefficient(int n) const
{
    if (!(period > 0.0))
        return 0.0;
    if (n == 0)
        return amplitude * length / period;
    return std::sin(length * pi * n / period) * (2 * amplitude / pi) / n;
}

void pulseTrainSignal::computeCoefficients()
{
    coefficients.assign(static_cast<std::size_t>(harmonicCount > 0 ? harmonicCount : 0), 0.0);
    for (std::size_t n = 0; n < coefficients.size(); ++n)
        coefficients[n] = coefficient(static_cast<int>(n)) * gain;
}
