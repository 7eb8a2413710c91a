#pragma once

#include "harmonics/synthesisspectrum.h"

// Spectrum of the triangular pulse train: frequency axis at four fifths of the height.
class fieldSpecHarmonicTriangle : public synthesisSpectrum
{
    Q_OBJECT

public:
    explicit fieldSpecHarmonicTriangle(QWidget *parent = nullptr);
};
