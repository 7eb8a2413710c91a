#pragma once

#include "harmonics/synthesisplot.h"

// Signal plot of the triangular-pulse demonstration: time axis at four fifths of the height.
class fieldFuncHarmonicTriangle : public synthesisPlot
{
    Q_OBJECT

public:
    explicit fieldFuncHarmonicTriangle(QWidget *parent = nullptr);
};
