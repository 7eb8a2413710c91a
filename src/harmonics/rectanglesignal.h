#pragma once

#include "harmonics/synthesismodel.h"

// The ideal rectangular wave of the synthesis demonstration: even, +A/2 for |t| ≤ T/4 and −A/2
// elsewhere in the period (A = 6, T = 5). Its coefficient is half the series term's amplitude:
// ±A/(πk) for odd k, zero (to rounding) otherwise.
class rectangleSignal : public synthesisModel
{
public:
    rectangleSignal();

    double coefficient(int k) const override;
    // The ideal signal at time t; the jump points belong to the upper level.
    double value(double t) const;
};
