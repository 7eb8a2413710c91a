#include "harmonics/fieldfuncharmonictriangle.h"

#include "harmonics/trianglesignal.h"

fieldFuncHarmonicTriangle::fieldFuncHarmonicTriangle(QWidget *parent)
    : synthesisPlot(std::make_unique<triangleSignal>(), {AxisRow::FourFifths, false, false}, parent)
{
}
