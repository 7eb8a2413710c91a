// What one second of sound at 48 kHz costs the generator, in the pulse-train states with the
// fewest and the most lines, steady and while a slider is dragged (a new spectrum every 20 ms).
// The time per iteration is the share of one core the sound takes.

#include "pulsetrain/pulsetrainsignal.h"
#include "sound/spectrum.h"
#include "sound/tonegenerator.h"

#include <benchmark/benchmark.h>

#include <cstdint>
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

} // namespace

BENCHMARK_CAPTURE(secondOfSound, train_T1_tau1_constant, 1, 1, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(secondOfSound, train_T2_tau1, 2, 1, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(secondOfSound, train_T14_tau3_reference, 14, 3, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(secondOfSound, train_T25_tau1, 25, 1, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(secondOfSound, train_T25_tau1_dragged, 25, 1, true)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
