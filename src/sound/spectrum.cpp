#include "sound/spectrum.h"

#include <cmath>
#include <cstdlib>
#include <map>
#include <numeric>

namespace sound
{

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
    Spectrum s;
    s.fundamental = fundamental > 0.0 ? fundamental : 0.0;
    for (std::size_t k = 1; k < amplitudes.size(); ++k)
        if (amplitudes[k] != 0.0 && std::isfinite(amplitudes[k]))
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
