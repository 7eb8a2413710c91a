#pragma once

#include "draw/plottedlines.h"

#include <QSize>
#include <QString>

#include <vector>

class QPainter;

// The line spectrum of a pulse train: one red line per harmonic from the frequency axis to its
// signed height, a dark-blue disc at the tip, the vertical axis at column 10, the first harmonic
// ticked and named 2π/T. The live and reference spectra of every pulse-train demonstration are
// this one drawing with another axis row, title and caption offset.
namespace draw
{

// The tables a spectrum is drawn from: the scaled coefficient of harmonic n and its place on the
// frequency axis, in units of the reference fundamental.
struct LineSpectrum {
    std::vector<double> amplitudes;
    std::vector<double> frequencies;
    double frequencyStep = 0.0;

    // Places are summed harmonic by harmonic (entry n = entry n − 1 + step), so far harmonics
    // carry the rounding of the sum rather than of n · step.
    static LineSpectrum fromCoefficients(const std::vector<double> &coefficients,
                                         double frequencyStep);
    // Line n as drawn: numbered n, at its place, its scaled coefficient its value.
    PlottedLines plotted() const;
};

struct LineSpectrumLayout {
    // The frequency axis lies at (numerator · h) / denominator of the widget height h.
    int axisRowNumerator = 2;
    int axisRowDenominator = 3;
    // Rows from the frequency axis down to the base line of "2π" under the first tick.
    int fractionRowOffset = 25;
    // The vertical axis ends at 2·(h/2) instead of twice the axis row.
    bool axisEndsAtEvenHeight = false;
    QString title;
    int scaleX = 20;
    int scaleY = 15;

    int axisRow(QSize size) const;
};

// Paints axes, grid, captions and every line of `spectrum` on a widget of the given size.
void drawLineSpectrum(QPainter &p, QSize size, const LineSpectrumLayout &layout,
                      const LineSpectrum &spectrum);
// The same picture in two steps: the axes and the grid, which only the size and layout move,
// then the first harmonic's mark, the captions and the lines.
void drawLineSpectrumBackdrop(QPainter &p, QSize size, const LineSpectrumLayout &layout);
void drawLineSpectrumLines(QPainter &p, QSize size, const LineSpectrumLayout &layout,
                           const LineSpectrum &spectrum);

} // namespace draw
