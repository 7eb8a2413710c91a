#include "shape/shapeplot.h"

#include "draw/plotpainting.h"
#include "draw/signalplot.h"
#include "shape/dependencesignal.h"

#include <QLine>
#include <QPainter>

namespace shape
{

const SignalPens &signalPens()
{
    static const SignalPens table{
        draw::makePen(draw::gridColour, 1.0, Qt::FlatCap),
        draw::makePen(Qt::black, 1.0, Qt::SquareCap),
        draw::makePen(Qt::black, 3.0, Qt::SquareCap),
        draw::makePen(Qt::darkBlue, 3.0, Qt::FlatCap),
        draw::makePen(Qt::black, 3.0, Qt::RoundCap),
        draw::makePen(Qt::black, 2.0, Qt::SquareCap),
    };
    return table;
}

draw::LineSpectrumLayout liveSpectrumLayout(const QString &title)
{
    draw::LineSpectrumLayout layout;
    layout.fractionRowOffset = 30;
    layout.title = title;
    return layout;
}

void drawSignalBackdrop(QPainter &p, const draw::PixelFrame &f, const dependenceSignal &s,
                        const QString &title, const QPen &textPen)
{
    drawSignalGrid(p, f);
    drawSignalCaptions(p, f, s, title, textPen);
}

void drawSignalGrid(QPainter &p, const draw::PixelFrame &f)
{
    draw::drawSignalGridAndAxes(p, f, signalPens().grid, signalPens().thinAxis);
}

void drawSignalCaptions(QPainter &p, const draw::PixelFrame &f, const dependenceSignal &s,
                        const QString &title, const QPen &textPen)
{
    p.setPen(textPen);
    draw::drawSignalCaptions(p, f, s.period, title);
}

namespace
{

// One period's outline from the centre of a pulse at time c to the centre of the next, drawn
// with x mapped by `x` (the frame's own mapping or its mirror image).
template <typename MapX>
void drawPeriod(QPainter &p, MapX x, int top, int axis, double c, const dependenceSignal &s)
{
    const double a = s.tau1 / 2;
    const double b = s.tau2 / 2;
    const double T = s.period;
    p.drawLine(QLine(x(c), top, x(c + b), top));
    p.drawLine(QLine(x(c + b), top, x(c + a), axis));
    p.drawLine(QLine(x(c + a), axis, x(c + T - a), axis));
    p.drawLine(QLine(x(c + T - a), axis, x(c + T - b), top));
    p.drawLine(QLine(x(c + T - b), top, x(c + T), top));
}

} // namespace

void drawTrapezoidTrain(QPainter &p, const draw::PixelFrame &f, const dependenceSignal &s)
{
    const int top = f.y(s.amplitude);
    p.setPen(signalPens().signal);
    if (s.tau1 == s.tau2 && s.tau1 == s.period) {
        p.drawLine(QLine(0, top, f.extentX, top));
        return;
    }
    const auto right = [&f](double t) { return f.x(t); };
    const auto left = [&f](double t) { return f.mirrorX(t); };
    double c = 0.0;
    for (int k = 0; k < s.harmonicCount; ++k, c += s.period) {
        drawPeriod(p, right, top, f.originY, c, s);
        drawPeriod(p, left, top, f.originY, c, s);
    }
}

} // namespace shape
