#include "harmonics/synthesismodel.h"

#include <cmath>

synthesisModel::synthesisModel(double amplitude, double period, double gain, int harmonicCount)
    : amplitude(amplitude), period(period), harmonicCount(harmonicCount),
      omega(synthesis::twoPi / period), gain(gain)
{
}

double synthesisModel::harmonicValue(double t, int k) const
{
    return coefficient(k) * std::cos(k * synthesis::twoPi * t / period);
}

void synthesisModel::tabulate()
{
    table.clear();
    for (int k = 0; k < harmonicCount; ++k)
        table.push_back(coefficient(k) * gain);
}
