#include "shape/fielddependencespecdynamic.h"

#include "shape/shapeplot.h"

#include <QPainter>

fieldDependenceSpecDynamic::fieldDependenceSpecDynamic(QWidget *parent) : QWidget(parent)
{
    setPalette(QPalette(QColor(255, 255, 230)));
    setAutoFillBackground(true);
}

void fieldDependenceSpecDynamic::periodValueChanged(int v)
{
    signal.period = v;
    update();
}

void fieldDependenceSpecDynamic::tau1ValueChanged(int v)
{
    signal.tau1 = v;
    update();
}

void fieldDependenceSpecDynamic::tau2ValueChanged(int v)
{
    signal.tau2 = v;
    update();
}

draw::LineSpectrum fieldDependenceSpecDynamic::shownSpectrum() const
{
    dependenceSignal shown = signal;
    shown.computeCoefficients();
    return draw::LineSpectrum::fromCoefficients(shown.coefficients, shown.frequencyScale);
}

void fieldDependenceSpecDynamic::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const draw::LineSpectrumLayout layout = shape::liveSpectrumLayout(tr("Спектр"));
    backdrop.draw(p,
                  [&](QPainter &layer) { draw::drawLineSpectrumBackdrop(layer, size(), layout); });
    draw::drawLineSpectrumLines(p, size(), layout, shownSpectrum());
}
