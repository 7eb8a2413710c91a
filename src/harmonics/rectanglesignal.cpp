#include "harmonics/rectanglesignal.h"

#include <cmath>

rectangleSignal::rectangleSignal() : synthesisModel(6.0, 5.0, 4.0)
{
    tabulate();
}

double rectangleSignal::coefficient(int k) const
{
    if (k == 0)
        return 0.0;
    const double pk = synthesis::pi * k;
    return amplitude * (std::sin(pk / 2) - 0.5 * std::sin(pk)) / pk;
}

double rectangleSignal::value(double t) const
{
    // Reduced with fmod rather than by stepping one period at a time, which never ends for a
    // time so large that subtracting T no longer changes it.
    double r = std::fmod(t, period);
    if (r > period / 2)
        r -= period;
    else if (r < -period / 2)
        r += period;
    return (r >= -period / 4 && r <= period / 4) ? amplitude / 2 : -amplitude / 2;
}
