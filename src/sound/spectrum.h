#pragma once

#include <vector>

namespace sound
{

// A line of a sound: harmonic number of the spectrum's fundamental and its signed amplitude, in
// whatever unit the plot draws it (only the relative heights are heard).
struct Line {
    int harmonic;
    double amplitude;
    bool operator==(const Line &o) const
    {
        return harmonic == o.harmonic && amplitude == o.amplitude;
    }
};

// What a window plays: a fundamental in hertz and the lines above it, every one a cosine at time
// zero, as the plots draw their series. No line at harmonic 0: a loudspeaker cannot play a
// constant. Empty (or without a positive fundamental) is silence.
struct Spectrum {
    double fundamental = 0.0;
    std::vector<Line> lines;

    bool isSilent() const;
    bool operator==(const Spectrum &o) const
    {
        return fundamental == o.fundamental && lines == o.lines;
    }
    bool operator!=(const Spectrum &o) const { return !(*this == o); }
};

// One period of a synthesis signal lasts 1/220 s.
constexpr double synthesisFundamental = 220.0;
// A train of period T sounds at 220 Hz · 14 / T: the reference T = 14 at 220 Hz.
constexpr double trainReferencePeriod = 14.0;
// Modulation frequencies sound at 100 Hz per unit of Ω and ω.
constexpr double hertzPerModulationUnit = 100.0;

// The cosine series amplitudes[k] · cos(2πk·f·t), k ≥ 1; the constant term amplitudes[0] and
// zero lines are left out.
Spectrum harmonicSeries(double fundamental, const std::vector<double> &amplitudes);
// Fundamental of a train of period T; 0 (silence) for a period that is not positive.
double trainFundamental(double period);
// A·(1 + m·cos ωt)·cos Ωt: the carrier A at Ω and the side lines A·m/2 at Ω ± ω, with Ω and ω
// in the plot's units and every frequency rounded to whole hertz (the sliders move in hundredths,
// one hertz each). Lines that meet (ω = 0) add up.
Spectrum modulation(double amplitude, double depth, double omegaM, double omegaN);

} // namespace sound
