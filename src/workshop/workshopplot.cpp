#include "workshop/workshopplot.h"

#include "draw/plotpainting.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPolygon>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <utility>

namespace
{

// The vertical axis' column, as in the spectra.
constexpr int axisColumn = 10;
// Columns either side of a moved vertex whose pixels its two segments may change: one column to
// the next vertex, the pen's half width, the antialiasing, and a column to spare.
constexpr int vertexReach = 4;
// Columns beyond a clip from which the outline is still drawn: enough that the ends of the part
// drawn lie outside the clip, as do the pixels of any segment left out.
constexpr int outlineMargin = 2 * vertexReach;
// Columns from either edge of the plot that hold an axis' arrowhead. A clip through the slanted
// strokes of an arrowhead changes their antialiased pixels, so a redrawn area that reaches into
// these columns takes all of them.
constexpr int arrowReach = 16;

// The constants of the workshop's synthesis and its series as it stands.
class Model : public synthesisModel
{
public:
    explicit Model(std::shared_ptr<const workshop::Series> series)
        : synthesisModel(2.0 * workshopPlot::halfRange, workshopPlot::periodUnits, 1.0,
                         workshop::harmonicCount),
          series(std::move(series))
    {
    }
    double coefficient(int k) const override { return series->term(0.0, k); }

private:
    const std::shared_ptr<const workshop::Series> series;
};

workshop::Series silence()
{
    return {std::vector<double>(workshop::harmonicCount, 0.0),
            std::vector<double>(workshop::harmonicCount, 0.0)};
}

} // namespace

workshopPlot::workshopPlot(QWidget *parent)
    : workshopPlot(std::make_shared<workshop::Series>(silence()), parent)
{
}

workshopPlot::workshopPlot(const std::shared_ptr<workshop::Series> &series, QWidget *parent)
    : synthesisPlot(std::make_unique<Model>(series), {AxisRow::Middle, false, false}, parent),
      series(series), samples(workshop::sampleCount, 0.0)
{
    setCursor(Qt::CrossCursor);
}

void workshopPlot::setSignal(const workshop::Samples &newSamples, const workshop::Series &newSeries)
{
    // A stroke moves a few vertices in every period: only the columns around them are drawn
    // again, not the whole background.
    const draw::PixelFrame f = frame();
    QRegion moved;
    for (int x = f.originX; x <= width(); ++x) {
        if (outlineRow(samples, f, x) == outlineRow(newSamples, f, x))
            continue;
        QRect columns(x - vertexReach, 0, 2 * vertexReach + 1, height());
        if (columns.left() < f.originX + arrowReach) {
            columns.setLeft(0);
            columns.setRight(std::max(columns.right(), f.originX + arrowReach));
        }
        if (columns.right() > width() - arrowReach) {
            columns.setLeft(std::min(columns.left(), width() - arrowReach));
            columns.setRight(width());
        }
        moved += columns;
    }
    samples = newSamples;
    *series = newSeries;
    redrawIdealSignal(moved);
}

double workshopPlot::termAmplitude(int k) const
{
    return series->amplitude.at(std::size_t(k));
}

double workshopPlot::term(double t, int k) const
{
    return series->term(t / periodUnits, k);
}

draw::PixelFrame workshopPlot::frame() const
{
    const int row = height() / 2;
    return draw::PixelFrame::spectrum(size(), axisColumn, row, scaleX, row / halfRange);
}

QPointF workshopPlot::signalPoint(QPoint pixel) const
{
    const draw::PixelFrame f = frame();
    return {(pixel.x() - f.originX) / (f.scaleX * periodUnits), (f.originY - pixel.y()) / f.scaleY};
}

QPoint workshopPlot::pixelOf(double periods, double value) const
{
    const draw::PixelFrame f = frame();
    return {f.x(periods * periodUnits), f.y(value)};
}

void workshopPlot::drawCurve(QPainter &p, const draw::PixelFrame &f,
                             const std::vector<double> *curve, const QPen &pen) const
{
    if (!curve)
        return;
    p.setPen(pen);
    draw::drawCurve(p, f, sampleTimeline(), *curve);
}

int workshopPlot::outlineRow(const workshop::Samples &signal, const draw::PixelFrame &f,
                             int x) const
{
    // One vertex a column, at the sample under its left edge: a jump is a steep segment one
    // column wide, whatever the number of samples under a column.
    const double periods = (x - f.originX) / (f.scaleX * periodUnits);
    const double phase = periods - std::floor(periods);
    const int n = std::min(workshop::sampleCount - 1, int(phase * workshop::sampleCount));
    return f.y(signal[std::size_t(n)]);
}

void workshopPlot::drawIdealSignal(QPainter &p, const draw::PixelFrame &f) const
{
    int first = f.originX;
    int last = width();
    // Within a clip only the part of the outline that can reach it is drawn.
    if (p.hasClipping()) {
        const QRect clip = p.clipBoundingRect().toAlignedRect();
        first = std::max(first, clip.left() - outlineMargin);
        last = std::min(last, clip.right() + outlineMargin);
    }
    QPolygon outline;
    for (int x = first; x <= last; ++x)
        outline << QPoint(x, outlineRow(samples, f, x));
    p.drawPolyline(outline);
}

void workshopPlot::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return synthesisPlot::mousePressEvent(event);
    strokeEnd = signalPoint(event->position().toPoint());
    emit stroked(strokeEnd.x(), strokeEnd.y(), strokeEnd.x(), strokeEnd.y());
}

void workshopPlot::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton))
        return synthesisPlot::mouseMoveEvent(event);
    const QPointF from = std::exchange(strokeEnd, signalPoint(event->position().toPoint()));
    emit stroked(from.x(), from.y(), strokeEnd.x(), strokeEnd.y());
}
