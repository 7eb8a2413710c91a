#pragma once

#include "modulation/modulatedsignal.h"

#include "draw/cachedlayer.h"

#include <QWidget>

class QPainter;
namespace modulationplot
{
struct SpectrumLayout;
}

// The spectrum at the reference parameters, with the true amplitudes and the frequencies of its
// three lines written beside them.
class fieldAmplitudeSpecReper : public QWidget
{
    Q_OBJECT

public:
    explicit fieldAmplitudeSpecReper(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawAmplitudeLabels(QPainter &p, const modulationplot::SpectrumLayout &l) const;
    void drawFrequencyLabels(QPainter &p, const modulationplot::SpectrumLayout &l) const;

    modulatedSignal model;
    draw::CachedLayer picture{*this};
};
