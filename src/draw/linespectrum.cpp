#include "draw/linespectrum.h"

#include "draw/plotpainting.h"

#include <QLine>
#include <QPainter>

#include <algorithm>

namespace draw
{

namespace
{

constexpr int axisColumn = 10;
constexpr int titleInset = 200;

struct SpectrumPens {
    QPen grid = makePen(gridColour, 1.0, Qt::FlatCap);
    QPen axis = makePen(Qt::black, 3.0, Qt::FlatCap);
    QPen line = makePen(Qt::red, 3.0, Qt::FlatCap);
    QPen dot = makePen(Qt::darkBlue, 10.0, Qt::RoundCap);
};

const SpectrumPens &pens()
{
    static const SpectrumPens table;
    return table;
}

void drawFirstHarmonicMark(QPainter &p, const PixelFrame &f, const LineSpectrumLayout &layout,
                           double frequencyStep)
{
    const int tick = f.x(frequencyStep);
    p.drawLine(QLine(tick, f.originY - 4, tick, f.originY + 4));
    // The fraction is placed from the widget's left edge, not from the axis column.
    drawFundamentalFraction(p, toPixel(layout.scaleX * frequencyStep),
                            f.originY + layout.fractionRowOffset);
}

void drawCaptions(QPainter &p, const PixelFrame &f, const LineSpectrumLayout &layout)
{
    drawCaption(p, f.extentX - titleInset, 30, layout.title);
    drawCaption(p, 20, 30, spectrumAxisCaption());
    drawCaption(p, f.extentX - 30, f.originY + 30, QString(glyph::omega));
}

void drawLines(QPainter &p, const PixelFrame &f, const LineSpectrum &spectrum)
{
    const std::size_t n = std::min(spectrum.amplitudes.size(), spectrum.frequencies.size());
    for (std::size_t i = 0; i < n; ++i)
        drawSpectralLine(p, f.x(spectrum.frequencies[i]), f.originY, f.y(spectrum.amplitudes[i]),
                         pens().line, pens().dot);
}

PixelFrame frameOf(QSize size, const LineSpectrumLayout &layout)
{
    return PixelFrame::spectrum(size, axisColumn, layout.axisRow(size), layout.scaleX,
                                layout.scaleY);
}

} // namespace

LineSpectrum LineSpectrum::fromCoefficients(const std::vector<double> &coefficients,
                                            double frequencyStep)
{
    LineSpectrum s{coefficients, std::vector<double>(coefficients.size(), 0.0), frequencyStep};
    for (std::size_t n = 1; n < s.frequencies.size(); ++n)
        s.frequencies[n] = s.frequencies[n - 1] + frequencyStep;
    return s;
}

PlottedLines LineSpectrum::plotted() const
{
    PlottedLines plotted{{QStringLiteral("value")}, {}};
    const std::size_t n = std::min(amplitudes.size(), frequencies.size());
    for (std::size_t i = 0; i < n; ++i)
        plotted.lines.push_back({int(i), frequencies[i], {amplitudes[i]}});
    return plotted;
}

int LineSpectrumLayout::axisRow(QSize size) const
{
    return axisRowNumerator * size.height() / axisRowDenominator;
}

void drawLineSpectrum(QPainter &p, QSize size, const LineSpectrumLayout &layout,
                      const LineSpectrum &spectrum)
{
    drawLineSpectrumBackdrop(p, size, layout);
    drawLineSpectrumLines(p, size, layout, spectrum);
}

void drawLineSpectrumBackdrop(QPainter &p, QSize size, const LineSpectrumLayout &layout)
{
    const PixelFrame f = frameOf(size, layout);
    const int axisBottom = layout.axisEndsAtEvenHeight ? 2 * (size.height() / 2) : f.extentY;
    p.setPen(pens().axis);
    drawVerticalAxis(p, axisColumn, axisBottom);
    p.setPen(pens().grid);
    drawSpectrumGrid(p, f, layout.scaleX, layout.scaleY);
    p.setPen(pens().axis);
    drawHorizontalAxis(p, f.originY, f.extentX);
}

void drawLineSpectrumLines(QPainter &p, QSize size, const LineSpectrumLayout &layout,
                           const LineSpectrum &spectrum)
{
    const PixelFrame f = frameOf(size, layout);
    p.setPen(pens().axis);
    drawFirstHarmonicMark(p, f, layout, spectrum.frequencyStep);
    drawCaptions(p, f, layout);
    drawLines(p, f, spectrum);
}

} // namespace draw
