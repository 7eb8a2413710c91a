#include "harmonics/synthesisspectrum.h"

#include "draw/plotpainting.h"
#include "harmonics/synthesispens.h"

#include <QPainter>

namespace
{

std::vector<double> lineOffsets(std::size_t count, int step)
{
    std::vector<double> offsets{0.0};
    while (offsets.size() < count)
        offsets.push_back(offsets.back() + step);
    return offsets;
}

} // namespace

synthesisSpectrum::synthesisSpectrum(const synthesisModel &model, AxisRow axisRow, QWidget *parent)
    : spectrumSteps(parent), amplitudes(model.coefficients()),
      frequencies(lineOffsets(amplitudes.size(), scaleX)), axisRow(axisRow)
{
    setPalette(QPalette(QColor(255, 255, 230)));
    setAutoFillBackground(true);
}

void synthesisSpectrum::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const int row = axisRow == AxisRow::BelowMiddle ? height() / 2 + 50 : 4 * height() / 5;
    const draw::PixelFrame f = draw::PixelFrame::spectrum(size(), axisColumn, row, scaleX, scaleY);
    backdrop.draw(p, [&](QPainter &layer) {
        layer.setPen(synthesisPens::get().grid);
        draw::drawSpectrumGrid(layer, f, scaleX, scaleY);
        layer.setPen(synthesisPens::get().axis);
        draw::drawVerticalAxis(layer, axisColumn, f.extentY);
        draw::drawHorizontalAxis(layer, f.originY, f.extentX);
        drawCaptions(layer, f);
    });
    drawLines(p, f);
}

int synthesisSpectrum::numberRow() const
{
    return axisRow == AxisRow::BelowMiddle ? 80 : 40;
}

void synthesisSpectrum::drawCaptions(QPainter &p, const draw::PixelFrame &f) const
{
    const int w = width();
    const int y0 = f.originY;
    draw::drawCaption(p, w - 200, 30, tr("Спектр сигнала"));
    draw::drawCaption(p, 20, 30, draw::spectrumAxisCaption());
    draw::drawCaption(p, w - 20, y0 + 20, QString(draw::glyph::omega));
    draw::drawCaption(p, w - 20, y0 + numberRow(), QStringLiteral("N"));
    draw::drawCaption(p, 5, y0 + numberRow(), QStringLiteral("0"));
    for (const std::size_t k : {5u, 10u, 15u}) {
        if (k < frequencies.size())
            draw::drawCaption(p, draw::toPixel(5 + frequencies[k]), y0 + numberRow(),
                              QString::number(k));
    }
    draw::drawFundamentalFraction(p, scaleX, y0 + 30);
}

draw::PlottedLines synthesisSpectrum::plottedLines() const
{
    draw::PlottedLines lines{{QStringLiteral("value")}, {}};
    for (std::size_t k = 0; k < amplitudes.size(); ++k)
        lines.lines.push_back({int(k), frequencies[k] / scaleX, {amplitudes[k]}});
    return lines;
}

void synthesisSpectrum::drawLines(QPainter &p, const draw::PixelFrame &f) const
{
    // Without antialiasing a highlighted line covers its black twin exactly, so each line is
    // drawn once in its final colours.
    for (const draw::PlottedLine &line : plottedLines().lines) {
        const int x = f.x(line.frequency);
        const bool shown = line.number < highlightedLines();
        draw::drawSpectralLine(p, x, f.originY, f.y(line.values[0]),
                               shown ? synthesisPens::get().shownLine : synthesisPens::get().line,
                               shown ? synthesisPens::get().shownDisc : synthesisPens::get().disc);
    }
}
