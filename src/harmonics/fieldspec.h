#pragma once

#include "harmonics/synthesisspectrum.h"

// Spectrum of the rectangular signal: frequency axis 50 pixels below the middle.
class FieldSpec : public synthesisSpectrum
{
    Q_OBJECT

public:
    explicit FieldSpec(QWidget *parent = nullptr);
};
