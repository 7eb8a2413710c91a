#pragma once

#include "sound/spectrum.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace sound
{

// Peak of every sound, as a fraction of full scale, and the most any sample may reach: the peak
// is measured on a grid finer than the samples, so a sample can overshoot it by a little.
constexpr double peakLevel = 0.5;
constexpr double peakLimit = 0.55;
// Nothing is played at or above this fraction of the sample rate, so nothing folds back.
constexpr double bandLimit = 0.45;
// Length of the fade on start, stop and every change, in seconds.
constexpr double rampSeconds = 0.02;

// Turns spectra into samples. Each new spectrum is normalised to the fixed peak and faded in over
// the ramp while the one before fades out; a spectrum set while a fade runs waits for its end
// (only the latest waits). The output depends only on the spectra and on the sample at which
// each was set: no clock, no device.
class ToneGenerator
{
public:
    explicit ToneGenerator(int sampleRate);
    // With fades of `rampSamples` samples instead of rampSeconds.
    ToneGenerator(int sampleRate, int rampSamples);

    void setSpectrum(const Spectrum &spectrum);
    void fadeOut() { setSpectrum({}); }
    // Next `count` samples in [−1, 1].
    void render(float *out, int count);
    void render(std::int16_t *out, int count);

    int sampleRate() const { return rate; }
    int rampSamples() const { return ramp; }
    // True when nothing sounds and nothing is about to.
    bool isQuiet() const;
    // The lines of `spectrum` that this generator plays, after band limiting.
    std::vector<Line> audibleLines(const Spectrum &spectrum) const;

private:
    struct Voice {
        std::vector<double> amplitudes; // already scaled to the fixed peak
        std::vector<double> steps;      // radians per sample
        std::int64_t start = 0;         // sample at which its phases were all zero
    };
    Voice voiceOf(const Spectrum &spectrum) const;
    void beginFade(Voice next);
    static void addVoice(const Voice &v, std::int64_t at, double *out, int count,
                         const double *weights);

    const int rate;
    const int ramp;
    std::int64_t position = 0;
    Voice current;
    std::optional<Voice> fading; // the voice going out while `current` comes in
    int fadeDone = 0;            // samples of the running fade already played
    std::optional<Spectrum> pending;
    std::vector<double> mix, weightsIn, weightsOut;
};

// Samples of `seconds` of `spectrum` at `sampleRate`, faded in and out, as 16-bit integers: the
// last sample is silent whatever the length.
std::vector<std::int16_t> renderClip(const Spectrum &spectrum, double seconds, int sampleRate);

} // namespace sound
