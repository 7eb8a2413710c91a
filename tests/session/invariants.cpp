#include "invariants.h"

#include "harmonics/synthesisplot.h"
#include "harmonics/synthesisspectrum.h"
#include "modulation/fieldamplitudespecdynamic.h"
#include "pulsetrain/fielddynamicfuncperiodic.h"
#include "pulsetrain/fielddynamicspecperiodic.h"
#include "sessiondriver.h"
#include "shape/fielddependencefuncdynamic.h"
#include "shape/fielddependencespecdynamic.h"

#include <QLabel>
#include <QSlider>

#include <cmath>

namespace
{

QString text(QWidget *window, const char *label)
{
    auto *l = window->findChild<QLabel *>(QLatin1String(label));
    return l ? l->text() : QStringLiteral("<no %1>").arg(QLatin1String(label));
}

int sliderValue(QWidget *window, const char *slider)
{
    return window->findChild<QSlider *>(QLatin1String(slider))->value();
}

// Each modulation parameter reads as integer part, point and hundredths of slider/100, and the
// live spectrum draws with exactly slider/100.
QString modulationKeepsItsPromises(QWidget *window)
{
    struct Row {
        const char *slider, *whole, *hundredths;
        double (modulatedSignal::*parameter)() const;
    };
    static const Row rows[] = {
        {"MSlider", "m", "mx", &modulatedSignal::depth},
        {"omegaMSlider", "omegaM", "omegaMx", &modulatedSignal::omegaM},
        {"omegaNSlider", "omegaN", "omegaNx", &modulatedSignal::omegaN},
    };
    const auto *spec = window->findChild<fieldAmplitudeSpecDynamic *>(QStringLiteral("Spec"));
    for (const Row &row : rows) {
        const int v = sliderValue(window, row.slider);
        const QString shown =
            text(window, row.whole) + QLatin1Char('.') + text(window, row.hundredths);
        const QString expected =
            QStringLiteral("%1.%2").arg(v / 100).arg(v % 100, 2, 10, QLatin1Char('0'));
        if (shown != expected)
            return QStringLiteral("%1 at %2 reads %3")
                .arg(QLatin1String(row.slider))
                .arg(v)
                .arg(shown);
        const double held = (spec->signalModel().*row.parameter)();
        if (std::abs(held - v / 100.0) > 1e-9)
            return QStringLiteral("%1 at %2, live spectrum holds %3")
                .arg(QLatin1String(row.slider))
                .arg(v)
                .arg(held, 0, 'g', 17);
    }
    return QString();
}

// The counter shows the plot's number of summed harmonics, 0 … 20; the spectrum never counts
// below zero.
QString synthesisKeepsItsPromises(QWidget *window)
{
    const auto *func = window->findChild<synthesisPlot *>(QStringLiteral("Func"));
    const auto *spec = window->findChild<synthesisSpectrum *>(QStringLiteral("Spec"));
    const int summed = func->harmonicsSummed();
    if (text(window, "label_6") != QString::number(summed))
        return QStringLiteral("counter reads %1, plot summed %2")
            .arg(text(window, "label_6"))
            .arg(summed);
    if (summed < 0 || summed > 20)
        return QStringLiteral("%1 harmonics summed").arg(summed);
    if (spec->highlightedLines() < 0)
        return QStringLiteral("%1 lines highlighted").arg(spec->highlightedLines());
    return QString();
}

// What a readout, a slider and a plot each say a parameter is; they must all agree.
QString agree(const char *name, int slider, const QString &readout, double func, double spec)
{
    if (readout != QString::number(slider) || func != slider || spec != slider)
        return QStringLiteral("%1: slider %2, readout %3, signal plot %4, spectrum %5")
            .arg(QLatin1String(name))
            .arg(slider)
            .arg(readout)
            .arg(func)
            .arg(spec);
    return QString();
}

// Period and duration agree everywhere, with 1 ≤ τ ≤ T ≤ 25.
QString pulseTrainKeepsItsPromises(QWidget *window)
{
    const auto *func = window->findChild<fieldDynamicFuncPeriodic *>(QStringLiteral("dynamicFunc"));
    const auto *spec = window->findChild<fieldDynamicSpecPeriodic *>(QStringLiteral("dynamicSpec"));
    const int period = sliderValue(window, "periodhorizontalSlider");
    const int length = sliderValue(window, "lengthhorizontalSlider");
    QString broken =
        agree("period", period, text(window, "periodLCD"), func->heldPeriod(), spec->heldPeriod());
    if (broken.isEmpty())
        broken = agree("duration", length, text(window, "legthLCD"), func->heldLength(),
                       spec->heldLength());
    if (broken.isEmpty() && !(1 <= length && length <= period && period <= 25))
        broken =
            QStringLiteral("duration %1, period %2 break 1 ≤ τ ≤ T ≤ 25").arg(length).arg(period);
    return broken;
}

// Period, base and top agree everywhere, with τ2 ≤ τ1 ≤ T and τ1 ≥ 1.
QString shapeKeepsItsPromises(QWidget *window)
{
    const auto &func =
        window->findChild<fieldDependenceFuncDynamic *>(QStringLiteral("Func"))->parameters();
    const auto &spec =
        window->findChild<fieldDependenceSpecDynamic *>(QStringLiteral("Spec"))->parameters();
    const int period = sliderValue(window, "periodSlider");
    const int tau1 = sliderValue(window, "tau1Slider");
    const int tau2 = sliderValue(window, "tau2Slider");
    QString broken = agree("period", period, text(window, "periodLCD"), func.period, spec.period);
    if (broken.isEmpty())
        broken = agree("tau1", tau1, text(window, "tau1LCD"), func.tau1, spec.tau1);
    if (broken.isEmpty())
        broken = agree("tau2", tau2, text(window, "tau2LCD"), func.tau2, spec.tau2);
    if (broken.isEmpty() && !(0 <= tau2 && tau2 <= tau1 && tau1 <= period && tau1 >= 1))
        broken = QStringLiteral("τ2 %1, τ1 %2, T %3 break τ2 ≤ τ1 ≤ T, τ1 ≥ 1")
                     .arg(tau2)
                     .arg(tau1)
                     .arg(period);
    return broken;
}

} // namespace

void installInvariants(SessionDriver &driver)
{
    for (const char *name : {"harmonic", "harmonicTriangle", "harmonicTrapeze"})
        driver.setInvariant(QLatin1String(name), synthesisKeepsItsPromises);
    driver.setInvariant(QStringLiteral("amplitudeModulatedSignal"), modulationKeepsItsPromises);
    driver.setInvariant(QStringLiteral("spectrumOfPeriodicSingal"), pulseTrainKeepsItsPromises);
    driver.setInvariant(QStringLiteral("signalDependence"), shapeKeepsItsPromises);
}
