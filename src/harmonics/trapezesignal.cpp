#include "harmonics/trapezesignal.h"

#include <cmath>

trapezeSignal::trapezeSignal() : synthesisModel(6.0, 6.0, 2.5)
{
    tabulate();
}

double trapezeSignal::coefficient(int k) const
{
    const double sum = baseLength + topLength;
    const double difference = baseLength - topLength;
    if (k == 0)
        return sum * amplitude * 0.5 / period;
    return 4 * amplitude * period / (difference * synthesis::pi * synthesis::pi * k * k) *
           std::sin(k * synthesis::pi * sum * 0.5 / period) *
           std::sin(k * synthesis::pi * difference * 0.5 / period);
}

std::vector<synthesisModel::OutlinePoint> trapezeSignal::outline() const
{
    const double base = 0.5 * baseLength;
    const double top = 0.5 * topLength;
    return {{0.0, amplitude},     {top, amplitude},          {base, 0.0},
            {period - base, 0.0}, {period - top, amplitude}, {period, amplitude}};
}
