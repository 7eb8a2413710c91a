#include "pulsetrain/fieldreperfuncperiodic.h"

#include "pulsetrain/pulsetrainplot.h"
#include "pulsetrain/pulsetrainsignal.h"

#include <QPainter>

using namespace pulsetrain;

fieldReperFuncPeriodic::fieldReperFuncPeriodic(QWidget *parent) : QWidget(parent)
{
    setPalette(QPalette(QColor(240, 255, 240)));
    setAutoFillBackground(true);
}

void fieldReperFuncPeriodic::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int axisRow = 3 * height() / 4;
    const auto f = draw::PixelFrame::withAxisRow(size(), axisRow, signalScaleX, signalScaleY);
    picture.draw(p, [&](QPainter &layer) {
        paintPulseTrain(layer, f, tr("Реперный сигнал"), referenceLength, referencePeriod);
    });
}
