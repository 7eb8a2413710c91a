#include "pulsetrain/fielddynamicfuncperiodic.h"

#include "pulsetrain/pulsetrainplot.h"
#include "pulsetrain/pulsetrainsignal.h"

#include <QPainter>

using namespace pulsetrain;

fieldDynamicFuncPeriodic::fieldDynamicFuncPeriodic(QWidget *parent) : QWidget(parent)
{
    setPalette(QPalette(QColor(255, 255, 240)));
    setAutoFillBackground(true);
}

void fieldDynamicFuncPeriodic::lengthValueChanged(int v)
{
    if (acceptsLength(v, period))
        length = v;
    emit lengthChanged(static_cast<int>(length));
    update();
}

void fieldDynamicFuncPeriodic::periodValueChanged(int v)
{
    if (acceptsPeriod(v, length))
        period = v;
    emit periodChanged(static_cast<int>(period));
    update();
}

void fieldDynamicFuncPeriodic::reperPeriod()
{
    period = referencePeriod;
    if (length > referencePeriod) {
        length = referencePeriod;
        emit lengthChanged(referencePeriod);
    }
    emit periodChanged(referencePeriod);
    update();
}

void fieldDynamicFuncPeriodic::reperLength()
{
    length = referenceLength;
    if (period < referenceLength) {
        period = referenceLength;
        emit periodChanged(referenceLength);
    }
    emit lengthChanged(referenceLength);
    update();
}

void fieldDynamicFuncPeriodic::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const auto f = draw::PixelFrame::centred(size(), signalScaleX, signalScaleY);
    grid.draw(p, [&](QPainter &layer) { paintPulseTrainGrid(layer, f); });
    paintPulseTrainSignal(p, f, tr("Сигнал"), length, period);
}
