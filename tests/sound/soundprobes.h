#pragma once

#include <QLayout>
#include <QTest>
#include <QWidget>

#include <cmath>
#include <complex>
#include <cstdint>
#include <vector>

namespace soundprobes
{

constexpr int rate = 48000;

// Shows a window at `size` with its layout settled first (the offscreen platform cannot take a
// new minimum size afterwards); a hidden window never sounds.
inline bool show(QWidget &window, QSize size)
{
    window.resize(size);
    window.ensurePolished();
    window.layout()->activate();
    window.show();
    return QTest::qWaitForWindowExposed(&window);
}
constexpr double twoPi = 6.283185307179586;

// The complex amplitude (real part: the cosine's) of frequency f in x, whose sample 0 is sample
// `offset` of the sound, through a four-term Blackman-Harris window.
template <typename T>
std::complex<double> toneAt(const std::vector<T> &x, double f, std::int64_t offset = 0)
{
    static std::vector<double> window;
    if (window.size() != x.size()) {
        window.resize(x.size());
        for (std::size_t i = 0; i < x.size(); ++i) {
            const double u = twoPi * static_cast<double>(i) / static_cast<double>(x.size());
            window[i] = 0.35875 - 0.48829 * std::cos(u) + 0.14128 * std::cos(2 * u) -
                        0.01168 * std::cos(3 * u);
        }
    }
    const double step = twoPi * f / rate;
    const std::complex<double> turn = std::polar(1.0, step);
    std::complex<double> sum, phasor;
    double weights = 0.0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (i % 1024 == 0) // set from the exact phase now and then
            phasor = std::polar(1.0, std::fmod(step * double(offset + std::int64_t(i)), twoPi));
        sum += window[i] * double(x[i]) * phasor;
        weights += window[i];
        phasor *= turn;
    }
    return 2.0 * sum / weights;
}

} // namespace soundprobes
