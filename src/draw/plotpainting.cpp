#include "draw/plotpainting.h"

#include <QLine>
#include <QPainter>

#include <algorithm>

namespace draw
{

QPen makePen(const QColor &colour, double width, Qt::PenCapStyle cap)
{
    return QPen(QBrush(colour), width, Qt::SolidLine, cap, Qt::BevelJoin);
}

void drawMirroredGrid(QPainter &p, const PixelFrame &f, int stepX, int stepY)
{
    if (stepX > 0) {
        for (int x = f.originX; x < f.extentX; x += stepX) {
            p.drawLine(QLine(x, 0, x, f.extentY));
            p.drawLine(QLine(f.extentX - x, 0, f.extentX - x, f.extentY));
        }
    }
    if (stepY > 0) {
        for (int y = f.originY; y < f.extentY; y += stepY) {
            p.drawLine(QLine(0, y, f.extentX, y));
            p.drawLine(QLine(0, f.extentY - y, f.extentX, f.extentY - y));
        }
    }
}

void drawSpectrumGrid(QPainter &p, const PixelFrame &f, int stepX, int stepY)
{
    if (stepX > 0) {
        for (int x = stepX; x < f.extentX; x += stepX)
            p.drawLine(QLine(f.originX + x, 0, f.originX + x, f.extentY));
    }
    if (stepY > 0) {
        for (int y = f.originY; y < f.extentY; y += stepY) {
            p.drawLine(QLine(0, y, f.extentX, y));
            p.drawLine(QLine(0, f.extentY - y, f.extentX, f.extentY - y));
        }
    }
}

void drawVerticalAxis(QPainter &p, int x, int bottom)
{
    p.drawLine(QLine(x, 0, x, bottom));
    p.drawLine(QLine(x, 0, x + 5, 10));
    p.drawLine(QLine(x, 0, x - 5, 10));
}

void drawHorizontalAxis(QPainter &p, int y, int right)
{
    p.drawLine(QLine(0, y, right, y));
    p.drawLine(QLine(right - 1, y, right - 10, y - 5));
    p.drawLine(QLine(right - 1, y, right - 10, y + 5));
}

void drawCaption(QPainter &p, int x, int y, const QString &text)
{
    p.drawText(QPointF(x, y), text);
}

void drawFundamentalFraction(QPainter &p, int x, int y)
{
    drawCaption(p, x - 2, y, QStringLiteral("2") + glyph::pi);
    drawCaption(p, x + 2, y + 10, QString(glyph::emDash));
    drawCaption(p, x + 4, y + 25, QStringLiteral("T"));
}

QString spectrumAxisCaption()
{
    return QStringLiteral("S(") + glyph::omega + QLatin1Char(')');
}

void drawSpectralLine(QPainter &p, int x, int axisRow, int tipRow, const QPen &linePen,
                      const QPen &discPen)
{
    p.setPen(linePen);
    p.drawLine(QLine(x, axisRow, x, tipRow));
    p.setPen(discPen);
    p.drawPoint(x, tipRow);
}

namespace
{

void drawSegments(QPainter &p, const PixelFrame &f, const std::vector<double> &times,
                  const std::vector<double> &samples, bool mirrored)
{
    // One call for the whole curve; each segment is still stroked and blended on its own, in
    // the order of separate calls, so overlapping segments darken exactly as before.
    const std::size_t n = std::min(times.size(), samples.size());
    std::vector<QLine> segments;
    segments.reserve(2 * n);
    for (std::size_t i = 1; i < n; ++i) {
        const int y1 = f.y(samples[i]);
        const int y0 = f.y(samples[i - 1]);
        segments.emplace_back(f.x(times[i]), y1, f.x(times[i - 1]), y0);
        if (mirrored)
            segments.emplace_back(f.mirrorX(times[i]), y1, f.mirrorX(times[i - 1]), y0);
    }
    p.drawLines(segments.data(), int(segments.size()));
}

} // namespace

void drawCurve(QPainter &p, const PixelFrame &f, const std::vector<double> &times,
               const std::vector<double> &samples)
{
    drawSegments(p, f, times, samples, false);
}

void drawMirroredCurve(QPainter &p, const PixelFrame &f, const std::vector<double> &times,
                       const std::vector<double> &samples)
{
    drawSegments(p, f, times, samples, true);
}

} // namespace draw
