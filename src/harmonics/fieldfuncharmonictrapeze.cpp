#include "harmonics/fieldfuncharmonictrapeze.h"

#include "harmonics/trapezesignal.h"

fieldFuncHarmonicTrapeze::fieldFuncHarmonicTrapeze(QWidget *parent)
    : synthesisPlot(std::make_unique<trapezeSignal>(), {AxisRow::FourFifths, false, true}, parent)
{
}
