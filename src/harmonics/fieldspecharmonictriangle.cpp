#include "harmonics/fieldspecharmonictriangle.h"

#include "harmonics/trianglesignal.h"

fieldSpecHarmonicTriangle::fieldSpecHarmonicTriangle(QWidget *parent)
    : synthesisSpectrum(triangleSignal(), AxisRow::FourFifths, parent)
{
}
