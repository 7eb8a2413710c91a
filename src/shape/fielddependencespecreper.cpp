#include "shape/fielddependencespecreper.h"

#include "shape/shapeplot.h"

#include <QPainter>

fieldDependenceSpecReper::fieldDependenceSpecReper(QWidget *parent) : QWidget(parent)
{
    setPalette(QPalette(QColor(240, 255, 240)));
    setAutoFillBackground(true);
    signal.computeCoefficients();
    spectrum = draw::LineSpectrum::fromCoefficients(signal.coefficients, signal.frequencyScale);
}

void fieldDependenceSpecReper::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    draw::LineSpectrumLayout layout = shape::liveSpectrumLayout(tr("Реперный спектр"));
    layout.axisRowNumerator = 3;
    layout.axisRowDenominator = 4;
    // The vertical axis ends at the even height while the grid still runs to twice the axis row.
    layout.axisEndsAtEvenHeight = true;
    picture.draw(p,
                 [&](QPainter &layer) { draw::drawLineSpectrum(layer, size(), layout, spectrum); });
}
