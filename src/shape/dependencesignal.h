#pragma once

#include <vector>

namespace shape
{
// The parameters the reference plots show and the "Репер" buttons restore.
constexpr int referencePeriod = 16;
constexpr int referenceTau1 = 4;
constexpr int referenceTau2 = 3;

// The rules every live plot keeps: τ2 ≤ τ1 ≤ T, τ2 ≥ 0, and τ1 and τ2 not both 0. A negative
// top is refused as well: it would let τ1, and after it T, reach 0.
inline bool acceptsPeriod(int period, double tau1)
{
    return period >= tau1;
}
inline bool acceptsTau1(int tau1, double period, double tau2)
{
    return tau1 <= period && tau1 >= tau2 && !(tau1 == 0 && tau2 == 0);
}
inline bool acceptsTau2(int tau2, double tau1)
{
    return tau2 <= tau1 && tau2 >= 0;
}
} // namespace shape

// A train of symmetric trapezoidal pulses of height `amplitude`, base duration `tau1`, flat-top
// duration `tau2` (τ2 ≤ τ1) and period `period`, centred on t = 0, and its Fourier coefficients
// scaled by the display `gain`. τ2 = τ1 gives rectangles, τ2 = 0 triangles.
class dependenceSignal
{
public:
    // Signed coefficient of harmonic n ≥ 0 before the gain. A train without a positive period
    // has no spectrum: every coefficient is 0.
    double coefficient(int n) const;
    void computeCoefficients();

    double amplitude = 4.0;
    double tau1 = shape::referenceTau1;
    double tau2 = shape::referenceTau2;
    double period = shape::referencePeriod;
    int harmonicCount = 200;
    std::vector<double> coefficients;
    // The fundamental π/T in units of the reference fundamental π/16 (set by computeCoefficients).
    double frequencyScale = 0.0;
    double gain = 4.0;
};
