#include "harmonics/fieldspecharmonictrapeze.h"

#include "harmonics/trapezesignal.h"

fieldSpecHarmonicTrapeze::fieldSpecHarmonicTrapeze(QWidget *parent)
    : synthesisSpectrum(trapezeSignal(), AxisRow::FourFifths, parent)
{
}
