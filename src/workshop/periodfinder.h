#pragma once

#include "workshop/periodicsignal.h"

#include <cstddef>
#include <vector>

// The period of a recorded sound, for the workshop: the fundamental found by the YIN difference
// function (the cumulative mean normalised difference, with parabolic interpolation of the lag),
// made for voiced sounds and instruments, and one period of the sound resampled to the workshop's
// samples. A sound is mono, samples in [−1, 1] at a given rate. Plain C++: no device, no widget.
namespace workshop
{

constexpr double lowestFundamental = 50.0;
constexpr double highestFundamental = 2000.0;

struct Pitch {
    double fundamental = 0.0; // Hz, 0 where the sound is not periodic within the range
    // The normalised difference at the period: near 0 for a steady tone, near 1 for noise.
    double aperiodicity = 1.0;
};

struct Period {
    double fundamental = 0.0; // Hz, 0: none found
    // One period starting where its fundamental rises through zero (so a steady tone gives the
    // same picture every time), scaled to a peak of 1; sampleCount samples.
    Samples samples;
};

// How many samples from its starting point on the analysis reads, at `rate`.
std::size_t analysisLength(int rate);

// The fundamental of sound[at, at + analysisLength(rate)); none where fewer samples are left.
Pitch pitchAt(const std::vector<float> &sound, int rate, std::size_t at);

// The period there, or none for silence, noise or a tone outside the range.
Period periodAt(const std::vector<float> &sound, int rate, std::size_t at);

// The starting point of the analysis within the steadiest second of the sound: all of it
// periodic, with the least aperiodicity and the least wandering pitch (for a sound shorter than
// a second, or without such a second, the single most periodic moment).
std::size_t steadiestMoment(const std::vector<float> &sound, int rate);

// Points at which steadiestMoment() looks, and a slider may stop: every tenth of a second.
std::size_t momentStep(int rate);

// The largest magnitude within each of `buckets` equal parts of the sound.
std::vector<float> envelope(const std::vector<float> &sound, int buckets);

} // namespace workshop
