#include "harmonics/fieldfunc.h"

#include "draw/pixelframe.h"
#include "harmonics/rectanglesignal.h"

#include <QLine>
#include <QPainter>

#include <cmath>

namespace
{

// The ideal wave's samples, one fundamental step apart, and the positions of its drawn edges:
// edge c lies a little short of c fundamental steps, so each drawn edge falls just inside the
// true jump. Samples are added while the last edge they reach, placed `edgeScale` pixels per
// unit, lies less than `reach` pixels from the vertical axis.
struct IdealWave {
    std::vector<double> samples;
    std::vector<double> edgePositions;
};

IdealWave idealWaveOf(const rectangleSignal &s, int count, double edgeScale, double reach)
{
    IdealWave w;
    int edges = 0;
    for (int i = 0; i < count || edgeScale * (w.edgePositions[edges] - s.omega / 2) <= reach; ++i) {
        w.samples.push_back(s.value(i * s.omega));
        w.edgePositions.push_back(i == 0 ? 0.0 : w.edgePositions.back() + s.omega - 0.01);
        edges += i > 0 && w.samples[i] == -w.samples[i - 1];
    }
    return w;
}

} // namespace

FieldFunc::FieldFunc(QWidget *parent)
    : synthesisPlot(std::make_unique<rectangleSignal>(), {AxisRow::Middle, true, false}, parent),
      amplitude(static_cast<int>(signal->amplitude))
{
}

double FieldFunc::term(double t, int n) const
{
    if (n == 0 || n % 2 == 0)
        return 0.0;
    const double sign = ((n - 1) / 2) % 2 == 0 ? 1.0 : -1.0;
    return sign * 2 * amplitude / (synthesis::pi * n) * std::cos(synthesis::twoPi * n * t / period);
}

void FieldFunc::drawIdealSignal(QPainter &p, const draw::PixelFrame &f) const
{
    // The last edge lies a few pixels beyond both sides of the plot (the right one is never
    // further from the axis than the left).
    const IdealWave wave =
        idealWaveOf(rectangleSignal(), idealSampleCount, edgeScaleX, f.originX + 4.0);
    const std::vector<double> &idealSamples = wave.samples;
    const std::vector<double> &edgePositions = wave.edgePositions;
    const int count = static_cast<int>(idealSamples.size());
    const auto right = [&](int c) {
        return draw::toPixel(f.originX + edgeScaleX * (edgePositions[c] - signal->omega / 2));
    };
    const auto left = [&](int c) {
        return draw::toPixel(f.originX - edgeScaleX * (edgePositions[c] - signal->omega / 2));
    };
    int c = 0;
    for (int i = 0; i + 1 < count; ++i) {
        const int y = f.y(idealSamples[i]);
        const int nextY = f.y(idealSamples[i + 1]);
        if (idealSamples[i + 1] == -idealSamples[i]) {
            ++c;
            p.drawLine(QLine(right(c - 1), y, right(c), y));
            p.drawLine(QLine(left(c - 1), y, left(c), y));
        }
        p.drawPoint(right(c), y);
        p.drawPoint(left(c), y);
        p.drawLine(QLine(right(c), y, right(c), nextY));
        p.drawLine(QLine(left(c), y, left(c), nextY));
    }
}
