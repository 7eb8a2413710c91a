#include "modulation/modulatedsignal.h"

#include <cmath>

modulatedSignal::modulatedSignal()
{
    computeLines();
}

void modulatedSignal::computeLines()
{
    const double side = 0.5 * gain_ * amplitude_ * depth_;
    lines_ = {side, gain_ * amplitude_, side};
}

double modulatedSignal::value(double t) const
{
    return std::cos(omegaN_ * t) * ((std::cos(omegaM_ * t) * depth_ + 1.0) * amplitude_);
}
