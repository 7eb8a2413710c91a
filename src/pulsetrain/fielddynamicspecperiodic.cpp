#include "pulsetrain/fielddynamicspecperiodic.h"

#include "pulsetrain/pulsetrainsignal.h"

#include <QPainter>

using namespace pulsetrain;

fieldDynamicSpecPeriodic::fieldDynamicSpecPeriodic(QWidget *parent) : QWidget(parent)
{
    setPalette(QPalette(QColor(255, 255, 240)));
    setAutoFillBackground(true);
}

void fieldDynamicSpecPeriodic::lengthValueChanged(int v)
{
    if (acceptsLength(v, period))
        length = v;
    update();
}

void fieldDynamicSpecPeriodic::periodValueChanged(int v)
{
    if (acceptsPeriod(v, length))
        period = v;
    update();
}

void fieldDynamicSpecPeriodic::reperPeriod()
{
    period = referencePeriod;
    update();
}

void fieldDynamicSpecPeriodic::reperLength()
{
    length = referenceLength;
    update();
}

draw::LineSpectrum fieldDynamicSpecPeriodic::shownSpectrum() const
{
    pulseTrainSignal train;
    train.setParameters(length, period);
    return draw::LineSpectrum::fromCoefficients(train.coefficients, train.frequencyScale);
}

void fieldDynamicSpecPeriodic::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    draw::LineSpectrumLayout layout;
    layout.title = tr("Спектр");
    backdrop.draw(p,
                  [&](QPainter &layer) { draw::drawLineSpectrumBackdrop(layer, size(), layout); });
    draw::drawLineSpectrumLines(p, size(), layout, shownSpectrum());
}
