#include "workshop/periodfinder.h"

#include "harmonics/synthesismodel.h"

#include <kiss_fftr.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace workshop
{

namespace
{

using synthesis::pi;
using synthesis::twoPi;

// The first lag whose normalised difference falls below this is the period (YIN's absolute
// threshold); a steady voice or instrument stays well below it, noise far above.
constexpr double periodicThreshold = 0.15;
// A sound whose mean square stays below this (−70 dB of full scale) is silence.
constexpr double silentPower = 1e-7;
// The steadiest second is judged on these many analyses, one every momentStep().
constexpr std::size_t analysesPerSecond = 10;

struct FftDeleter {
    void operator()(kiss_fftr_cfg c) const { kiss_fftr_free(c); }
};
using FftConfig = std::unique_ptr<std::remove_pointer_t<kiss_fftr_cfg>, FftDeleter>;

// The real transforms of one length, made once.
struct Transforms {
    FftConfig forward;
    FftConfig inverse;
};

const Transforms &transformsOf(int length)
{
    static std::map<int, Transforms> made;
    auto it = made.find(length);
    if (it == made.end())
        it = made.emplace(length,
                          Transforms{FftConfig(kiss_fftr_alloc(length, 0, nullptr, nullptr)),
                                     FftConfig(kiss_fftr_alloc(length, 1, nullptr, nullptr))})
                 .first;
    return it->second;
}

// The longest period looked for, in samples, and the window the differences are summed over.
int longestLag(int rate)
{
    return int(std::ceil(rate / lowestFundamental)) + 2;
}

// Σ (x[j] − x[j + lag])² over the window, exactly, for the interpolation.
double difference(const float *x, int window, int lag)
{
    double d = 0.0;
    for (int j = 0; j < window; ++j) {
        const double e = double(x[j]) - double(x[j + lag]);
        d += e * e;
    }
    return d;
}

// Σ x[j] · x[j + lag] over the window for every lag up to `lags`, by one transform each way.
std::vector<double> correlations(const float *x, int window, int lags)
{
    int length = 2;
    while (length < window + lags + 1)
        length *= 2;
    const Transforms &t = transformsOf(length);
    std::vector<kiss_fft_scalar> head(std::size_t(length), 0.0f);
    std::vector<kiss_fft_scalar> whole(std::size_t(length), 0.0f);
    std::copy(x, x + window, head.begin());
    std::copy(x, x + window + lags + 1, whole.begin());
    std::vector<kiss_fft_cpx> a(std::size_t(length / 2 + 1)), b(a.size());
    kiss_fftr(t.forward.get(), head.data(), a.data());
    kiss_fftr(t.forward.get(), whole.data(), b.data());
    for (std::size_t k = 0; k < a.size(); ++k) {
        const kiss_fft_cpx p = a[k], q = b[k];
        a[k] = {p.r * q.r + p.i * q.i, p.r * q.i - p.i * q.r}; // conj(p) · q
    }
    std::vector<kiss_fft_scalar> c(static_cast<std::size_t>(length));
    kiss_fftri(t.inverse.get(), a.data(), c.data());
    std::vector<double> r(std::size_t(lags + 1));
    for (int lag = 0; lag <= lags; ++lag)
        r[std::size_t(lag)] = double(c[std::size_t(lag)]) / length;
    return r;
}

// The sound at a fractional position, by the Catmull-Rom cubic through the four samples around
// it; the caller keeps one sample either side within the sound.
double soundAt(const std::vector<float> &sound, double position)
{
    const auto i = static_cast<std::size_t>(std::floor(position));
    const double u = position - double(i);
    const double p0 = sound[i - 1], p1 = sound[i], p2 = sound[i + 1], p3 = sound[i + 2];
    return p1 + 0.5 * u *
                    (p2 - p0 +
                     u * (2.0 * p0 - 5.0 * p1 + 4.0 * p2 - p3 + u * (3.0 * (p1 - p2) + p3 - p0)));
}

Samples resampled(const std::vector<float> &sound, double start, double length)
{
    Samples s(sampleCount);
    for (int n = 0; n < sampleCount; ++n)
        s[std::size_t(n)] = soundAt(sound, start + length * n / sampleCount);
    return s;
}

} // namespace

std::size_t analysisLength(int rate)
{
    // The window and the longest lag, one sample more for the interpolation, and room for a
    // period after a shift of up to one period (two longest periods in all) with a sample
    // either side of it for the resampling.
    return std::size_t(2 * longestLag(rate) + 4);
}

Pitch pitchAt(const std::vector<float> &sound, int rate, std::size_t at)
{
    if (rate <= 0 || sound.size() < at + analysisLength(rate))
        return {};
    const int lags = longestLag(rate);
    const int window = lags;
    const float *x = sound.data() + at + 1;

    double power = 0.0;
    for (int j = 0; j < window; ++j)
        power += double(x[j]) * double(x[j]);
    if (power < silentPower * window)
        return {};

    // YIN: d(τ) = e(0) + e(τ) − 2 r(τ), with e(τ) the energy of the window moved by τ, and
    // d'(τ) = d(τ) · τ / Σ_{j ≤ τ} d(j).
    const std::vector<double> r = correlations(x, window, lags);
    std::vector<double> normalised(std::size_t(lags + 1), 1.0);
    double moved = power, sum = 0.0;
    for (int lag = 1; lag <= lags; ++lag) {
        moved +=
            double(x[window + lag - 1]) * x[window + lag - 1] - double(x[lag - 1]) * x[lag - 1];
        const double d = std::max(0.0, power + moved - 2.0 * r[std::size_t(lag)]);
        sum += d;
        normalised[std::size_t(lag)] = sum > 0.0 ? d * lag / sum : 1.0;
    }
    int lag = 2;
    while (lag < lags && normalised[std::size_t(lag)] >= periodicThreshold)
        ++lag;
    if (lag >= lags) {
        Pitch none;
        none.aperiodicity = *std::min_element(
            normalised.begin() + std::ptrdiff_t(rate / highestFundamental), normalised.end());
        return none;
    }
    while (lag + 1 < lags && normalised[std::size_t(lag + 1)] < normalised[std::size_t(lag)])
        ++lag;

    const double before = difference(x, window, lag - 1);
    const double here = difference(x, window, lag);
    const double after = difference(x, window, lag + 1);
    const double curvature = before - 2.0 * here + after;
    const double shift =
        curvature > 0.0 ? std::clamp(0.5 * (before - after) / curvature, -1.0, 1.0) : 0.0;
    const double fundamental = rate / (lag + shift);
    Pitch p;
    p.aperiodicity = normalised[std::size_t(lag)];
    if (fundamental >= lowestFundamental && fundamental <= highestFundamental)
        p.fundamental = fundamental;
    return p;
}

Period periodAt(const std::vector<float> &sound, int rate, std::size_t at)
{
    const Pitch pitch = pitchAt(sound, rate, at);
    if (pitch.fundamental <= 0.0)
        return {};
    const double length = rate / pitch.fundamental;
    const double start = double(at) + 1.0;
    // Where the fundamental of this period rises through zero: cos(2πt + φ1) at −π/2.
    const Series first = seriesOf(resampled(sound, start, length));
    double rise = (-0.5 * pi - first.phase[1]) / twoPi;
    rise -= std::floor(rise);
    Period p{pitch.fundamental, resampled(sound, start + rise * length, length)};
    double peak = 0.0;
    for (const double v : p.samples)
        peak = std::max(peak, std::abs(v));
    for (double &v : p.samples)
        v /= peak;
    return p;
}

std::size_t momentStep(int rate)
{
    return std::size_t(std::max(1, rate / int(analysesPerSecond)));
}

std::size_t steadiestMoment(const std::vector<float> &sound, int rate)
{
    const std::size_t step = momentStep(rate);
    std::vector<Pitch> pitches;
    for (std::size_t at = 0; at + analysisLength(rate) <= sound.size(); at += step)
        pitches.push_back(pitchAt(sound, rate, at));
    if (pitches.empty())
        return 0;

    std::size_t best = 0;
    double bestScore = HUGE_VAL;
    for (std::size_t first = 0; first + analysesPerSecond <= pitches.size(); ++first) {
        double low = HUGE_VAL, high = 0.0, aperiodicity = 0.0;
        for (std::size_t i = first; i < first + analysesPerSecond; ++i) {
            low = std::min(low, pitches[i].fundamental);
            high = std::max(high, pitches[i].fundamental);
            aperiodicity += pitches[i].aperiodicity / analysesPerSecond;
        }
        // A wandering of 1 % weighs as much as an aperiodicity of 0.01.
        const double score = aperiodicity + (high / low - 1.0);
        if (low > 0.0 && score < bestScore) {
            bestScore = score;
            best = first + analysesPerSecond / 2;
        }
    }
    if (bestScore == HUGE_VAL) {
        for (std::size_t i = 0; i < pitches.size(); ++i)
            if (pitches[i].fundamental > 0.0 &&
                (pitches[best].fundamental <= 0.0 ||
                 pitches[i].aperiodicity < pitches[best].aperiodicity))
                best = i;
    }
    return best * step;
}

std::vector<float> envelope(const std::vector<float> &sound, int buckets)
{
    std::vector<float> peaks(std::size_t(std::max(buckets, 0)), 0.0f);
    if (sound.empty())
        return peaks;
    for (std::size_t i = 0; i < sound.size(); ++i) {
        float &peak = peaks[i * peaks.size() / sound.size()];
        peak = std::max(peak, std::abs(sound[i]));
    }
    return peaks;
}

} // namespace workshop
