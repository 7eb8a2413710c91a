#include "draw/signalplot.h"

#include "draw/plotpainting.h"

#include <QLine>
#include <QPainter>

namespace draw
{

void drawSignalGridAndAxes(QPainter &p, const PixelFrame &f, const QPen &gridPen,
                           const QPen &axisPen)
{
    p.setPen(gridPen);
    drawMirroredGrid(p, f, static_cast<int>(f.scaleX), static_cast<int>(f.scaleY));
    p.setPen(axisPen);
    drawVerticalAxis(p, f.originX, f.extentY);
    drawHorizontalAxis(p, f.originY, f.extentX);
}

void drawSignalCaptions(QPainter &p, const PixelFrame &f, double period, const QString &title)
{
    const double halfPeriod = f.scaleX * period * 0.5;
    const double right = f.originX + halfPeriod;
    const double left = f.originX - halfPeriod;
    const int captionRow = f.originY + 35;
    drawCaption(p, toPixel(right - 6), captionRow, QStringLiteral("T"));
    drawCaption(p, toPixel(left - 14), captionRow, QStringLiteral("-T"));
    p.drawLine(QLine(toPixel(right), f.originY - 4, toPixel(right), f.originY + 4));
    p.drawLine(QLine(toPixel(left), f.originY - 4, toPixel(left), f.originY + 4));
    drawCaption(p, 10, 30, title);
    drawCaption(p, f.originX + 10, 30, QStringLiteral("F(t)"));
    drawCaption(p, f.extentX - 20, f.originY + 30, QStringLiteral("t"));
}

} // namespace draw
