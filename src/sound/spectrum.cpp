#include "sound/spectrum.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <map>
#include <numeric>

namespace sound
{

namespace
{
constexpr double roundingFloor = 1e-9;
} // namespace

bool Spectrum::isSilent() const
{
    if (!(fundamental > 0.0))
        return true;
    for (const Line &l : lines)
        if (l.harmonic > 0 && l.amplitude != 0.0)
            return false;
    return true;
}

Spectrum harmonicSeries(double fundamental, const std::vector<double> &amplitudes)
{
    // A line this far below the largest term (the constant included) is what rounding leaves of
    // a zero, as in a train whose pulses fill the period; normalised, it would sound at full peak.
    double largest = 0.0;
    for (const double a : amplitudes)
        if (std::isfinite(a))
            largest = std::max(largest, std::abs(a));
    Spectrum s;
    s.fundamental = fundamental > 0.0 ? fundamental : 0.0;
    for (std::size_t k = 1; k < amplitudes.size(); ++k)
        if (std::isfinite(amplitudes[k]) && std::abs(amplitudes[k]) > roundingFloor * largest)
            s.lines.push_back({static_cast<int>(k), amplitudes[k]});
    return s;
}

double trainFundamental(double period)
{
    return period > 0.0 ? synthesisFundamental * trainReferencePeriod / period : 0.0;
}

Spectrum modulation(double amplitude, double depth, double omegaM, double omegaN)
{
    const long carrier = std::lround(omegaN * hertzPerModulationUnit);
    const long beat = std::lround(omegaM * hertzPerModulationUnit);
    if (carrier <= 0)
        return {};
    // The lines are harmonics of the largest frequency that divides them all, so that the sound
    // has a period the generator can measure its peak over.
    const long base = std::gcd(carrier, std::labs(beat));
    std::map<long, double> lines;
    lines[carrier] += amplitude;
    for (const long f : {carrier - beat, carrier + beat})
        if (f > 0)
            lines[f] += amplitude * depth / 2;
    Spectrum s;
    s.fundamental = static_cast<double>(base);
    for (const auto &[f, a] : lines)
        if (a != 0.0)
            s.lines.push_back({static_cast<int>(f / base), a});
    return s;
}

} // namespace sound
