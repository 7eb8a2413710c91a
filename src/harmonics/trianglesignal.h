#pragma once

#include "harmonics/synthesismodel.h"

// A periodic train of isosceles triangular pulses of height A and base τ, one centred on every
// multiple of the period T and zero between them (A = 6, T = 6, τ = 4).
class triangleSignal : public synthesisModel
{
public:
    triangleSignal();

    double coefficient(int k) const override;
    // Falling edge of the pulse at 0, the gap, rising edge of the pulse at T.
    std::vector<OutlinePoint> outline() const override;

    const double length = 4.0;
};
