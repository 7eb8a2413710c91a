#pragma once

#include "harmonics/synthesisspectrum.h"

// Spectrum of the trapezoidal pulse train: frequency axis at four fifths of the height, the
// lines of negative coefficients pointing down.
class fieldSpecHarmonicTrapeze : public synthesisSpectrum
{
    Q_OBJECT

public:
    explicit fieldSpecHarmonicTrapeze(QWidget *parent = nullptr);
};
