#pragma once

#include <vector>

namespace synthesis
{
// π and 2π as the demonstrations have always written them.
constexpr double pi = 3.141592653589793;
constexpr double twoPi = 6.283185307179586;
} // namespace synthesis

// What the models of the three synthesis demonstrations share: the ideal signal's height and
// period, the number of harmonics handled, and the Fourier coefficients scaled for display.
// A plain class: no widget, no signals.
class synthesisModel
{
public:
    virtual ~synthesisModel() = default;

    // Unscaled Fourier cosine coefficient of harmonic k.
    virtual double coefficient(int k) const = 0;
    // Term k of the cosine series at time t: coefficient(k) · cos(2πkt/T).
    double harmonicValue(double t, int k) const;
    // gain · coefficient(k) for k = 0 … harmonicCount − 1.
    const std::vector<double> &coefficients() const { return table; }

    // A vertex of the ideal signal's outline: time from the start of a period, and value.
    struct OutlinePoint {
        double time;
        double value;
    };
    // The ideal signal over one period, from t = 0 to t = T, as joined vertices; empty for a
    // signal that is not drawn from its outline.
    virtual std::vector<OutlinePoint> outline() const { return {}; }

    const double amplitude;
    const double period;
    const int harmonicCount;
    const double omega;
    const double gain;

protected:
    synthesisModel(double amplitude, double period, double gain, int harmonicCount = 20);

    // Fills the table; the concrete model calls it once its own parameters are set.
    void tabulate();

private:
    std::vector<double> table;
};
