#include "harmonics/synthesisplot.h"

#include "draw/plotpainting.h"
#include "harmonics/synthesispens.h"

#include <QLine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

namespace
{

constexpr int mergePasses = 10;
// A curve this close to its target (in value units, a thousandth of a pixel) has stopped moving.
constexpr double settledDistance = 5e-5;
// About one frame of the display.
constexpr int frameInterval = 16;
// Two steps per harmonic, and room for the extra presses a keyboard can give covered buttons.
constexpr int historyRoom = 24;

// The spacing Δ of the samples.
double sampleStep(double omega)
{
    return omega * 0.03125;
}

// Enough samples for the last one to lie a few pixels beyond the plot's edges on both sides of
// the vertical axis, `span` pixels being the farther edge's distance from it.
std::size_t sampleCountFor(int span, double step, int scaleX)
{
    const double reach = span + 4;
    const double needed = std::ceil(reach / (scaleX * step)) + 1;
    if (!(needed > synthesisPlot::minimumSampleCount)) // NaN for a zero step
        return synthesisPlot::minimumSampleCount;
    return static_cast<std::size_t>(needed);
}

} // namespace

synthesisPlot::synthesisPlot(std::unique_ptr<const synthesisModel> model, const Options &options,
                             QWidget *parent)
    : QWidget(parent), signal(std::move(model)), options(options),
      period(static_cast<int>(signal->period)),
      shownWeights(static_cast<std::size_t>(signal->harmonicCount), 0.0),
      targetWeights(static_cast<std::size_t>(signal->harmonicCount), 0.0)
{
    fitSamplesToWidth();
    frameTimer.setInterval(frameInterval);
    connect(&frameTimer, &QTimer::timeout, this, &synthesisPlot::advanceGlide);
    setPalette(QPalette(QColor(240, 255, 240)));
    setAutoFillBackground(true);
}

std::vector<double> synthesisPlot::termSamples(int k) const
{
    std::vector<double> samples(sampleTimes.size());
    for (std::size_t i = 0; i < samples.size(); ++i)
        samples[i] = term(sampleTimes[i], k);
    return samples;
}

double synthesisPlot::combination(const std::vector<double> &weights, double t) const
{
    double value = 0.0;
    for (std::size_t k = 0; k < weights.size(); ++k)
        if (weights[k] != 0.0)
            value += weights[k] * term(t, static_cast<int>(k));
    return value;
}

void synthesisPlot::fitSamplesToWidth()
{
    const double step = sampleStep(signal->omega);
    const std::size_t had = sampleTimes.size();
    const draw::PixelFrame f = frame();
    const std::size_t wanted =
        sampleCountFor(std::max(f.originX, f.extentX - f.originX), step, scaleX);
    if (wanted == had)
        return;
    sampleTimes.resize(wanted);
    shownSum.resize(wanted, 0.0);
    if (targetSum)
        targetSum->resize(wanted, 0.0);
    if (currentHarmonic)
        currentHarmonic->resize(wanted, 0.0);
    if (retreatTarget)
        fitCurve(*retreatTarget, retreatWeights);
    for (std::size_t i = had; i < wanted; ++i) {
        const double t = static_cast<double>(i) * step;
        sampleTimes[i] = t;
        shownSum[i] = combination(shownWeights, t);
        if (targetSum)
            (*targetSum)[i] = combination(targetWeights, t);
        if (currentHarmonic)
            (*currentHarmonic)[i] = combination(*currentWeights, t);
    }
}

void synthesisPlot::resizeEvent(QResizeEvent *event)
{
    fitSamplesToWidth();
    QWidget::resizeEvent(event);
}

void synthesisPlot::addHarmonic()
{
    if (harmonicNumber >= signal->harmonicCount)
        return;
    remember(Step::Shown);
    currentHarmonic = termSamples(harmonicNumber);
    currentWeights.emplace(shownWeights.size(), 0.0);
    (*currentWeights)[static_cast<std::size_t>(harmonicNumber)] = 1.0;
    // A sum still gliding stops where it is.
    merging = false;
    gliding = false;
    continueGlide();
    update();
}

void synthesisPlot::getSum()
{
    if (harmonicNumber >= signal->harmonicCount)
        return;
    remember(Step::Summed);
    std::vector<double> sum(sampleTimes.size(), 0.0);
    for (int k = 0; k <= harmonicNumber; ++k) {
        const std::vector<double> samples = termSamples(k);
        std::transform(sum.begin(), sum.end(), samples.begin(), sum.begin(), std::plus<>());
    }
    targetSum = std::move(sum);
    std::fill(targetWeights.begin(), targetWeights.end(), 0.0);
    std::fill_n(targetWeights.begin(), harmonicNumber + 1, 1.0);
    // The covered "Просуммировать" can still be pressed from the keyboard before any harmonic
    // was added; the glide then starts from an empty harmonic on the time axis.
    if (!currentHarmonic) {
        currentHarmonic.emplace(sampleTimes.size(), 0.0);
        currentWeights.emplace(shownWeights.size(), 0.0);
    }
    merging = true;
    gliding = true;
    ++harmonicNumber;
    emit sumOfHarmonicChanged(harmonicNumber);
    if (options.repaintOnSum && isVisible())
        advanceGlide();
    continueGlide();
}

void synthesisPlot::reper()
{
    // Without a curve drawn the picture stays as it is: the workshop starts over with every
    // piece of a stroke, and then repaints only where the signal moved.
    const bool curvesDrawn = harmonicNumber > 0 || currentHarmonic;
    remember(Step::Reper);
    harmonicNumber = 0;
    currentHarmonic.reset();
    currentWeights.reset();
    std::fill(shownSum.begin(), shownSum.end(), 0.0);
    std::fill(shownWeights.begin(), shownWeights.end(), 0.0);
    merging = false;
    gliding = false;
    retreatTarget.reset();
    emit sumOfHarmonicChanged(0);
    continueGlide();
    if (curvesDrawn)
        update();
}

void synthesisPlot::fitCurve(std::vector<double> &samples, const std::vector<double> &weights) const
{
    const std::size_t had = samples.size();
    samples.resize(sampleTimes.size());
    for (std::size_t i = had; i < samples.size(); ++i)
        samples[i] = combination(weights, sampleTimes[i]);
}

void synthesisPlot::remember(Step step)
{
    // A step taken while the sum still glides back lands that glide first, so the snapshot
    // holds the picture the lecturer went back to.
    landRetreat();
    if (history.size() == std::size_t(2 * signal->harmonicCount + historyRoom))
        history.erase(history.begin());
    history.push_back({step, currentHarmonic, currentWeights, shownSum, shownWeights, targetSum,
                       targetWeights, harmonicNumber, merging});
}

void synthesisPlot::stepBack()
{
    if (history.empty())
        return;
    Snapshot last = std::move(history.back());
    history.pop_back();
    landRetreat();
    const bool counted = last.harmonicNumber != harmonicNumber;
    currentHarmonic = std::move(last.currentHarmonic);
    currentWeights = std::move(last.currentWeights);
    if (currentHarmonic && currentWeights)
        fitCurve(*currentHarmonic, *currentWeights);
    targetSum = std::move(last.targetSum);
    targetWeights = std::move(last.targetWeights);
    if (targetSum)
        fitCurve(*targetSum, targetWeights);
    fitCurve(last.shownSum, last.shownWeights);
    harmonicNumber = last.harmonicNumber;
    merging = last.merging;
    if (last.step == Step::Summed && shownSum != last.shownSum) {
        retreatTarget = std::move(last.shownSum);
        retreatWeights = std::move(last.shownWeights);
    } else {
        shownSum = std::move(last.shownSum);
        shownWeights = std::move(last.shownWeights);
    }
    gliding = merging || retreatTarget;
    if (counted)
        emit sumOfHarmonicChanged(harmonicNumber);
    update();
    continueGlide();
}

void synthesisPlot::landRetreat()
{
    // Landing exactly on the earlier sum makes the picture the one the lecturer left.
    if (!retreatTarget)
        return;
    shownSum = *std::exchange(retreatTarget, std::nullopt);
    shownWeights = retreatWeights;
}

bool synthesisPlot::advanceRetreat()
{
    const std::vector<double> &target = *retreatTarget;
    double gap = 0.0;
    for (std::size_t i = 0; i < target.size(); ++i) {
        for (int pass = 0; pass < mergePasses; ++pass)
            shownSum[i] += (target[i] - shownSum[i]) / 10;
        gap = std::max(gap, std::abs(target[i] - shownSum[i]));
    }
    for (int pass = 0; pass < mergePasses; ++pass)
        for (std::size_t k = 0; k < shownWeights.size(); ++k)
            shownWeights[k] += (retreatWeights[k] - shownWeights[k]) / 10;
    if (gap > settledDistance)
        return true;
    landRetreat();
    return false;
}

bool synthesisPlot::advanceMerge()
{
    std::vector<double> &current = *currentHarmonic;
    const std::vector<double> &target = *targetSum;
    double gap = 0.0;
    for (std::size_t i = 0; i < target.size(); ++i) {
        for (int pass = 0; pass < mergePasses; ++pass) {
            shownSum[i] += (target[i] - shownSum[i]) / 10;
            current[i] += (target[i] - current[i]) / 10;
        }
        gap = std::max({gap, std::abs(target[i] - shownSum[i]), std::abs(target[i] - current[i])});
    }
    for (int pass = 0; pass < mergePasses; ++pass)
        glideWeights();
    return gap > settledDistance;
}

void synthesisPlot::glideWeights()
{
    std::vector<double> &current = *currentWeights;
    for (std::size_t k = 0; k < targetWeights.size(); ++k) {
        shownWeights[k] += (targetWeights[k] - shownWeights[k]) / 10;
        current[k] += (targetWeights[k] - current[k]) / 10;
    }
}

bool synthesisPlot::advanceGlide()
{
    if (!gliding)
        return false;
    // A hidden plot resized since it last showed gets its resize event only when shown.
    fitSamplesToWidth();
    const bool merged = merging && advanceMerge();
    const bool retreated = retreatTarget && advanceRetreat();
    gliding = merged || retreated;
    update();
    if (!gliding)
        continueGlide();
    return gliding;
}

void synthesisPlot::land()
{
    // Every frame closes most of the gap, and one that cannot (a sample not a number) ends it.
    while (advanceGlide()) {
    }
}

void synthesisPlot::continueGlide()
{
    if (!gliding) {
        frameTimer.stop();
        announceSettled();
    } else if (isVisible() && !frameTimer.isActive()) {
        frameTimer.start();
    }
}

void synthesisPlot::showEvent(QShowEvent *event)
{
    continueGlide();
    QWidget::showEvent(event);
}

void synthesisPlot::hideEvent(QHideEvent *event)
{
    // The glide waits: frames are wanted only while someone can see them.
    frameTimer.stop();
    QWidget::hideEvent(event);
}

draw::PixelFrame synthesisPlot::frame() const
{
    const int row = options.axisRow == AxisRow::Middle ? height() / 2 : 4 * height() / 5;
    return draw::PixelFrame::withAxisRow(size(), row, scaleX, scaleY);
}

double synthesisPlot::term(double t, int k) const
{
    return signal->harmonicValue(t, k);
}

void synthesisPlot::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const draw::PixelFrame f = frame();
    background.draw(p, [&](QPainter &layer) {
        layer.setRenderHint(QPainter::Antialiasing);
        drawBackground(layer, f);
    });
    p.setRenderHint(QPainter::Antialiasing);
    drawCurves(p, f);
}

void synthesisPlot::announceSettled()
{
    if (settledCount == harmonicNumber)
        return;
    settledCount = harmonicNumber;
    emit sumSettled(settledCount);
}

void synthesisPlot::drawBackground(QPainter &p, const draw::PixelFrame &f) const
{
    p.setPen(synthesisPens::get().grid);
    draw::drawMirroredGrid(p, f, scaleX, scaleY);
    p.setPen(synthesisPens::get().axis);
    draw::drawVerticalAxis(p, f.originX, f.extentY);
    draw::drawHorizontalAxis(p, f.originY, f.extentX);
    drawCaptions(p, f);
    drawTicks(p, f);
    p.setPen(synthesisPens::get().ideal);
    drawIdealSignal(p, f);
}

void synthesisPlot::drawCaptions(QPainter &p, const draw::PixelFrame &f) const
{
    const int x0 = f.originX;
    const int y0 = f.originY;
    const int periodWidth = scaleX * period;
    draw::drawCaption(p, x0 + 10, 30, QStringLiteral("F(t)"));
    draw::drawCaption(p, f.extentX - 20, y0 + 20, QStringLiteral("t"));
    draw::drawCaption(p, width() - 200, 30, tr("Сигнал"));
    draw::drawCaption(p, x0 + periodWidth - 6, y0 + 35, QStringLiteral("T"));
    draw::drawCaption(p, x0 - periodWidth - 14, y0 + 35, QStringLiteral("-T"));
}

void synthesisPlot::drawTicks(QPainter &p, const draw::PixelFrame &f) const
{
    p.setPen(synthesisPens::get().tick);
    for (const int x : {f.x(period), f.mirrorX(period)})
        p.drawLine(QLine(x, f.originY - 4, x, f.originY + 4));
}

void synthesisPlot::drawCurves(QPainter &p, const draw::PixelFrame &f) const
{
    const std::vector<double> *harmonic = currentHarmonic ? &*currentHarmonic : nullptr;
    drawCurve(p, f, harmonic, synthesisPens::get().harmonic);
    if (harmonicNumber == 0) {
        if (options.redBeforeFirstSum)
            drawCurve(p, f, harmonic, synthesisPens::get().sum);
        return;
    }
    // The last glide step of a frame leaves its red sum beneath the one drawn over it.
    if (merging)
        drawCurve(p, f, &shownSum, synthesisPens::get().sum);
    drawCurve(p, f, &shownSum, synthesisPens::get().sum);
}

void synthesisPlot::drawCurve(QPainter &p, const draw::PixelFrame &f,
                              const std::vector<double> *samples, const QPen &pen) const
{
    if (!samples)
        return;
    p.setPen(pen);
    draw::drawMirroredCurve(p, f, sampleTimes, *samples);
}

void synthesisPlot::redrawIdealSignal(const QRegion &area)
{
    background.invalidate(area);
    update(area);
}

void synthesisPlot::drawIdealSignal(QPainter &p, const draw::PixelFrame &f) const
{
    const std::vector<synthesisModel::OutlinePoint> outline = signal->outline();
    for (int m = 0; m < signal->harmonicCount; ++m) {
        const double start = static_cast<double>(m) * period;
        for (std::size_t j = 1; j < outline.size(); ++j) {
            const double t0 = start + outline[j - 1].time;
            const double t1 = start + outline[j].time;
            const int y0 = f.y(outline[j - 1].value);
            const int y1 = f.y(outline[j].value);
            p.drawLine(QLine(f.x(t0), y0, f.x(t1), y1));
            p.drawLine(QLine(f.mirrorX(t0), y0, f.mirrorX(t1), y1));
        }
    }
}
