#pragma once

#include "harmonics/synthesisplot.h"

// Signal plot of the trapezoidal-pulse demonstration: time axis at four fifths of the height,
// and "Просуммировать" repaints at once rather than on the next frame.
class fieldFuncHarmonicTrapeze : public synthesisPlot
{
    Q_OBJECT

public:
    explicit fieldFuncHarmonicTrapeze(QWidget *parent = nullptr);
};
