#pragma once

#include "draw/cachedlayer.h"
#include "draw/linespectrum.h"
#include "shape/dependencesignal.h"

#include <QWidget>

// The live line spectrum of the trapezoid train. It stores what the live signal plot announces
// and checks nothing: it never hears a refused value.
class fieldDependenceSpecDynamic : public QWidget, public draw::SpectrumPlot
{
    Q_OBJECT

public:
    explicit fieldDependenceSpecDynamic(QWidget *parent = nullptr);

    const dependenceSignal &parameters() const { return signal; }
    // The lines drawn, from (T, τ1, τ2): harmonic n at n·π/T in units of the reference
    // fundamental π/16, its scaled coefficient as height.
    draw::LineSpectrum shownSpectrum() const;
    draw::PlottedLines plottedLines() const override { return shownSpectrum().plotted(); }

public slots:
    void periodValueChanged(int v);
    void tau1ValueChanged(int v);
    void tau2ValueChanged(int v);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    dependenceSignal signal;
    draw::CachedLayer backdrop{*this};
};
