#pragma once

#include "harmonics/synthesismodel.h"

// A periodic train of symmetric trapezoidal pulses of height A, base a and flat top b, one
// centred on every multiple of the period T and zero between them (A = 6, a = 4, b = 2, T = 6).
// The coefficients divide by a − b, so the base must be longer than the top.
class trapezeSignal : public synthesisModel
{
public:
    trapezeSignal();

    double coefficient(int k) const override;
    // Right half of the top of the pulse at 0, the gap, left half of the top of the pulse at T.
    std::vector<OutlinePoint> outline() const override;

    const double baseLength = 4.0;
    const double topLength = 2.0;
};
