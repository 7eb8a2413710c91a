#pragma once

#include "harmonics/synthesisplot.h"

#include <vector>

// Signal plot of the rectangular-signal demonstration: time axis in the middle, the harmonic
// drawn in red before the first sum, and the ideal wave drawn from samples one fundamental step
// apart with its edges where the lecture has always shown them: twenty samples, and more on a
// plot so wide that the last drawn edge would fall inside it.
class FieldFunc : public synthesisPlot
{
    Q_OBJECT

public:
    explicit FieldFunc(QWidget *parent = nullptr);

protected:
    double term(double t, int n) const override;
    void drawIdealSignal(QPainter &p, const draw::PixelFrame &f) const override;

private:
    static constexpr int idealSampleCount = 20;
    // Pixels per time unit of the drawn edges, twice the curves' scale.
    static constexpr int edgeScaleX = 100;

    const int amplitude;
};
