#include "modulation/fieldamplitudespecreper.h"

#include "draw/plotpainting.h"
#include "modulation/modulationplot.h"

#include <QPainter>

using draw::toPixel;
using modulationplot::SpectrumLayout;
using modulationplot::spectrumScaleX;

namespace
{

// Label columns are measured from the left edge, without the margin of the lines.
double labelColumn(const SpectrumLayout &l, std::size_t line)
{
    return spectrumScaleX * l.positions[line];
}

void drawText(QPainter &p, double x, double y, const QString &text)
{
    draw::drawCaption(p, toPixel(x), toPixel(y), text);
}

// The fraction A·m over 2 stacked above a side line whose tip is at row `top`.
void drawSideAmplitude(QPainter &p, double x, double top)
{
    drawText(p, x - 8, top - 40, QStringLiteral("A*m"));
    drawText(p, x + 3, top - 30, QString(draw::glyph::emDash));
    drawText(p, x + 4, top - 20, QStringLiteral("2"));
}

} // namespace

fieldAmplitudeSpecReper::fieldAmplitudeSpecReper(QWidget *parent) : QWidget(parent)
{
    modulationplot::setBackground(*this, modulationplot::referenceBackground);
}

void fieldAmplitudeSpecReper::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const SpectrumLayout layout(size(), model, modulationplot::labelHeadroom);
    picture.draw(p, [&](QPainter &layer) {
        modulationplot::drawSpectrumBackdrop(layer, layout, tr("Реперный спектр"));
        drawAmplitudeLabels(layer, layout);
        drawFrequencyLabels(layer, layout);
        modulationplot::drawSpectrumLines(layer, layout, model);
    });
}

void fieldAmplitudeSpecReper::drawAmplitudeLabels(QPainter &p, const SpectrumLayout &l) const
{
    const double sideTop = l.base() - l.frame.scaleY * model.amplitude() * model.depth();
    const double carrierTop = l.base() - l.frame.scaleY * 2 * model.amplitude();
    drawSideAmplitude(p, labelColumn(l, 0), sideTop);
    drawText(p, labelColumn(l, 1) + 4, carrierTop - 20, QStringLiteral("A"));
    drawSideAmplitude(p, labelColumn(l, 2), sideTop);
}

void fieldAmplitudeSpecReper::drawFrequencyLabels(QPainter &p, const SpectrumLayout &l) const
{
    using draw::glyph::capitalOmega;
    using draw::glyph::omega;
    drawText(p, labelColumn(l, 0) - 10, l.base() + 35, capitalOmega + QLatin1Char('-') + omega);
    drawText(p, labelColumn(l, 1) + 5, l.base() + 20, QString(capitalOmega));
    drawText(p, labelColumn(l, 2) - 10, l.base() + 35, capitalOmega + QLatin1Char('+') + omega);
}
