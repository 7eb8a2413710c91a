#pragma once

#include "draw/cachedlayer.h"
#include "draw/linespectrum.h"

#include <QWidget>

// The reference line spectrum (T = 14, τ = 3), computed once by the constructor.
class fieldReperSpecPeriodic : public QWidget
{
    Q_OBJECT

public:
    explicit fieldReperSpecPeriodic(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    draw::LineSpectrum spectrum;
    draw::CachedLayer picture{*this};
};
