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
    if (v >= signal.tau1)
        signal.period = v;
    emit periodChanged(static_cast<int>(signal.period));
    update();
}

void fieldDependenceFuncDynamic::reperPeriod()
{
    signal.period = referencePeriod;
    if (signal.tau1 > referencePeriod) {
        signal.tau1 = referencePeriod;
        emit tau1Changed(referencePeriod);
        if (signal.tau2 > referencePeriod) {
            signal.tau2 = referencePeriod;
            emit tau2Changed(referencePeriod);
        }
    }
    emit periodChanged(referencePeriod);
    update();
}

void fieldDependenceFuncDynamic::tau1ValueChanged(int v)
{
    if (v <= signal.period && v >= signal.tau2 && !(v == 0 && signal.tau2 == 0))
        signal.tau1 = v;
    emit tau1Changed(static_cast<int>(signal.tau1));
    update();
}

void fieldDependenceFuncDynamic::repertau1()
{
    signal.tau1 = referenceTau1;
    if (signal.period < referenceTau1) {
        signal.period = referenceTau1;
        emit periodChanged(referenceTau1);
    }
    if (signal.tau2 > referenceTau1) {
        signal.tau2 = referenceTau1;
        emit tau2Changed(referenceTau1);
    }
    emit tau1Changed(referenceTau1);
    update();
}

void fieldDependenceFuncDynamic::tau2ValueChanged(int v)
{
    // A negative top is refused as well: it would let τ1, and after it T, reach 0.
    if (v <= signal.tau1 && v >= 0)
        signal.tau2 = v;
    emit tau2Changed(static_cast<int>(signal.tau2));
    update();
}

void fieldDependenceFuncDynamic::repertau2()
{
    signal.tau2 = referenceTau2;
    if (signal.period < referenceTau2) {
        signal.period = referenceTau2;
        emit periodChanged(referenceTau2);
    }
    if (signal.tau1 < referenceTau2) {
        signal.tau1 = referenceTau2;
        emit tau1Changed(referenceTau2);
    }
    emit tau2Changed(referenceTau2);
    update();
}

void fieldDependenceFuncDynamic::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const auto f = draw::PixelFrame::centred(size(), signalScaleX, signalScaleY);
    drawSignalBackdrop(p, f, signal, tr("Сигнал"), signalPens().text);
    drawTrapezoidTrain(p, f, signal);
}
