#pragma once

#include <QString>

#include <vector>

// The signal of the workshop: one period of any real signal, sampled at a fixed number of points
// on t = n / sampleCount (t from 0 to 1), and its Fourier series
// f(t) = A_0 + Σ A_k cos(2πkt + φ_k). Plain C++ apart from the texts: no widget, no signals.
namespace workshop
{

constexpr int sampleCount = 4096;
// Harmonics k = 0 … harmonicCount − 1 are shown, summed and edited.
constexpr int harmonicCount = 50;

using Samples = std::vector<double>;

// A_k ≥ 0 for k ≥ 1 (A_0, the mean, keeps its sign) and φ_k in (−π, π], 0 where A_k is zero.
struct Series {
    std::vector<double> amplitude;
    std::vector<double> phase;

    // Term k at time t (in periods).
    double term(double t, int k) const;
};

// The series of one period, by a real FFT of the samples (sampleCount of them).
Series seriesOf(const Samples &samples);

// The partial sum of harmonics 0 … count − 1 at every sample, by an inverse FFT.
Samples partialSum(const Series &series, int count);

// The ready-made signals, in the order the combo box lists them.
enum class Preset { Sine, Square, Triangle, Sawtooth, HalfWave, FullWave, Pulses, Noise };
struct PresetName {
    Preset preset;
    const char *id;    // for the command line
    const char *title; // UTF-8, translated in the context "workshop"
};
const std::vector<PresetName> &presetNames();
const PresetName *findPreset(const QString &id);
// At a jump the sample takes the mean of both sides, the value the series converges to, so that
// the sampled signal has the series of the ideal one up to aliasing.
Samples presetSamples(Preset preset);

// What a lecturer says about a partial sum S of the signal f, both in per cent.
struct Convergence {
    // How far S passes the signal beyond its largest jump, within a quarter period either side
    // (above it on the upper side, below it on the lower), in per cent of that jump; negative
    // (nothing to show) when the signal has no jump.
    double overshoot;
    // Σ(f − S)² / Σf²; negative when the signal is zero everywhere.
    double error;
};
Convergence convergence(const Samples &signal, const Samples &sum);

// A stroke drawn over the signal from (t0, v0) to (t1, v1), t in periods (any real number, taken
// modulo one period), v the signal's value: every sample whose time lies between t0 and t1 takes
// the value of the straight line between the two points there; a single point (t0 = t1) sets the
// sample nearest to it. A stroke longer than a period stops after one period. Returns the number
// of samples changed.
int drawStroke(Samples &samples, double t0, double v0, double t1, double v1);

} // namespace workshop
