#include "draw/signalplot.h"

#include "draw/plotpainting.h"

#include <QLine>
#include <QPainter>

#include <algorithm>

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
    const int captionRow = f.originY + 35;
    // A period's tick past the plot's edge is left out; its caption keeps clear of the edges and
    // of the axis letter "t" at the right, closer to the tick than the plot allows otherwise.
    const int right = toPixel(f.originX + f.scaleX * period);
    const int left = toPixel(f.originX - f.scaleX * period);
    if (right < f.extentX) {
        p.drawLine(QLine(right, f.originY - 4, right, f.originY + 4));
        drawCaption(p, std::min(right - 6, f.extentX - 34), captionRow, QStringLiteral("T"));
    }
    if (left >= 0) {
        p.drawLine(QLine(left, f.originY - 4, left, f.originY + 4));
        drawCaption(p, std::max(left - 14, 2), captionRow, QStringLiteral("-T"));
    }
    drawCaption(p, 10, 30, title);
    drawCaption(p, f.originX + 10, 30, QStringLiteral("F(t)"));
    drawCaption(p, f.extentX - 20, f.originY + 30, QStringLiteral("t"));
}

} // namespace draw
