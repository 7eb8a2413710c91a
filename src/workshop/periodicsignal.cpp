#include "workshop/periodicsignal.h"

#include "harmonics/synthesismodel.h"

#include <QCoreApplication>

#include <kiss_fftr.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <random>

namespace workshop
{

namespace
{

using synthesis::pi;
using synthesis::twoPi;

// What single-precision transforms leave of a zero, relative to the largest term: such a term
// has no phase to show.
constexpr double roundingFloor = 1e-6;
// A difference between samples two apart counts as a jump from this share of the signal's
// range on; a steep slope drawn by hand stays below it.
constexpr double jumpShare = 0.05;
// The partial sum is compared with the signal within a quarter period either side of the jump.
constexpr int jumpReach = sampleCount / 4;
// The seed of the noise preset: the same noise in every lecture.
constexpr std::uint32_t noiseSeed = 20240917;

struct FftConfigDeleter {
    void operator()(kiss_fftr_cfg c) const { kiss_fftr_free(c); }
};
using FftConfig = std::unique_ptr<std::remove_pointer_t<kiss_fftr_cfg>, FftConfigDeleter>;

const FftConfig &forward()
{
    static const FftConfig config(kiss_fftr_alloc(sampleCount, 0, nullptr, nullptr));
    return config;
}

const FftConfig &inverse()
{
    static const FftConfig config(kiss_fftr_alloc(sampleCount, 1, nullptr, nullptr));
    return config;
}

// The sample index of time t, taken modulo one period.
int wrapped(long long n)
{
    const long long m = n % sampleCount;
    return static_cast<int>(m < 0 ? m + sampleCount : m);
}

double squareWave(double t)
{
    return t == 0.0 || t == 0.5 ? 0.0 : t < 0.5 ? 1.0 : -1.0;
}

double sawtooth(double t)
{
    return t == 0.0 ? 0.0 : 2.0 * t - 1.0;
}

double pulses(double t)
{
    // Width a quarter of the period, centred on t = 0.
    const double d = std::min(t, 1.0 - t);
    return d == 0.125 ? 0.5 : d < 0.125 ? 1.0 : 0.0;
}

} // namespace

double Series::term(double t, int k) const
{
    const auto i = static_cast<std::size_t>(k);
    return amplitude[i] * std::cos(twoPi * k * t + phase[i]);
}

Series seriesOf(const Samples &samples)
{
    std::vector<kiss_fft_scalar> in(samples.begin(), samples.end());
    in.resize(sampleCount, 0.0f);
    std::vector<kiss_fft_cpx> out(sampleCount / 2 + 1);
    kiss_fftr(forward().get(), in.data(), out.data());
    Series s;
    s.amplitude.resize(harmonicCount);
    s.phase.resize(harmonicCount, 0.0);
    double largest = 0.0;
    for (int k = 0; k < harmonicCount; ++k) {
        const double re = out[std::size_t(k)].r / double(sampleCount);
        const double im = out[std::size_t(k)].i / double(sampleCount);
        s.amplitude[std::size_t(k)] = k == 0 ? re : 2.0 * std::hypot(re, im);
        largest = std::max(largest, std::abs(s.amplitude[std::size_t(k)]));
        s.phase[std::size_t(k)] = k == 0 ? 0.0 : std::atan2(im, re);
    }
    for (int k = 1; k < harmonicCount; ++k) {
        double &a = s.amplitude[std::size_t(k)];
        double &phi = s.phase[std::size_t(k)];
        if (a <= roundingFloor * largest) {
            a = 0.0;
            phi = 0.0;
        } else if (phi <= -pi + 1e-9) {
            phi = pi; // one phase for a negative cosine, whichever side rounding left it on
        }
    }
    return s;
}

Samples partialSum(const Series &series, int count)
{
    std::vector<kiss_fft_cpx> in(sampleCount / 2 + 1, kiss_fft_cpx{0.0f, 0.0f});
    const int terms = std::clamp(count, 0, int(series.amplitude.size()));
    for (int k = 0; k < terms; ++k) {
        const double a = series.amplitude[std::size_t(k)] * (k == 0 ? 1.0 : 0.5);
        const double phi = series.phase[std::size_t(k)];
        in[std::size_t(k)] = {float(a * std::cos(phi)), float(a * std::sin(phi))};
    }
    std::vector<kiss_fft_scalar> out(sampleCount);
    kiss_fftri(inverse().get(), in.data(), out.data());
    return Samples(out.begin(), out.end());
}

const std::vector<PresetName> &presetNames()
{
    static const std::vector<PresetName> names = {
        {Preset::Sine, "sine", QT_TRANSLATE_NOOP("workshop", "Синусоида")},
        {Preset::Square, "square", QT_TRANSLATE_NOOP("workshop", "Прямоугольный")},
        {Preset::Triangle, "triangle", QT_TRANSLATE_NOOP("workshop", "Треугольный")},
        {Preset::Sawtooth, "sawtooth", QT_TRANSLATE_NOOP("workshop", "Пилообразный")},
        {Preset::HalfWave, "half-wave",
         QT_TRANSLATE_NOOP("workshop", "Однополупериодный выпрямленный синус")},
        {Preset::FullWave, "full-wave",
         QT_TRANSLATE_NOOP("workshop", "Двухполупериодный выпрямленный синус")},
        {Preset::Pulses, "pulses", QT_TRANSLATE_NOOP("workshop", "Импульсы")},
        {Preset::Noise, "noise", QT_TRANSLATE_NOOP("workshop", "Шум")},
    };
    return names;
}

const PresetName *findPreset(const QString &id)
{
    for (const PresetName &p : presetNames())
        if (id == QLatin1String(p.id))
            return &p;
    return nullptr;
}

Samples presetSamples(Preset preset)
{
    Samples s(sampleCount);
    std::mt19937 noise(noiseSeed);
    for (int n = 0; n < sampleCount; ++n) {
        const double t = double(n) / sampleCount;
        double &v = s[std::size_t(n)];
        switch (preset) {
        case Preset::Sine:
            v = std::sin(twoPi * t);
            break;
        case Preset::Square:
            v = squareWave(t);
            break;
        case Preset::Triangle:
            v = std::abs(4.0 * t - 2.0) - 1.0;
            break;
        case Preset::Sawtooth:
            v = sawtooth(t);
            break;
        case Preset::HalfWave:
            v = std::max(std::sin(twoPi * t), 0.0);
            break;
        case Preset::FullWave:
            v = std::abs(std::sin(twoPi * t));
            break;
        case Preset::Pulses:
            v = pulses(t);
            break;
        case Preset::Noise:
            // Spelled out instead of a distribution, whose values the standard leaves open.
            v = 2.0 * (double(noise()) / 4294967295.0) - 1.0;
            break;
        }
    }
    return s;
}

Convergence convergence(const Samples &signal, const Samples &sum)
{
    Convergence c{-1.0, -1.0};
    double power = 0.0, residue = 0.0;
    for (std::size_t n = 0; n < signal.size(); ++n) {
        power += signal[n] * signal[n];
        residue += (signal[n] - sum[n]) * (signal[n] - sum[n]);
    }
    if (power > 0.0)
        c.error = 100.0 * residue / power;

    const auto [low, high] = std::minmax_element(signal.begin(), signal.end());
    int at = 0;
    double jump = 0.0;
    for (int n = 0; n < sampleCount; ++n) {
        const double d =
            std::abs(signal[std::size_t(wrapped(n + 1))] - signal[std::size_t(wrapped(n - 1))]);
        if (d > jump) {
            jump = d;
            at = n;
        }
    }
    if (!(jump > jumpShare * (*high - *low)))
        return c;
    // Past the jump the sum rises above the upper side and dips below the lower one; the samples
    // where it is still passing from one to the other are below the one and above the other, so
    // they never count.
    const bool rising = signal[std::size_t(wrapped(at + 1))] > signal[std::size_t(wrapped(at - 1))];
    double beyond = 0.0;
    for (int d = 1; d <= jumpReach; ++d) {
        for (const int side : {-1, 1}) {
            const auto n = std::size_t(wrapped(at + side * d));
            const bool upper = (side > 0) == rising;
            beyond = std::max(beyond, upper ? sum[n] - signal[n] : signal[n] - sum[n]);
        }
    }
    c.overshoot = 100.0 * beyond / jump;
    return c;
}

int drawStroke(Samples &samples, double t0, double v0, double t1, double v1)
{
    if (t1 < t0) {
        std::swap(t0, t1);
        std::swap(v0, v1);
    }
    // A single point, a press without a drag, takes the nearest sample.
    const double first = t0 == t1 ? std::round(t0 * sampleCount) : std::ceil(t0 * sampleCount);
    const double last =
        t0 == t1 ? first : std::min(std::floor(t1 * sampleCount), first + sampleCount - 1);
    if (!(first <= last) || !std::isfinite(first) || !std::isfinite(last))
        return 0;
    const auto from = static_cast<long long>(first);
    const auto to = static_cast<long long>(last);
    for (long long n = from; n <= to; ++n) {
        const double t = double(n) / sampleCount;
        const double v = t1 > t0 ? v0 + (v1 - v0) * (t - t0) / (t1 - t0) : v1;
        samples[std::size_t(wrapped(n))] = v;
    }
    return static_cast<int>(to - from + 1);
}

} // namespace workshop
