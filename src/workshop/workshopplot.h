#pragma once

#include "harmonics/synthesisplot.h"
#include "workshop/periodicsignal.h"

#include <memory>

// The signal plot of the workshop: any periodic signal (the ideal signal's pen) from the vertical
// axis at the left edge over as many periods as fit, built harmonic by harmonic as in the three
// synthesis windows, now with a phase in every term and up to 50 harmonics. Pressing and dragging
// on it draws the signal: it reports each piece of the stroke, in periods and signal units.
class workshopPlot : public synthesisPlot
{
    Q_OBJECT

public:
    explicit workshopPlot(QWidget *parent = nullptr);

    // The signal drawn underneath and the series the curves are built from; the caller starts
    // the synthesis over first ("Репер"), the curves of the old series being no use.
    void setSignal(const workshop::Samples &samples, const workshop::Series &series);
    double termAmplitude(int k) const override;
    // Where a point of the plot lies: time in periods from the vertical axis, and value.
    QPointF signalPoint(QPoint pixel) const;
    QPoint pixelOf(double periods, double value) const;

    // Time units of one period; a grid column is one unit.
    static constexpr double periodUnits = 10.0;
    // The plot's half height holds this many signal units above and below the axis.
    static constexpr double halfRange = 2.2;

signals:
    // A piece of a stroke, from (t0, v0) to (t1, v1); a press alone gives a single point.
    void stroked(double t0, double v0, double t1, double v1);

protected:
    double term(double t, int k) const override;
    draw::PixelFrame frame() const override;
    void drawCurve(QPainter &p, const draw::PixelFrame &f, const std::vector<double> *samples,
                   const QPen &pen) const override;
    void drawIdealSignal(QPainter &p, const draw::PixelFrame &f) const override;

    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    explicit workshopPlot(const std::shared_ptr<workshop::Series> &series, QWidget *parent);

    // The ideal signal's vertex in column x, one a column from the vertical axis on.
    int outlineRow(const workshop::Samples &signal, const draw::PixelFrame &f, int x) const;

    // Shared with the base's model, whose coefficients it is; only this plot changes it.
    const std::shared_ptr<workshop::Series> series;
    workshop::Samples samples;
    QPointF strokeEnd;
};
