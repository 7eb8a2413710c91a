#include "harmonics/fieldfunc.h"

#include "draw/pixelframe.h"
#include "harmonics/rectanglesignal.h"

#include <QLine>
#include <QPainter>

#include <cmath>

namespace
{

std::vector<double> idealSamplesOf(const rectangleSignal &s, int count)
{
    std::vector<double> samples;
    for (int i = 0; i < count; ++i)
        samples.push_back(s.value(i * s.omega));
    return samples;
}

// Edge c lies a little short of c fundamental steps, so each drawn edge falls just inside the
// true jump.
std::vector<double> edgePositionsOf(double omega, int count)
{
    std::vector<double> positions{0.0};
    for (int c = 1; c < count; ++c)
        positions.push_back(positions.back() + omega - 0.01);
    return positions;
}

} // namespace

FieldFunc::FieldFunc(QWidget *parent)
    : synthesisPlot(std::make_unique<rectangleSignal>(), {AxisRow::Middle, true, false}, parent),
      amplitude(static_cast<int>(signal->amplitude)),
      idealSamples(idealSamplesOf(rectangleSignal(), idealSampleCount)),
      edgePositions(edgePositionsOf(signal->omega, idealSampleCount))
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
    const auto right = [&](int c) {
        return draw::toPixel(f.originX + edgeScaleX * (edgePositions[c] - signal->omega / 2));
    };
    const auto left = [&](int c) {
        return draw::toPixel(f.originX - edgeScaleX * (edgePositions[c] - signal->omega / 2));
    };
    int c = 0;
    for (int i = 0; i + 1 < idealSampleCount; ++i) {
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
