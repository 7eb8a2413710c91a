#pragma once

#include "draw/cachedlayer.h"
#include "draw/linespectrum.h"

#include <QWidget>

// The live line spectrum of the pulse train. It is fed by the sliders directly and keeps the same
// rule as the live signal plot without announcing anything.
class fieldDynamicSpecPeriodic : public QWidget, public draw::SpectrumPlot
{
    Q_OBJECT

public:
    explicit fieldDynamicSpecPeriodic(QWidget *parent = nullptr);

    double heldLength() const { return length; }
    double heldPeriod() const { return period; }
    // The lines drawn, from (τ, T): harmonic n at n·2π/T in units of the reference fundamental
    // 2π/14, its scaled coefficient as height.
    draw::LineSpectrum shownSpectrum() const;
    draw::PlottedLines plottedLines() const override { return shownSpectrum().plotted(); }

public slots:
    void lengthValueChanged(int v);
    void periodValueChanged(int v);
    void reperPeriod();
    void reperLength();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double length = 3.0;
    double period = 14.0;
    draw::CachedLayer backdrop{*this};
};
