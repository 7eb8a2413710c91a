#pragma once

#include "draw/linespectrum.h"
#include "draw/pixelframe.h"

#include <QPen>
#include <QString>

class QPainter;
class dependenceSignal;

namespace shape
{

// Pixels per time unit and per amplitude unit of both signal plots.
constexpr int signalScaleX = 15;
constexpr int signalScaleY = 15;

struct SignalPens {
    QPen grid;
    QPen thinAxis;
    QPen text;
    QPen signal;
    QPen referenceText;
    QPen dimension;
};
const SignalPens &signalPens();

// Grid, thin axes, and the captions drawn in `textPen`.
void drawSignalBackdrop(QPainter &p, const draw::PixelFrame &f, const dependenceSignal &s,
                        const QString &title, const QPen &textPen);
// The same in two steps: what only the size moves, then what the period moves.
void drawSignalGrid(QPainter &p, const draw::PixelFrame &f);
void drawSignalCaptions(QPainter &p, const draw::PixelFrame &f, const dependenceSignal &s,
                        const QString &title, const QPen &textPen);

// The trapezoid train, 200 periods either side of t = 0 (the painter clips what lies beyond the
// widget). When τ1 = τ2 = T the pulses close up into one level line across the plot.
void drawTrapezoidTrain(QPainter &p, const draw::PixelFrame &f, const dependenceSignal &s);

// Both spectra of this demonstration set the 2π/T caption five rows lower than the pulse train's.
draw::LineSpectrumLayout liveSpectrumLayout(const QString &title);

} // namespace shape
