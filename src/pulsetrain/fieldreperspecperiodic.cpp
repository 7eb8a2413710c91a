#include "pulsetrain/fieldreperspecperiodic.h"

#include "pulsetrain/pulsetrainsignal.h"

#include <QPainter>

using namespace pulsetrain;

fieldReperSpecPeriodic::fieldReperSpecPeriodic(QWidget *parent) : QWidget(parent)
{
    setPalette(QPalette(QColor(240, 255, 240)));
    setAutoFillBackground(true);

    pulseTrainSignal train;
    train.setParameters(referenceLength, referencePeriod);
    spectrum = draw::LineSpectrum::fromCoefficients(train.coefficients, train.frequencyScale);
}

void fieldReperSpecPeriodic::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    draw::LineSpectrumLayout layout;
    layout.axisRowNumerator = 3;
    layout.axisRowDenominator = 4;
    layout.title = tr("Реперный спектр");
    picture.draw(p,
                 [&](QPainter &layer) { draw::drawLineSpectrum(layer, size(), layout, spectrum); });
}
