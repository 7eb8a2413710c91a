#include "modulation/modulationplot.h"

#include "draw/plotpainting.h"

#include <QLine>
#include <QPainter>
#include <QPalette>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <vector>

namespace modulationplot
{

namespace
{

constexpr int curveSegments = 3000;
constexpr double timeStep = 0.01;

void drawCurve(QPainter &p, const draw::PixelFrame &f, const modulatedSignal &s)
{
    // Values are added to the axis row, so positive values lie below the time axis. Each point
    // is computed once; each segment is still stroked and blended on its own, in order.
    const auto point = [&](double t) {
        return QPoint(f.x(t), draw::toPixel(s.value(t) * f.scaleY + f.originY));
    };
    std::vector<QLine> segments(curveSegments);
    QPoint from = point(0.0);
    double t = 0.0;
    for (QLine &segment : segments) {
        t += timeStep;
        segment = QLine(from, point(t));
        from = segment.p2();
    }
    p.drawLines(segments.data(), curveSegments);
}

draw::PixelFrame signalFrame(QSize size)
{
    return draw::PixelFrame::spectrum(size, leftMargin, size.height() / 2, signalScaleX,
                                      signalScaleY);
}

// The signal's caption ends this far below the top edge (its baseline is at 20); the curve keeps
// clear of it by half its pen.
constexpr double captionBottom = 25.0;
constexpr double halfCurvePen = 1.5;

// Pixels per unit: the fixed scale, or the largest at which `swing` units take at most `room`
// pixels.
double fittedScale(double fixedScale, double room, double swing)
{
    return swing > 0.0 ? std::clamp(room / swing, 0.0, fixedScale) : fixedScale;
}

// The tallest of the spectrum's lines, in units; at ωM = 0 the one line of their sum.
double tallestLine(const modulatedSignal &s)
{
    const auto &lines = s.lines();
    return s.omegaM() == 0.0 ? lines[0] + lines[1] + lines[2]
                             : *std::max_element(lines.cbegin(), lines.cend());
}

} // namespace

const Pens &pens()
{
    static const Pens table{
        draw::makePen(draw::gridColour, 1.0, Qt::FlatCap),
        draw::makePen(Qt::black, 3.0, Qt::FlatCap),
        draw::makePen(Qt::darkBlue, 3.0, Qt::FlatCap),
        draw::makePen(Qt::red, 5.0, Qt::FlatCap),
        draw::makePen(Qt::darkBlue, 10.0, Qt::RoundCap),
    };
    return table;
}

void setBackground(QWidget &w, const QColor &colour)
{
    w.setPalette(QPalette(colour));
    w.setAutoFillBackground(true);
}

void paintSignal(QPainter &p, QSize size, const modulatedSignal &s, const QString &caption)
{
    paintSignalBackdrop(p, size, caption);
    paintSignalCurve(p, size, s);
}

void paintSignalBackdrop(QPainter &p, QSize size, const QString &caption)
{
    const int mid = size.height() / 2;
    const auto f = signalFrame(size);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(pens().gridPen);
    draw::drawSpectrumGrid(p, f, signalScaleX, signalScaleY);
    p.setPen(pens().axisPen);
    draw::drawHorizontalAxis(p, mid, size.width());
    draw::drawCaption(p, 10, 20, caption);
}

void paintSignalCurve(QPainter &p, QSize size, const modulatedSignal &s)
{
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(pens().curvePen);
    draw::PixelFrame f = signalFrame(size);
    f.scaleY = fittedScale(signalScaleY, f.originY - captionBottom - halfCurvePen,
                           s.amplitude() * (1.0 + std::abs(s.depth())));
    drawCurve(p, f, s);
}

SpectrumLayout::SpectrumLayout(QSize size, const modulatedSignal &s, int headroom)
    : size(size), frame(draw::PixelFrame::spectrum(size, leftMargin, 3 * size.height() / 4,
                                                   spectrumScaleX, spectrumScaleY)),
      positions{(s.omegaN() - s.omegaM()) - frequencyOffset, s.omegaN() - frequencyOffset,
                (s.omegaN() + s.omegaM()) - frequencyOffset}
{
    frame.scaleY = fittedScale(spectrumScaleY, frame.originY - headroom, tallestLine(s));
}

void drawSpectrumBackdrop(QPainter &p, const SpectrumLayout &l, const QString &caption)
{
    const int w = l.size.width();
    p.setPen(pens().gridPen);
    draw::drawSpectrumGrid(p, l.frame, spectrumScaleX, spectrumScaleY);
    p.setPen(pens().axisPen);
    draw::drawHorizontalAxis(p, l.base(), w);
    draw::drawCaption(p, w - 200, 30, caption);
    draw::drawCaption(p, w - 30, l.base() + 30, QString(draw::glyph::omega));
}

std::vector<draw::PlottedLine> spectrumLines(const modulatedSignal &s)
{
    const auto &lines = s.lines();
    if (s.omegaM() == 0.0) {
        // The side lines coincide with the carrier: the one line there has the three amplitudes'
        // sum, A(1 + m), the amplitude of the plain carrier the signal then is.
        return {{0, s.omegaN(), {lines[0] + lines[1] + lines[2]}}};
    }
    return {{-1, s.omegaN() - s.omegaM(), {lines[0]}},
            {0, s.omegaN(), {lines[1]}},
            {1, s.omegaN() + s.omegaM(), {lines[2]}}};
}

void drawSpectrumLines(QPainter &p, const SpectrumLayout &l, const modulatedSignal &s)
{
    for (const draw::PlottedLine &line : spectrumLines(s))
        draw::drawSpectralLine(p, l.frame.x(line.frequency - frequencyOffset), l.base(),
                               l.frame.y(line.values[0]), pens().linePen, pens().dotPen);
}

} // namespace modulationplot
