#pragma once

#include "draw/cachedlayer.h"
#include "draw/pixelframe.h"
#include "draw/plottedlines.h"
#include "harmonics/spectrumsteps.h"
#include "harmonics/synthesismodel.h"

#include <vector>

class QPainter;

// The line spectrum under a synthesis demonstration: one signed line per harmonic, and the
// lines of the harmonics added so far highlighted in magenta with a red disc. The concrete
// plot supplies the heights (its model's scaled coefficients) and the row of its axis.
class synthesisSpectrum : public spectrumSteps, public draw::SpectrumPlot
{
    Q_OBJECT

public:
    // Harmonic k at k times the fundamental 2π/T, the model's scaled coefficient its height.
    draw::PlottedLines plottedLines() const override;

    // Row of the frequency axis: 50 pixels below the middle with the harmonic numbers 80 pixels
    // under it, or four fifths of the height down with the numbers 40 pixels under it.
    enum class AxisRow { BelowMiddle, FourFifths };

protected:
    // The line heights are the model's scaled coefficients.
    synthesisSpectrum(const synthesisModel &model, AxisRow axisRow, QWidget *parent);

    void paintEvent(QPaintEvent *event) override;

private:
    void drawCaptions(QPainter &p, const draw::PixelFrame &f) const;
    void drawLines(QPainter &p, const draw::PixelFrame &f) const;
    int numberRow() const;

    static constexpr int axisColumn = 10;
    static constexpr int scaleX = 50; // pixels between neighbouring lines
    static constexpr int scaleY = 20; // pixels per value unit

    const std::vector<double> amplitudes;
    // Pixels from the vertical axis to each line.
    const std::vector<double> frequencies;
    const AxisRow axisRow;
    // Grid, axes and captions: only the highlighting of the lines changes.
    draw::CachedLayer backdrop{*this};
};
