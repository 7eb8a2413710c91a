#include "harmonics/fieldspec.h"

#include "harmonics/rectanglesignal.h"

FieldSpec::FieldSpec(QWidget *parent)
    : synthesisSpectrum(rectangleSignal(), AxisRow::BelowMiddle, parent)
{
}
