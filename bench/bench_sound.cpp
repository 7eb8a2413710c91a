// What one second of sound at 48 kHz costs the generator, in the pulse-train states with the
// fewest and the most lines, steady and while a slider is dragged (a new spectrum every 20 ms).
// What one second of microphone input costs the workshop's live analysis: the period found and
// its series taken as often as the microphone updates, for a steady voiced tone and for noise.
// The time per iteration is the share of one core the sound takes.

#include "pulsetrain/pulsetrainsignal.h"
#include "sound/spectrum.h"
#include "sound/tonegenerator.h"
#include "workshop/microphone.h"
#include "workshop/periodfinder.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace
{

constexpr int rate = 48000;
// The player hands the output 5 ms at a time.
constexpr int chunk = 240;

sound::Spectrum train(int period, int length)
{
    pulseTrainSignal s;
    s.setParameters(length, period);
    return sound::harmonicSeries(sound::trainFundamental(period), s.coefficients);
}

void secondOfSound(benchmark::State &state, int period, int length, bool dragged)
{
    const sound::Spectrum steady = train(period, length);
    const sound::Spectrum neighbour = train(period > 1 ? period - 1 : period + 1, length);
    std::vector<std::int16_t> samples(chunk);
    std::size_t lines = 0;
    for (auto _ : state) {
        sound::ToneGenerator g(rate);
        g.setSpectrum(steady);
        for (int done = 0; done < rate; done += chunk) {
            if (dragged && done % 960 == 0)
                g.setSpectrum((done / 960) % 2 ? neighbour : steady);
            g.render(samples.data(), chunk);
            benchmark::DoNotOptimize(samples.data());
        }
        lines = g.audibleLines(steady).size();
    }
    state.counters["lines"] = double(lines);
}

// What the microphone keeps: twice what one analysis reads, of 196 Hz with two overtones or of
// white noise.
std::vector<float> input(bool voiced)
{
    std::vector<float> x(2 * workshop::analysisLength(rate));
    std::mt19937 noise(1);
    std::uniform_real_distribution<float> uniform(-0.5f, 0.5f);
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double phase = 2.0 * M_PI * 196.0 * double(i) / rate;
        x[i] = voiced ? float(0.3 * std::cos(phase) + 0.15 * std::cos(2 * phase + 1.0) +
                              0.07 * std::cos(3 * phase + 2.0))
                      : uniform(noise);
    }
    return x;
}

void secondOfLiveInput(benchmark::State &state, bool voiced)
{
    const std::vector<float> x = input(voiced);
    const std::size_t at = x.size() - workshop::analysisLength(rate);
    for (auto _ : state) {
        for (int update = 0; update < workshop::Microphone::updatesPerSecond; ++update) {
            const workshop::Period p = workshop::periodAt(x, rate, at);
            if (!p.samples.empty())
                benchmark::DoNotOptimize(workshop::seriesOf(p.samples));
            benchmark::DoNotOptimize(p.fundamental);
        }
    }
}

} // namespace

BENCHMARK_CAPTURE(secondOfLiveInput, live_196Hz_voiced, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(secondOfLiveInput, live_noise, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(secondOfSound, train_T1_tau1_constant, 1, 1, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(secondOfSound, train_T2_tau1, 2, 1, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(secondOfSound, train_T14_tau3_reference, 14, 3, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(secondOfSound, train_T25_tau1, 25, 1, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(secondOfSound, train_T25_tau1_dragged, 25, 1, true)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
