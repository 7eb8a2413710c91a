#include "invariants.h"

#include "harmonics/synthesisplot.h"
#include "harmonics/synthesisspectrum.h"
#include "modulation/fieldamplitudespecdynamic.h"
#include "pulsetrain/fielddynamicfuncperiodic.h"
#include "pulsetrain/fielddynamicspecperiodic.h"
#include "shape/fielddependencefuncdynamic.h"
#include "shape/fielddependencespecdynamic.h"
#include "sound/soundcontroller.h"
#include "windows.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include <cmath>

namespace
{

QString text(QWidget *window, const char *label)
{
    return window->findChild<QLabel *>(QLatin1String(label))->text();
}

int slider(QWidget *window, const char *name)
{
    return window->findChild<QSlider *>(QLatin1String(name))->value();
}

template <class Plot> const Plot &plot(QWidget *window, const char *name)
{
    return *window->findChild<Plot *>(QLatin1String(name));
}

// A parameter as its slider, its readout, the signal plot and the spectrum each hold it.
QString agree(const char *name, int value, const QString &readout, double func, double spec)
{
    if (readout == QString::number(value) && func == value && spec == value)
        return QString();
    return QStringLiteral("%1: slider %2, readout %3, signal %4, spectrum %5")
        .arg(QLatin1String(name))
        .arg(value)
        .arg(readout)
        .arg(func)
        .arg(spec);
}

// The counter shows the summed harmonics, 0 … 20; the spectrum never counts below zero.
QString synthesisPromise(QWidget *window)
{
    const int summed = plot<synthesisPlot>(window, "Func").harmonicsSummed();
    const int lit = plot<synthesisSpectrum>(window, "Spec").highlightedLines();
    if (text(window, "label_6") != QString::number(summed) || summed < 0 || summed > 20 || lit < 0)
        return QStringLiteral("counter %1, summed %2, lit %3")
            .arg(text(window, "label_6"))
            .arg(summed)
            .arg(lit);
    return QString();
}

// Period and duration agree everywhere, with 1 ≤ τ ≤ T ≤ 25.
QString pulseTrainPromise(QWidget *window)
{
    const auto &func = plot<fieldDynamicFuncPeriodic>(window, "dynamicFunc");
    const auto &spec = plot<fieldDynamicSpecPeriodic>(window, "dynamicSpec");
    const int T = slider(window, "periodhorizontalSlider");
    const int tau = slider(window, "lengthhorizontalSlider");
    QString broken =
        agree("T", T, text(window, "periodLCD"), func.heldPeriod(), spec.heldPeriod()) +
        agree("τ", tau, text(window, "legthLCD"), func.heldLength(), spec.heldLength());
    if (!(1 <= tau && tau <= T && T <= 25))
        broken += QStringLiteral(" τ %1, T %2").arg(tau).arg(T);
    return broken;
}

// Period, base and top agree everywhere, with τ2 ≤ τ1 ≤ T and τ1 ≥ 1.
QString shapePromise(QWidget *window)
{
    const auto &func = plot<fieldDependenceFuncDynamic>(window, "Func").parameters();
    const auto &spec = plot<fieldDependenceSpecDynamic>(window, "Spec").parameters();
    const int T = slider(window, "periodSlider");
    const int tau1 = slider(window, "tau1Slider");
    const int tau2 = slider(window, "tau2Slider");
    QString broken = agree("T", T, text(window, "periodLCD"), func.period, spec.period) +
                     agree("τ1", tau1, text(window, "tau1LCD"), func.tau1, spec.tau1) +
                     agree("τ2", tau2, text(window, "tau2LCD"), func.tau2, spec.tau2);
    if (!(0 <= tau2 && tau2 <= tau1 && tau1 <= T && tau1 >= 1))
        broken += QStringLiteral(" τ2 %1, τ1 %2, T %3").arg(tau2).arg(tau1).arg(T);
    return broken;
}

// Each parameter reads as integer part, point and two-digit hundredths of slider/100, and the
// live spectrum holds slider/100.
QString modulationPromise(QWidget *window)
{
    struct Row {
        const char *slider, *whole, *hundredths;
        double (modulatedSignal::*held)() const;
    };
    static const Row rows[] = {{"MSlider", "m", "mx", &modulatedSignal::depth},
                               {"omegaMSlider", "omegaM", "omegaMx", &modulatedSignal::omegaM},
                               {"omegaNSlider", "omegaN", "omegaNx", &modulatedSignal::omegaN}};
    const modulatedSignal &spec = plot<fieldAmplitudeSpecDynamic>(window, "Spec").signalModel();
    for (const Row &row : rows) {
        const int v = slider(window, row.slider);
        const QString shown = text(window, row.whole) + '.' + text(window, row.hundredths);
        const double held = (spec.*row.held)();
        if (shown != QStringLiteral("%1.%2").arg(v / 100).arg(v % 100, 2, 10, QLatin1Char('0')) ||
            std::abs(held - v / 100.0) > 1e-9)
            return QStringLiteral("%1 at %2 reads %3, spectrum holds %4")
                .arg(QLatin1String(row.slider))
                .arg(v)
                .arg(shown)
                .arg(held, 0, 'g', 17);
    }
    return QString();
}

// The button shows whether the window sounds, a window without an output never does, at most
// one window sounds, and what it would play has no constant and a fundamental to play it at.
QString soundPromise(QWidget *window)
{
    const sound::Controller *c = sound::controllerOf(window);
    const auto *button = window->findChild<QPushButton *>(QStringLiteral("sound"));
    if (!c || !button)
        return QStringLiteral("no sound button");
    if (button->isChecked() != c->isPlaying() || (!c->hasOutput() && button->isEnabled()))
        return QStringLiteral("sound button checked %1, enabled %2, playing %3")
            .arg(button->isChecked())
            .arg(button->isEnabled())
            .arg(c->isPlaying());
    int sounding = 0;
    for (const QWidget *w : QApplication::topLevelWidgets()) {
        const sound::Controller *other = sound::controllerOf(w);
        sounding += other && other->isPlaying();
    }
    if (sounding > 1)
        return QStringLiteral("%1 windows sound at once").arg(sounding);
    const sound::Spectrum s = c->spectrum();
    for (const sound::Line &l : s.lines)
        if (l.harmonic < 1 || !std::isfinite(l.amplitude) || !(s.fundamental > 0.0))
            return QStringLiteral("sound line %1 of %2 Hz: %3")
                .arg(l.harmonic)
                .arg(s.fundamental)
                .arg(l.amplitude);
    return QString();
}

SessionDriver::Invariant withSound(SessionDriver::Invariant promise)
{
    return [promise](QWidget *window) { return promise(window) + soundPromise(window); };
}

} // namespace

std::map<QString, SessionDriver::Invariant> windowPromises()
{
    return {{"harmonic", withSound(synthesisPromise)},
            {"harmonicTriangle", withSound(synthesisPromise)},
            {"harmonicTrapeze", withSound(synthesisPromise)},
            {"spectrumOfPeriodicSingal", withSound(pulseTrainPromise)},
            {"signalDependence", withSound(shapePromise)},
            {"amplitudeModulatedSignal", withSound(modulationPromise)}};
}
