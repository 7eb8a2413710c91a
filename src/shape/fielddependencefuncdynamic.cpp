#include "shape/fielddependencefuncdynamic.h"

#include "shape/shapeplot.h"

#include <QPainter>

using namespace shape;

fieldDependenceFuncDynamic::fieldDependenceFuncDynamic(QWidget *parent) : QWidget(parent)
{
    setPalette(QPalette(QColor(255, 255, 230)));
    setAutoFillBackground(true);
}

void fieldDependenceFuncDynamic::periodValueChanged(int v)
{
    if (acceptsPeriod(v, signal.tau1))
        signal.period = v;
    emit periodChanged(static_cast<int>(signal.period));
    update();
}

void fieldDependenceFuncDynamic::reperPeriod()
{
    signal.period = referencePeriod;
    // τ2 ≤ τ1 held before, so only a base cut down to the new period can leave the top too long.
    if (lower(signal.tau1, referencePeriod, &fieldDependenceFuncDynamic::tau1Changed))
        lower(signal.tau2, referencePeriod, &fieldDependenceFuncDynamic::tau2Changed);
    emit periodChanged(referencePeriod);
    update();
}

void fieldDependenceFuncDynamic::tau1ValueChanged(int v)
{
    if (acceptsTau1(v, signal.period, signal.tau2))
        signal.tau1 = v;
    emit tau1Changed(static_cast<int>(signal.tau1));
    update();
}

void fieldDependenceFuncDynamic::repertau1()
{
    signal.tau1 = referenceTau1;
    raise(signal.period, referenceTau1, &fieldDependenceFuncDynamic::periodChanged);
    lower(signal.tau2, referenceTau1, &fieldDependenceFuncDynamic::tau2Changed);
    emit tau1Changed(referenceTau1);
    update();
}

void fieldDependenceFuncDynamic::tau2ValueChanged(int v)
{
    if (acceptsTau2(v, signal.tau1))
        signal.tau2 = v;
    emit tau2Changed(static_cast<int>(signal.tau2));
    update();
}

void fieldDependenceFuncDynamic::repertau2()
{
    signal.tau2 = referenceTau2;
    raise(signal.period, referenceTau2, &fieldDependenceFuncDynamic::periodChanged);
    raise(signal.tau1, referenceTau2, &fieldDependenceFuncDynamic::tau1Changed);
    emit tau2Changed(referenceTau2);
    update();
}

bool fieldDependenceFuncDynamic::raise(double &value, int floor, Announcement announce)
{
    if (value >= floor)
        return false;
    value = floor;
    emit(this->*announce)(floor);
    return true;
}

bool fieldDependenceFuncDynamic::lower(double &value, int ceiling, Announcement announce)
{
    if (value <= ceiling)
        return false;
    value = ceiling;
    emit(this->*announce)(ceiling);
    return true;
}

void fieldDependenceFuncDynamic::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const auto f = draw::PixelFrame::centred(size(), signalScaleX, signalScaleY);
    grid.draw(p, [&](QPainter &layer) {
        layer.setRenderHint(QPainter::Antialiasing);
        drawSignalGrid(layer, f);
    });
    p.setRenderHint(QPainter::Antialiasing);
    drawSignalCaptions(p, f, signal, tr("Сигнал"), signalPens().text);
    drawTrapezoidTrain(p, f, signal);
}
