#include "shape/fielddependencefuncreper.h"

#include "draw/plotpainting.h"
#include "shape/shapeplot.h"

#include <QLine>
#include <QPainter>

using namespace shape;

namespace
{

// A dimension line at row y between two times, with arrowheads pointing outwards to both ends.
void drawDimension(QPainter &p, const draw::PixelFrame &f, double halfWidth, int y)
{
    const double left = f.originX - f.scaleX * halfWidth;
    const double right = f.originX + f.scaleX * halfWidth;
    const int l = draw::toPixel(left), r = draw::toPixel(right);
    const int lHead = draw::toPixel(left + 10), rHead = draw::toPixel(right - 10);
    p.drawLine(QLine(r, y, l, y));
    p.drawLine(QLine(l, y, lHead, y + 5));
    p.drawLine(QLine(l, y, lHead, y - 5));
    p.drawLine(QLine(r, y, rHead, y + 5));
    p.drawLine(QLine(r, y, rHead, y - 5));
}

QString tauCaption(char index)
{
    return QString(draw::glyph::tau) + QLatin1Char(index);
}

} // namespace

fieldDependenceFuncReper::fieldDependenceFuncReper(QWidget *parent) : QWidget(parent)
{
    setPalette(QPalette(QColor(240, 255, 240)));
    setAutoFillBackground(true);
}

void fieldDependenceFuncReper::drawDimensionMarks(QPainter &p, const draw::PixelFrame &f) const
{
    const int top = f.y(signal.amplitude);
    p.setPen(signalPens().referenceText);
    draw::drawCaption(p, f.originX - 9, f.originY + 40, tauCaption('1'));
    p.setPen(signalPens().dimension);
    drawDimension(p, f, signal.tau1 / 2, f.originY + 20);
    draw::drawCaption(p, f.originX - 9, top - 20, tauCaption('2'));
    drawDimension(p, f, signal.tau2 / 2, top - 10);
}

void fieldDependenceFuncReper::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const auto f =
        draw::PixelFrame::withAxisRow(size(), 3 * height() / 4, signalScaleX, signalScaleY);
    picture.draw(p, [&](QPainter &layer) {
        layer.setRenderHint(QPainter::Antialiasing);
        drawSignalBackdrop(layer, f, signal, tr("Реперный сигнал"), signalPens().referenceText);
        drawDimensionMarks(layer, f);
        drawTrapezoidTrain(layer, f, signal);
    });
}
