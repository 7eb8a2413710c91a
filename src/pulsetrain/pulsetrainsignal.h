#pragma once

#include <vector>

namespace pulsetrain
{
// The parameters the reference plots show and the "Репер" buttons restore.
constexpr int referencePeriod = 14;
constexpr int referenceLength = 3;

// The rule every live plot keeps: 1 ≤ τ ≤ T. A duration below 1 is refused too, although the
// sliders never offer one: otherwise a zero duration would let the period follow it to zero.
inline bool acceptsLength(int length, double period)
{
    return length >= 1 && length <= period;
}
inline bool acceptsPeriod(int period, double length)
{
    return period >= length;
}
} // namespace pulsetrain

// Fourier coefficients of a train of rectangular pulses of height `amplitude`, duration `length`
// and period `period`, centred on t = 0, scaled by the display `gain`.
class pulseTrainSignal
{
public:
    pulseTrainSignal() = default;

    void setParameters(double length, double period);
    // Signed coefficient of harmonic n ≥ 0 before the gain. A train without a positive period
    // has no spectrum: every coefficient is 0.
    double coefficient(int n) const;
    void computeCoefficients();

    double amplitude = 0.0;
    double period = 0.0;
    double length = 0.0;
    std::vector<double> coefficients;
    // The fundamental 2π/T in units of the reference fundamental 2π/14.
    double frequencyScale = 0.0;
    int harmonicCount = 0;
    double gain = 0.0;
};
