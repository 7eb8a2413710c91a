#include "sessiondriver.h"

#include "harmonics/fieldfunc.h"
#include "harmonics/fieldfuncharmonictrapeze.h"
#include "harmonics/fieldfuncharmonictriangle.h"
#include "harmonics/fieldspec.h"
#include "harmonics/fieldspecharmonictrapeze.h"
#include "harmonics/fieldspecharmonictriangle.h"
#include "harmonics/synthesisplot.h"
#include "harmonics/synthesisspectrum.h"
#include "modulation/fieldamplitudespecdynamic.h"
#include "plotdrivers.h"
#include "pulsetrain/fielddynamicfuncperiodic.h"
#include "pulsetrain/fielddynamicspecperiodic.h"
#include "shape/fielddependencefuncdynamic.h"
#include "shape/fielddependencespecdynamic.h"
#include "sound/soundcontroller.h"

#include <QLabel>
#include <QSlider>

#include <algorithm>
#include <map>
#include <type_traits>

namespace
{

QString text(QWidget *window, const QByteArray &label)
{
    return window->findChild<QLabel *>(QString::fromLatin1(label))->text();
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
QString agree(QWidget *window, const char *name, const char *readout, double func, double spec)
{
    const int value = slider(window, name);
    if (text(window, readout) == QString::number(value) && func == value && spec == value)
        return QString();
    return QStringLiteral("%1 %2, readout %3, signal %4, spectrum %5 ")
        .arg(QLatin1String(name))
        .arg(value)
        .arg(text(window, readout))
        .arg(func)
        .arg(spec);
}

// The counter shows the summed harmonics, 0 … 20; the spectrum never counts below zero.
QString synthesisPromise(QWidget *window)
{
    const int summed = plot<synthesisPlot>(window, "Func").harmonicsSummed();
    const int lit = plot<synthesisSpectrum>(window, "Spec").highlightedLines();
    if (text(window, "label_6") == QString::number(summed) && summed >= 0 && summed <= 20 &&
        lit >= 0)
        return QString();
    return QStringLiteral("counter %1, summed %2, lit %3")
        .arg(text(window, "label_6"))
        .arg(summed)
        .arg(lit);
}

// Period and duration agree everywhere, with 1 ≤ τ ≤ T ≤ 25.
QString pulseTrainPromise(QWidget *window)
{
    const auto &f = plot<fieldDynamicFuncPeriodic>(window, "dynamicFunc");
    const auto &s = plot<fieldDynamicSpecPeriodic>(window, "dynamicSpec");
    const int T = slider(window, "periodhorizontalSlider");
    const int tau = slider(window, "lengthhorizontalSlider");
    return agree(window, "periodhorizontalSlider", "periodLCD", f.heldPeriod(), s.heldPeriod()) +
           agree(window, "lengthhorizontalSlider", "legthLCD", f.heldLength(), s.heldLength()) +
           (1 <= tau && tau <= T && T <= 25 ? QString() : QStringLiteral("τ > T or T > 25"));
}

// Period, base and top agree everywhere, with 0 ≤ τ2 ≤ τ1 ≤ T and τ1 ≥ 1.
QString shapePromise(QWidget *window)
{
    const auto &f = plot<fieldDependenceFuncDynamic>(window, "Func").parameters();
    const auto &s = plot<fieldDependenceSpecDynamic>(window, "Spec").parameters();
    const int T = slider(window, "periodSlider");
    const int tau1 = slider(window, "tau1Slider"), tau2 = slider(window, "tau2Slider");
    return agree(window, "periodSlider", "periodLCD", f.period, s.period) +
           agree(window, "tau1Slider", "tau1LCD", f.tau1, s.tau1) +
           agree(window, "tau2Slider", "tau2LCD", f.tau2, s.tau2) +
           (0 <= tau2 && tau2 <= tau1 && tau1 <= T && tau1 >= 1 ? QString()
                                                                : QStringLiteral("τ out of order"));
}

// Each parameter reads as integer part, point and two-digit hundredths of slider/100, and the
// live spectrum holds slider/100.
QString modulationPromise(QWidget *window)
{
    const modulatedSignal &spec = plot<fieldAmplitudeSpecDynamic>(window, "Spec").signalModel();
    const std::tuple<const char *, const char *, double> rows[] = {
        {"MSlider", "m", spec.depth()},
        {"omegaMSlider", "omegaM", spec.omegaM()},
        {"omegaNSlider", "omegaN", spec.omegaN()}};
    for (const auto &[name, whole, held] : rows) {
        const int v = slider(window, name);
        const QString shown = text(window, whole) + '.' + text(window, QByteArray(whole) + 'x');
        if (shown != QStringLiteral("%1.%2").arg(v / 100).arg(v % 100, 2, 10, QLatin1Char('0')) ||
            std::abs(held - v / 100.0) > 1e-9)
            return QStringLiteral("%1 at %2 reads %3, spectrum holds %4")
                .arg(QLatin1String(name))
                .arg(v)
                .arg(shown)
                .arg(held, 0, 'g', 17);
    }
    return QString();
}

// The button shows whether the window sounds; a window without an output never does, and at
// most one window sounds.
QString soundPromise(QWidget *window)
{
    const sound::Controller *c = sound::controllerOf(window);
    const auto *button = window->findChild<QPushButton *>(QStringLiteral("sound"));
    int sounding = 0;
    for (const QWidget *w : QApplication::topLevelWidgets())
        sounding += sound::controllerOf(w) && sound::controllerOf(w)->isPlaying();
    if (c && button && button->isChecked() == c->isPlaying() &&
        (c->hasOutput() || !button->isEnabled()) && sounding <= 1)
        return QString();
    return QStringLiteral("sound button wrong, %1 windows sound").arg(sounding);
}

// Held within int range: the spectrum takes integer parts up to the int limits.
int hundredths(double v)
{
    return qRound(std::clamp(v * 100, -1e9, 1e9));
}

template <typename P> std::unique_ptr<QWidget> fresh(QWidget *w)
{
    const P &live = static_cast<P &>(*w);
    auto plot = std::make_unique<P>();
    if constexpr (std::is_base_of_v<synthesisPlot, P>) {
        if (live.isAnimating())
            return nullptr;
        // At the live plot's width, so both carry the same samples.
        plot->resize(live.size());
        const bool alone = live.displayedHarmonic() && !live.isMerging();
        drive::synthesis(*plot, live.harmonicsSummed(), alone);
        plot->land();
        // Only a harmonic added while the sum still glided leaves the sum part-way.
        const auto &a = live.displayedSum(), &b = plot->displayedSum();
        for (std::size_t i = 0; alone && i < std::min(a.size(), b.size()); ++i)
            if (std::abs(a[i] - b[i]) > 1e-3)
                return nullptr;
    } else if constexpr (std::is_base_of_v<synthesisSpectrum, P>) {
        for (int k = std::min(live.highlightedLines(), 1000); k > 0; --k)
            plot->moveSpec();
    } else if constexpr (std::is_same_v<P, fieldDynamicFuncPeriodic> ||
                         std::is_same_v<P, fieldDynamicSpecPeriodic>) {
        drive::pulses(*plot, int(live.heldPeriod()), int(live.heldLength()));
    } else if constexpr (std::is_same_v<P, fieldAmplitudeFunDynamic> ||
                         std::is_same_v<P, fieldAmplitudeSpecDynamic>) {
        const modulatedSignal &m = live.signalModel();
        drive::modulation(*plot, hundredths(m.depth()), hundredths(m.omegaM()),
                          hundredths(m.omegaN()));
    } else {
        const dependenceSignal &s = live.parameters();
        drive::trapezoids(*plot, s.period, s.tau1, s.tau2);
    }
    return plot;
}

using Fresh = std::unique_ptr<QWidget> (*)(QWidget *);

template <typename... P> std::map<QString, Fresh> byClass()
{
    return {{QString::fromLatin1(P::staticMetaObject.className()), fresh<P>}...};
}

const std::map<QString, Fresh> &freshPlots()
{
    static const auto plots =
        byClass<FieldFunc, fieldFuncHarmonicTriangle, fieldFuncHarmonicTrapeze, FieldSpec,
                fieldSpecHarmonicTriangle, fieldSpecHarmonicTrapeze, fieldDynamicFuncPeriodic,
                fieldDynamicSpecPeriodic, fieldDependenceFuncDynamic, fieldDependenceSpecDynamic,
                fieldAmplitudeFunDynamic, fieldAmplitudeSpecDynamic>();
    return plots;
}

} // namespace

QString session::brokenPromise(QWidget *window)
{
    static const std::map<QString, QString (*)(QWidget *)> promises = {
        {"harmonic", synthesisPromise},        {"harmonicTriangle", synthesisPromise},
        {"harmonicTrapeze", synthesisPromise}, {"spectrumOfPeriodicSingal", pulseTrainPromise},
        {"signalDependence", shapePromise},    {"amplitudeModulatedSignal", modulationPromise}};
    const auto promise = promises.find(window->objectName());
    return promise == promises.end() ? QString() : promise->second(window) + soundPromise(window);
}

std::unique_ptr<QWidget> session::freshPlot(QWidget *live)
{
    const auto found = freshPlots().find(QString::fromLatin1(live->metaObject()->className()));
    return found == freshPlots().end() ? nullptr : found->second(live);
}

QString session::differsFromFresh(QWidget *live)
{
    const QString name = QString::fromLatin1(live->metaObject()->className());
    if (!freshPlots().count(name))
        return isReference(live) ? QString() : name + QStringLiteral(": no fresh plot to compare");
    const std::unique_ptr<QWidget> plot = freshPlot(live);
    if (!plot)
        return QString();
    plot->setFont(live->font());
    plot->resize(live->size());
    if (paint(live) == paint(plot.get()))
        return QString();
    return QStringLiteral("%1 (%2) at %3x%4 differs from a fresh one")
        .arg(live->objectName(), name)
        .arg(live->width())
        .arg(live->height());
}
