#pragma once

#include "draw/cachedlayer.h"
#include "draw/linespectrum.h"

#include <QWidget>

// The live line spectrum of the pulse train. It is fed by the sliders directly and keeps the same
// rule as the live signal plot without announcing anything.
class fieldDynamicSpecPeriodic : public QWidget
{
    Q_OBJECT

public:
    explicit fieldDynamicSpecPeriodic(QWidget *parent = nullptr);

    double heldLength() const { return length; }
    double heldPeriod() const { return period; }

public slots:
    void lengthValueChanged(int v);
    void periodValueChanged(int v);
    void reperPeriod();
    void reperLength();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    // Rebuilt from (τ, T) before every paint.
    draw::LineSpectrum spectrum;
    double length = 3.0;
    double period = 14.0;
    draw::CachedLayer backdrop{*this};
};
