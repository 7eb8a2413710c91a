#pragma once

#include <array>

// The amplitude-modulated signal f(t) = A·(1 + m·cos ωM·t)·cos ωN·t and the heights of its three
// spectral lines (lower side, carrier, upper side), drawn at `gain` times their true amplitude.
// Starts at the reference parameters of the demonstration.
class modulatedSignal
{
public:
    static constexpr double referenceDepth = 0.5;
    static constexpr double referenceOmegaM = 0.75;
    static constexpr double referenceOmegaN = 7.5;

    modulatedSignal();

    void setDepth(double m) { depth_ = m; }
    void setOmegaM(double w) { omegaM_ = w; }
    void setOmegaN(double w) { omegaN_ = w; }

    // Line heights follow the depth only when this is called.
    void computeLines();
    double value(double t) const;

    double amplitude() const { return amplitude_; }
    double depth() const { return depth_; }
    double omegaM() const { return omegaM_; }
    double omegaN() const { return omegaN_; }
    const std::array<double, 3> &lines() const { return lines_; }
    double gain() const { return gain_; }

private:
    double amplitude_ = 5.0;
    double depth_ = referenceDepth;
    double omegaM_ = referenceOmegaM;
    double omegaN_ = referenceOmegaN;
    std::array<double, 3> lines_{};
    double gain_ = 2.0;
};
