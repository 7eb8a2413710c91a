#pragma once

// Bringing a plot to a state through its own slots, in an order its rules accept from any state.

#include "modulation/fieldamplitudefundynamic.h"
#include "modulation/fieldamplitudespecdynamic.h"

namespace drive
{
// `summed` harmonics added and summed, then, when `alone`, the next one added on its own.
template <typename P> void synthesis(P &plot, int summed, bool alone)
{
    for (int k = 0; k < summed; ++k) {
        plot.addHarmonic();
        plot.getSum();
    }
    if (alone)
        plot.addHarmonic();
}

// (T, τ), the period widened first so that no request is refused.
template <typename P> void pulses(P &plot, int period, int length)
{
    plot.periodValueChanged(25);
    plot.lengthValueChanged(length);
    plot.periodValueChanged(period);
}

// (T, τ1, τ2), likewise.
template <typename P> void trapezoids(P &plot, int period, int tau1, int tau2)
{
    plot.periodValueChanged(20);
    plot.tau2ValueChanged(0);
    plot.tau1ValueChanged(tau1);
    plot.tau2ValueChanged(tau2);
    plot.periodValueChanged(period);
}

// Depth, ωM and ωN in hundredths, as the sliders give them.
inline void modulation(fieldAmplitudeFunDynamic &plot, int depth, int omegaM, int omegaN)
{
    plot.mValueChanged(depth);
    plot.omegaMValueChanged(omegaM);
    plot.omegaNValueChanged(omegaN);
}

// The spectrum hears integer parts and hundredths apart, as its window sends them.
inline void modulation(fieldAmplitudeSpecDynamic &plot, int depth, int omegaM, int omegaN)
{
    plot.mValueChanged(depth / 100);
    plot.mxValueChanged(depth % 100);
    plot.omegaMValueChanged(omegaM / 100);
    plot.omegaMxValueChanged(omegaM % 100);
    plot.omegaNValueChanged(omegaN / 100);
    plot.omegaNxValueChanged(omegaN % 100);
}
} // namespace drive
