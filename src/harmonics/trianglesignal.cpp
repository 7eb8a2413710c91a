#include "harmonics/trianglesignal.h"

#include <cmath>

triangleSignal::triangleSignal() : synthesisModel(6.0, 6.0, 3.0)
{
    tabulate();
}

double triangleSignal::coefficient(int k) const
{
    if (k == 0)
        return amplitude * length * 0.5 / period;
    const double s = std::sin(k * synthesis::pi * length * 0.5 / period);
    return 4 * amplitude * period / (synthesis::pi * synthesis::pi * length * k * k) * s * s;
}

std::vector<synthesisModel::OutlinePoint> triangleSignal::outline() const
{
    const double half = 0.5 * length;
    return {{0.0, amplitude}, {half, 0.0}, {period - half, 0.0}, {period, amplitude}};
}
