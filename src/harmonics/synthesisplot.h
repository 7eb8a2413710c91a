#pragma once

#include "draw/cachedlayer.h"
#include "draw/pixelframe.h"
#include "harmonics/synthesismodel.h"

#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class QPainter;

// The signal plot of a synthesis demonstration. The lecturer shows the next harmonic alone
// (green) with addHarmonic(), then merges it into the partial sum (red) with getSum(): both
// curves glide onto the new sum, each frame of the frame clock closing a tenth of the remaining
// gap ten times. A paint only draws the curves where they stand, so a figure made during a glide
// needs land() first. The ideal signal is drawn underneath. The plot owns its demonstration's
// model.
class synthesisPlot : public QWidget
{
    Q_OBJECT

public:
    // Row of the time axis: the middle of the plot, or four fifths of its height down.
    enum class AxisRow { Middle, FourFifths };
    // What tells the demonstrations' signal plots apart besides their model.
    struct Options {
        AxisRow axisRow;
        bool redBeforeFirstSum; // the harmonic is drawn in red while nothing is summed
        bool repaintOnSum;      // getSum() takes the glide's first frame at once, not a frame later
    };

    int harmonicsSummed() const { return harmonicNumber; }
    bool isMerging() const { return merging; }
    // True while the glide still moves and frames are being requested.
    bool isAnimating() const { return frameTimer.isActive(); }
    // The frame clock: each of its ticks advances the glide one frame.
    const QTimer &frameClock() const { return frameTimer; }
    // True while a glide is under way, also in a hidden plot whose frames wait for it to be shown.
    bool isGliding() const { return gliding; }
    const std::vector<double> &displayedSum() const { return shownSum; }
    const std::optional<std::vector<double>> &displayedHarmonic() const { return currentHarmonic; }
    int harmonicLimit() const { return signal->harmonicCount; }
    // What stepBack() would undo: the harmonic last shown alone, the last merge into the sum,
    // the last "Репер", or nothing (at the start).
    enum class Step { None, Shown, Summed, Reper };
    Step lastStep() const { return history.empty() ? Step::None : history.back().step; }
    // Time of sample i of every curve: i·Δ, Δ = ω/32.
    double sampleTime(int i) const { return sampleTimes.at(static_cast<std::size_t>(i)); }
    // Samples of every curve: enough for both ends to pass the plot's edges at its current width,
    // and never fewer than the 500 that reach t = 499·Δ (the span of a narrow plot).
    int sampleCount() const { return static_cast<int>(sampleTimes.size()); }
    static constexpr int minimumSampleCount = 500;
    // The number of harmonics in the red sum as it stands still: while a glide runs, the sum it
    // started from; a glide that cannot run (the plot is hidden) counts as done.
    int settledHarmonics() const { return merging && isVisible() ? settledCount : harmonicNumber; }
    // Amplitude of the cosine term k of the series the curves are drawn from: by default its
    // value at t = 0, the terms being cosines without a phase.
    virtual double termAmplitude(int k) const { return term(0.0, k); }

signals:
    void sumOfHarmonicChanged(int newValue);
    // The glide onto a new sum (or the return to none) is over.
    void sumSettled(int harmonics);

public slots:
    void addHarmonic();
    void reper();
    void getSum();
    // Undoes the last addHarmonic(), getSum() or reper() that changed anything: a harmonic shown
    // alone disappears; a merged harmonic leaves the partial sum, which glides back to where it
    // was; after "Репер" the picture before it comes back as it was.
    void stepBack();
    // One frame of the glide as the frame clock takes it: ten tenth-of-the-way steps of every
    // moving curve, and a repaint. True while the glide goes on; nothing happens without one.
    bool advanceGlide();
    // The glide under way comes to rest at once: the frames it still needs, taken one after
    // another, so it stands exactly where the frame clock would have left it.
    void land();

protected:
    synthesisPlot(std::unique_ptr<const synthesisModel> model, const Options &options,
                  QWidget *parent);

    // Term k of the series at time t: by default the model's cosine term.
    virtual double term(double t, int k) const;
    // The ideal signal, with its pen selected: by default the model's outline of one period,
    // repeated for harmonicCount periods and mirrored about the vertical axis.
    virtual void drawIdealSignal(QPainter &p, const draw::PixelFrame &f) const;

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

    const std::unique_ptr<const synthesisModel> signal;
    const Options options;
    const int period;                 // whole-number period of the ticks and the outline
    static constexpr int scaleX = 50; // pixels per time unit, one grid column
    static constexpr int scaleY = 20; // pixels per value unit, one grid row

    // The steps of a picture, open to a subclass that paints the same state another way. The
    // frame's origin is the vertical axis; the curves' samples reach past the farther edge.
    virtual draw::PixelFrame frame() const;
    void drawBackground(QPainter &p, const draw::PixelFrame &f) const;
    // By default mirrored about the vertical axis, the series being even.
    virtual void drawCurve(QPainter &p, const draw::PixelFrame &f,
                           const std::vector<double> *samples, const QPen &pen) const;
    // The times of every curve's samples: sampleTime(i) for each i.
    const std::vector<double> &sampleTimeline() const { return sampleTimes; }
    // For a subclass whose ideal signal changed within `area`: that part of it is drawn anew with
    // the next picture.
    void redrawIdealSignal(const QRegion &area);

    std::optional<std::vector<double>> currentHarmonic;
    std::vector<double> shownSum;
    std::optional<std::vector<double>> targetSum;
    int harmonicNumber = 0;
    bool merging = false;
    bool gliding = false;
    int settledCount = 0;

    // One tenth-of-the-way glide step of the curves' weights, taken with every step of the
    // samples.
    void glideWeights();

private:
    // The plot's state before a step, kept so that going back restores it exactly.
    struct Snapshot {
        Step step;
        std::optional<std::vector<double>> currentHarmonic, currentWeights;
        std::vector<double> shownSum, shownWeights;
        std::optional<std::vector<double>> targetSum;
        std::vector<double> targetWeights;
        int harmonicNumber;
        bool merging;
    };
    void remember(Step step);
    // Samples kept from another width: cut, or extended from the curve's weights.
    void fitCurve(std::vector<double> &samples, const std::vector<double> &weights) const;
    // The glide of a step back: only the red sum moves, and lands exactly where it was.
    bool advanceRetreat();
    void landRetreat();

    std::vector<double> termSamples(int k) const;
    // The weighted sum of the terms at time t.
    double combination(const std::vector<double> &weights, double t) const;
    // Sample count and times for the current width; samples added at the far ends take their
    // curves' values from the weights, those kept are left untouched.
    void fitSamplesToWidth();
    // The ten tenth-of-the-way steps of one frame; true while a curve is still visibly away
    // from the target.
    bool advanceMerge();
    // Frames while a glide is under way and the plot can be seen; otherwise the glide is over
    // and said to be.
    void continueGlide();
    void announceSettled();

    void drawCaptions(QPainter &p, const draw::PixelFrame &f) const;
    void drawTicks(QPainter &p, const draw::PixelFrame &f) const;
    void drawCurves(QPainter &p, const draw::PixelFrame &f) const;

    std::vector<double> sampleTimes;
    // Every curve is a weighted sum of the series' terms, with the same weights at every sample:
    // weight k of the red sum, of the harmonic shown alone and of the glide's target.
    std::vector<double> shownWeights;
    std::optional<std::vector<double>> currentWeights;
    std::vector<double> targetWeights;
    QTimer frameTimer;
    // Grid, axes, captions, ticks and the ideal signal: only the curves move.
    draw::CachedLayer background{*this};
    std::vector<Snapshot> history;
    std::optional<std::vector<double>> retreatTarget;
    std::vector<double> retreatWeights;
};
