#pragma once

#include "draw/cachedlayer.h"
#include "draw/plottedlines.h"
#include "harmonics/spectrumsteps.h"
#include "workshop/periodicsignal.h"

#include <QPoint>

class QPainter;

// The workshop's line spectra, one above the other: the amplitudes A_k, and below them the phases
// φ_k in units of π from −1 to 1, k = 0 … 49, the lines of the harmonics added so far
// highlighted as in the synthesis spectra. Dragging the top of an amplitude line edits that
// amplitude; the plot reports it and shows what it is given next.
class workshopSpectrum : public spectrumSteps, public draw::SpectrumPlot
{
    Q_OBJECT

public:
    explicit workshopSpectrum(QWidget *parent = nullptr);

    void setSeries(const workshop::Series &series);
    const workshop::Series &shownSeries() const { return series; }
    // Line k at k times the fundamental, its amplitude A_k and its phase φ_k in units of π; a
    // line without a phase to show (k = 0, or A_k = 0) has phase 0.
    draw::PlottedLines plottedLines() const override;

    // The geometry the picture and the mouse share, at the plot's current size.
    int lineX(int k) const;
    int amplitudeRow() const; // the frequency axis of the amplitudes
    int phaseRow() const;     // and of the phases, at φ = 0
    QPoint amplitudeTip(int k) const;
    // Pixels per unit of amplitude and per π of phase.
    double amplitudeScale() const;
    double phaseScale() const;

    // How near the top of a line a press must be to take it, in pixels.
    static constexpr int grip = 12;

signals:
    // Amplitude k dragged to `value` (never below zero but for the mean, A_0).
    void amplitudeEdited(int k, double value);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void drawBackdrop(QPainter &p) const;
    void drawLines(QPainter &p) const;
    double amplitudeAt(int k, int y) const;

    workshop::Series series;
    int dragged = -1; // the line being dragged
    // Grids, axes and captions: only the lines change.
    draw::CachedLayer backdrop{*this};
};
