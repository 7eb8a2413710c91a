#include "pulsetrain/pulsetrainplot.h"

#include "draw/plotpainting.h"
#include "draw/signalplot.h"
#include "pulsetrain/pulsetrainsignal.h"

#include <QLine>
#include <QPainter>

namespace pulsetrain
{

namespace
{

struct SignalPens {
    QPen grid = draw::makePen(draw::gridColour, 1.0, Qt::FlatCap);
    QPen axis = draw::makePen(Qt::black, 3.0, Qt::FlatCap);
    QPen text = draw::makePen(Qt::black, 3.0, Qt::RoundCap);
    QPen signal = draw::makePen(Qt::blue, 3.0, Qt::RoundCap);
};

const SignalPens &pens()
{
    static const SignalPens table;
    return table;
}

void drawPulses(QPainter &p, const draw::PixelFrame &f, const pulseTrainSignal &s)
{
    const int top = f.y(s.amplitude);
    const int axis = f.originY;
    const bool hasEdges = s.length != s.period;
    double d = -s.length / 2;
    for (int k = 0; k < s.harmonicCount; ++k, d += s.period) {
        const int rise = f.x(d), fall = f.x(d + s.length), next = f.x(d + s.period);
        const int mRise = f.mirrorX(d), mFall = f.mirrorX(d + s.length),
                  mNext = f.mirrorX(d + s.period);
        p.drawLine(QLine(rise, top, fall, top));
        p.drawLine(QLine(fall, axis, next, axis));
        p.drawLine(QLine(mRise, top, mFall, top));
        p.drawLine(QLine(mFall, axis, mNext, axis));
        if (hasEdges) {
            p.drawLine(QLine(fall, top, fall, axis));
            p.drawLine(QLine(next, axis, next, top));
            p.drawLine(QLine(mFall, top, mFall, axis));
            p.drawLine(QLine(mNext, axis, mNext, top));
        }
    }
}

} // namespace

void paintPulseTrain(QPainter &p, const draw::PixelFrame &f, const QString &title, double length,
                     double period)
{
    paintPulseTrainGrid(p, f);
    paintPulseTrainSignal(p, f, title, length, period);
}

void paintPulseTrainGrid(QPainter &p, const draw::PixelFrame &f)
{
    draw::drawSignalGridAndAxes(p, f, pens().grid, pens().axis);
}

void paintPulseTrainSignal(QPainter &p, const draw::PixelFrame &f, const QString &title,
                           double length, double period)
{
    pulseTrainSignal train;
    train.setParameters(length, period);
    p.setPen(pens().text);
    draw::drawSignalCaptions(p, f, period, title);
    p.setPen(pens().signal);
    drawPulses(p, f, train);
}

} // namespace pulsetrain
