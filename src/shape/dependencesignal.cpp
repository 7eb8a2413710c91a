#include "shape/dependencesignal.h"

#include <cmath>

namespace
{
constexpr double pi = 3.14159265358979323846;
// π/16 to seven decimals, the fundamental of the reference train.
constexpr double referenceFundamental = 0.1963495;
} // namespace

double dependenceSignal::coefficient(int n) const
{
    if (!(period > 0.0))
        return 0.0;
    if (n == 0)
        return (tau2 + tau1) * amplitude * 0.5 / period;
    if (tau1 == tau2)
        return std::sin(tau1 * pi * n / period) * (2 * amplitude / pi) / n;
    return 4 * amplitude * period * std::sin(n * pi * (tau1 + tau2) / (2 * period)) *
           std::sin(n * pi * (tau1 - tau2) / (2 * period)) / ((tau1 - tau2) * pi * pi * n * n);
}

void dependenceSignal::computeCoefficients()
{
    coefficients.assign(static_cast<std::size_t>(harmonicCount > 0 ? harmonicCount : 0), 0.0);
    gain = 4.0;
    frequencyScale = period > 0.0 ? pi / period / referenceFundamental : 0.0;
    for (std::size_t n = 0; n < coefficients.size(); ++n)
        coefficients[n] = coefficient(static_cast<int>(n)) * gain;
}
