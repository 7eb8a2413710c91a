#include "shape/fielddependencespecdynamic.h"

#include "shape/shapeplot.h"

#include <QPainter>

fieldDependenceSpecDynamic::fieldDependenceSpecDynamic(QWidget *parent) : QWidget(parent)
{
    setPalette(QPalette(QColor(255, 255, 230)));
    setAutoFillBackground(true);
    refresh();
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

void fieldDependenceSpecDynamic::refresh()
{
    signal.computeCoefficients();
    spectrum = draw::LineSpectrum::fromCoefficients(signal.coefficients, signal.frequencyScale);
}

void fieldDependenceSpecDynamic::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    refresh();
    const draw::LineSpectrumLayout layout = shape::liveSpectrumLayout(tr("Спектр"));
    backdrop.draw(p,
                  [&](QPainter &layer) { draw::drawLineSpectrumBackdrop(layer, size(), layout); });
    draw::drawLineSpectrumLines(p, size(), layout, spectrum);
}
