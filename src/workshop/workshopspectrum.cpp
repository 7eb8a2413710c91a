#include "workshop/workshopspectrum.h"

#include "draw/plotpainting.h"
#include "harmonics/synthesismodel.h"
#include "harmonics/synthesispens.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace
{

constexpr int axisColumn = 10;
// Rows kept free: above the highest line for the captions, below the amplitudes' axis for the
// harmonic numbers.
constexpr int captionRows = 30;
constexpr int numberRows = 40;
// The amplitude axis reaches this many signal units.
constexpr double amplitudeRange = 2.0;
// The harmonic numbers written under the axis.
constexpr int numberStep = 10;

// The mean and a missing harmonic have no phase to show.
bool hasPhase(int k, double amplitude)
{
    return k > 0 && amplitude != 0.0;
}

} // namespace

workshopSpectrum::workshopSpectrum(QWidget *parent) : spectrumSteps(parent)
{
    series.amplitude.assign(workshop::harmonicCount, 0.0);
    series.phase.assign(workshop::harmonicCount, 0.0);
    setPalette(QPalette(QColor(255, 255, 230)));
    setAutoFillBackground(true);
    setCursor(Qt::SizeVerCursor);
}

void workshopSpectrum::setSeries(const workshop::Series &s)
{
    series = s;
    update();
}

int workshopSpectrum::lineX(int k) const
{
    const int spacing = std::max(1, (width() - 2 * axisColumn) / (workshop::harmonicCount + 1));
    return axisColumn + spacing * (k + 1);
}

int workshopSpectrum::amplitudeRow() const
{
    return height() / 2 - numberRows;
}

int workshopSpectrum::phaseRow() const
{
    return height() / 2 + (height() - height() / 2) / 2;
}

double workshopSpectrum::amplitudeScale() const
{
    return (amplitudeRow() - captionRows) / amplitudeRange;
}

double workshopSpectrum::phaseScale() const
{
    return phaseRow() - height() / 2 - captionRows;
}

QPoint workshopSpectrum::amplitudeTip(int k) const
{
    return {lineX(k),
            draw::toPixel(amplitudeRow() - series.amplitude.at(std::size_t(k)) * amplitudeScale())};
}

void workshopSpectrum::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    backdrop.draw(p, [&](QPainter &layer) { drawBackdrop(layer); });
    drawLines(p);
}

void workshopSpectrum::drawBackdrop(QPainter &p) const
{
    const int w = width();
    const int half = height() / 2;
    const synthesisPens &pens = synthesisPens::get();
    const int gridStep = lineX(numberStep) - lineX(0);
    // The amplitudes above, the phases below, each a spectrum of its own with the ground split
    // between them.
    struct Panel {
        int top, bottom, row;
        double rowStep; // a grid row for half a unit of amplitude, a quarter of π of phase
        QString axis, title;
    };
    const Panel panels[] = {
        {0, half, amplitudeRow(), amplitudeScale() / 2, QStringLiteral("A"),
         tr("Амплитуды гармоник")},
        {half, height(), phaseRow(), phaseScale() / 4, QStringLiteral("φ/π"), tr("Фазы гармоник")},
    };
    for (const Panel &panel : panels) {
        p.save();
        p.setClipRect(0, panel.top, w, panel.bottom - panel.top);
        p.setPen(pens.grid);
        for (int x = lineX(0); x < w; x += gridStep)
            p.drawLine(x, panel.top, x, panel.bottom);
        for (int i = -8; i <= 8; ++i) {
            const int y = draw::toPixel(panel.row - i * panel.rowStep);
            p.drawLine(0, y, w, y);
        }
        p.setPen(pens.axis);
        p.translate(0, panel.top);
        draw::drawVerticalAxis(p, axisColumn, panel.bottom - panel.top);
        draw::drawHorizontalAxis(p, panel.row - panel.top, w);
        draw::drawCaption(p, 20, captionRows - 5, panel.axis);
        draw::drawCaption(p, w - 280, captionRows - 5, panel.title);
        p.restore();
    }
    for (int k = 0; k < workshop::harmonicCount; k += numberStep)
        draw::drawCaption(p, lineX(k) - 6, amplitudeRow() + 28, QString::number(k));
    draw::drawCaption(p, w - 20, amplitudeRow() + 28, QStringLiteral("k"));
    for (const int sign : {1, -1})
        draw::drawCaption(p, w - 30, draw::toPixel(phaseRow() - sign * phaseScale()) + 6,
                          QString::number(sign));
}

draw::PlottedLines workshopSpectrum::plottedLines() const
{
    draw::PlottedLines lines{{QStringLiteral("amplitude"), QStringLiteral("phase")}, {}};
    for (int k = 0; k < workshop::harmonicCount; ++k) {
        const auto i = std::size_t(k);
        const double amplitude = series.amplitude[i];
        lines.lines.push_back(
            {k,
             double(k),
             {amplitude, hasPhase(k, amplitude) ? series.phase[i] / synthesis::pi : 0.0}});
    }
    return lines;
}

void workshopSpectrum::drawLines(QPainter &p) const
{
    const synthesisPens &pens = synthesisPens::get();
    const int half = height() / 2;
    for (const draw::PlottedLine &l : plottedLines().lines) {
        const int k = l.number;
        const bool shown = k < highlightedLines();
        const QPen &line = shown ? pens.shownLine : pens.line;
        const QPen &disc = shown ? pens.shownDisc : pens.disc;
        const int x = lineX(k);
        p.save();
        p.setClipRect(0, 0, width(), half);
        draw::drawSpectralLine(p, x, amplitudeRow(), amplitudeTip(k).y(), line, disc);
        p.restore();
        if (!hasPhase(k, l.values[0]))
            continue;
        const int tip = draw::toPixel(phaseRow() - l.values[1] * phaseScale());
        draw::drawSpectralLine(p, x, phaseRow(), tip, line, disc);
    }
}

double workshopSpectrum::amplitudeAt(int k, int y) const
{
    const double value = (amplitudeRow() - y) / amplitudeScale();
    return k == 0 ? value : std::max(0.0, value);
}

void workshopSpectrum::mousePressEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const int spacing = lineX(1) - lineX(0);
    const int k = int(std::lround(double(at.x() - lineX(0)) / spacing));
    if (event->button() != Qt::LeftButton || k < 0 || k >= workshop::harmonicCount ||
        std::abs(at.x() - lineX(k)) > grip || std::abs(at.y() - amplitudeTip(k).y()) > grip)
        return spectrumSteps::mousePressEvent(event);
    dragged = k;
}

void workshopSpectrum::mouseMoveEvent(QMouseEvent *event)
{
    if (dragged < 0)
        return spectrumSteps::mouseMoveEvent(event);
    emit amplitudeEdited(dragged, amplitudeAt(dragged, event->position().toPoint().y()));
}

void workshopSpectrum::mouseReleaseEvent(QMouseEvent *event)
{
    dragged = -1;
    spectrumSteps::mouseReleaseEvent(event);
}
