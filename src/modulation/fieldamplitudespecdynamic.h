#pragma once

#include "modulation/modulatedsignal.h"

#include "draw/cachedlayer.h"
#include "draw/plottedlines.h"

#include <QWidget>

// The live spectrum plot. Each parameter arrives as its integer part, which replaces the value,
// followed by its hundredths, which are added to it.
class fieldAmplitudeSpecDynamic : public QWidget, public draw::SpectrumPlot
{
    Q_OBJECT

public:
    explicit fieldAmplitudeSpecDynamic(QWidget *parent = nullptr);

    const modulatedSignal &signalModel() const { return model; }
    // The model with its line heights following its depth: what the plot draws.
    modulatedSignal shownSignal() const;
    // Frequencies in the units of ωN and ωM.
    draw::PlottedLines plottedLines() const override;

public slots:
    void mValueChanged(int k);
    void omegaNValueChanged(int k);
    void omegaMValueChanged(int k);
    void mxValueChanged(int x);
    void omegaNxValueChanged(int x);
    void omegaMxValueChanged(int x);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    modulatedSignal model;
    draw::CachedLayer backdrop{*this};
};
