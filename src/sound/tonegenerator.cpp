#include "sound/tonegenerator.h"

#include <algorithm>
#include <cmath>

namespace sound
{

namespace
{

constexpr double twoPi = 6.283185307179586;
// The rotating phasors are set from the exact phase at the start of every block, so their
// rounding never builds up.
constexpr int blockSize = 256;
// Grid points per period of the highest line when the peak is measured.
constexpr int peakGridPerCycle = 16;
constexpr int maxPeakGrid = 1 << 17;

// Largest |Σ a·cos(2πkj/N)| over one period of the fundamental, on a grid of N points.
double peakOf(const std::vector<Line> &lines)
{
    int top = 1;
    for (const Line &l : lines)
        top = std::max(top, l.harmonic);
    const int n = std::clamp(peakGridPerCycle * top, 64, maxPeakGrid);
    std::vector<double> cosines(static_cast<std::size_t>(n));
    for (int j = 0; j < n; ++j)
        cosines[static_cast<std::size_t>(j)] = std::cos(twoPi * j / n);
    // Index of k·j modulo n for every line, advanced by k at each grid point (k < n).
    std::vector<int> index(lines.size(), 0);
    double peak = 0.0;
    for (int j = 0; j < n; ++j) {
        double v = 0.0;
        for (std::size_t l = 0; l < lines.size(); ++l) {
            v += lines[l].amplitude * cosines[static_cast<std::size_t>(index[l])];
            index[l] += lines[l].harmonic;
            if (index[l] >= n)
                index[l] -= n;
        }
        peak = std::max(peak, std::abs(v));
    }
    return peak;
}

} // namespace

ToneGenerator::ToneGenerator(int sampleRate)
    : ToneGenerator(sampleRate, static_cast<int>(std::lround(rampSeconds * sampleRate)))
{
}

ToneGenerator::ToneGenerator(int sampleRate, int rampSamples)
    : rate(sampleRate), ramp(std::max(1, rampSamples))
{
}

std::vector<Line> ToneGenerator::audibleLines(const Spectrum &spectrum) const
{
    std::vector<Line> lines;
    if (spectrum.isSilent())
        return lines;
    const double limit = bandLimit * rate;
    for (const Line &l : spectrum.lines)
        if (l.harmonic > 0 && l.amplitude != 0.0 && l.harmonic * spectrum.fundamental < limit)
            lines.push_back(l);
    return lines;
}

ToneGenerator::Voice ToneGenerator::voiceOf(const Spectrum &spectrum) const
{
    Voice v;
    const std::vector<Line> lines = audibleLines(spectrum);
    const double peak = peakOf(lines);
    if (lines.empty() || !(peak > 0.0))
        return v;
    for (const Line &l : lines) {
        v.amplitudes.push_back(l.amplitude * peakLevel / peak);
        v.steps.push_back(twoPi * l.harmonic * spectrum.fundamental / rate);
    }
    return v;
}

void ToneGenerator::setSpectrum(const Spectrum &spectrum)
{
    if (fading) {
        pending = spectrum;
        return;
    }
    beginFade(voiceOf(spectrum));
}

void ToneGenerator::beginFade(Voice next)
{
    next.start = position;
    fading = std::move(current);
    current = std::move(next);
    fadeDone = 0;
    pending.reset();
}

bool ToneGenerator::isQuiet() const
{
    return current.amplitudes.empty() && !fading && !pending;
}

void ToneGenerator::addVoice(const Voice &v, std::int64_t at, double *out, int count,
                             const double *weights)
{
    const auto elapsed = static_cast<double>(at - v.start);
    for (std::size_t k = 0; k < v.amplitudes.size(); ++k) {
        const double phase = std::fmod(v.steps[k] * elapsed, twoPi);
        double c = std::cos(phase);
        double s = std::sin(phase);
        const double rc = std::cos(v.steps[k]);
        const double rs = std::sin(v.steps[k]);
        const double a = v.amplitudes[k];
        if (weights) {
            for (int i = 0; i < count; ++i) {
                out[i] += weights[i] * a * c;
                const double nc = c * rc - s * rs;
                s = c * rs + s * rc;
                c = nc;
            }
        } else {
            for (int i = 0; i < count; ++i) {
                out[i] += a * c;
                const double nc = c * rc - s * rs;
                s = c * rs + s * rc;
                c = nc;
            }
        }
    }
}

void ToneGenerator::render(float *out, int count)
{
    while (count > 0) {
        int n = std::min(count, blockSize);
        if (fading)
            n = std::min(n, ramp - fadeDone);
        mix.assign(static_cast<std::size_t>(n), 0.0);
        if (fading) {
            weightsIn.resize(static_cast<std::size_t>(n));
            weightsOut.resize(static_cast<std::size_t>(n));
            for (int i = 0; i < n; ++i) {
                const double w = static_cast<double>(fadeDone + i + 1) / ramp;
                weightsIn[static_cast<std::size_t>(i)] = w;
                weightsOut[static_cast<std::size_t>(i)] = 1.0 - w;
            }
            addVoice(*fading, position, mix.data(), n, weightsOut.data());
            addVoice(current, position, mix.data(), n, weightsIn.data());
            fadeDone += n;
        } else {
            addVoice(current, position, mix.data(), n, nullptr);
        }
        for (int i = 0; i < n; ++i)
            out[i] = static_cast<float>(std::clamp(mix[static_cast<std::size_t>(i)], -1.0, 1.0));
        position += n;
        out += n;
        count -= n;
        if (fading && fadeDone >= ramp) {
            fading.reset();
            if (pending) {
                const Spectrum next = *pending;
                beginFade(voiceOf(next));
            }
        }
    }
}

void ToneGenerator::render(std::int16_t *out, int count)
{
    std::vector<float> samples(static_cast<std::size_t>(count));
    render(samples.data(), count);
    for (int i = 0; i < count; ++i)
        out[i] =
            static_cast<std::int16_t>(std::lround(samples[static_cast<std::size_t>(i)] * 32767.0));
}

std::vector<std::int16_t> renderClip(const Spectrum &spectrum, double seconds, int sampleRate)
{
    const auto total = static_cast<int>(std::lround(seconds * sampleRate));
    std::vector<std::int16_t> samples(static_cast<std::size_t>(std::max(total, 0)));
    if (total < 2) // too short to rise and fall again: silence
        return samples;
    // A clip shorter than both fades shares its length between them, so it still ends in silence.
    ToneGenerator g(sampleRate, std::min(ToneGenerator(sampleRate).rampSamples(), total / 2));
    const int tail = g.rampSamples();
    g.setSpectrum(spectrum);
    g.render(samples.data(), total - tail);
    g.fadeOut();
    g.render(samples.data() + (total - tail), tail);
    return samples;
}

} // namespace sound
