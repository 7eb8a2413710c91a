#pragma once

#include "draw/pixelframe.h"
#include "draw/plottedlines.h"
#include "modulation/modulatedsignal.h"

#include <QColor>
#include <QPen>
#include <QSize>
#include <QString>

#include <array>
#include <vector>

class QPainter;
class QWidget;

// Painting shared by the live and the reference plots of the modulated signal: the reference
// pictures are the live ones at the reference parameters, with their own captions (and labels on
// the spectrum).
namespace modulationplot
{

inline const QColor liveBackground(255, 255, 230);
inline const QColor referenceBackground(240, 255, 240);

// Pixels per unit, also the grid steps.
constexpr int signalScaleX = 30;
constexpr int signalScaleY = 15;
constexpr int spectrumScaleX = 60;
constexpr int spectrumScaleY = 15;

// Rows kept free above a spectrum's tallest line: for its dot, and on the reference spectrum for
// the amplitude label "A" over the carrier. A plot too low for them draws its lines shorter.
constexpr int dotHeadroom = 6;
constexpr int labelHeadroom = 40;

// Column of time 0 and of the lowest frequency shown.
constexpr int leftMargin = 10;
// Frequency at the left margin of the spectrum plots.
constexpr double frequencyOffset = 3.0;

struct Pens {
    QPen gridPen;
    QPen axisPen;
    QPen curvePen;
    QPen linePen;
    QPen dotPen;
};
const Pens &pens();

// Palette generated from one colour, filled behind the plot.
void setBackground(QWidget &w, const QColor &colour);

// Grid, time axis, caption at (10, 20) and 30 time units of the curve, positive values below
// the axis. A plot too low for the curve's largest swing between the caption and the bottom edge
// at signalScaleY draws the curve at the largest scale that fits.
void paintSignal(QPainter &p, QSize size, const modulatedSignal &s, const QString &caption);
// The same in two steps: grid, axis and caption, which only the size moves, then the curve.
void paintSignalBackdrop(QPainter &p, QSize size, const QString &caption);
void paintSignalCurve(QPainter &p, QSize size, const modulatedSignal &s);

// Where a spectrum puts its frequency axis and its three lines: spectrumScaleY pixels per unit,
// or fewer where the tallest line would leave less than `headroom` rows above it.
struct SpectrumLayout {
    SpectrumLayout(QSize size, const modulatedSignal &s, int headroom);

    QSize size;
    draw::PixelFrame frame;
    // Frequencies of the lower side, carrier and upper side lines, less the offset.
    std::array<double, 3> positions;

    int base() const { return frame.originY; }
};

// Grid, frequency axis with arrowhead, caption near the right edge and the axis letter.
void drawSpectrumBackdrop(QPainter &p, const SpectrumLayout &l, const QString &caption);
// The lines in order lower side, carrier, upper side, numbered −1, 0, 1 (the line at ωN + n·ωM),
// at their frequencies, their heights the values; at ωM = 0, where the side lines coincide with
// the carrier, one line 0 of their summed height A(1 + m).
std::vector<draw::PlottedLine> spectrumLines(const modulatedSignal &s);
// Those lines, each topped by its dot.
void drawSpectrumLines(QPainter &p, const SpectrumLayout &l, const modulatedSignal &s);

} // namespace modulationplot
