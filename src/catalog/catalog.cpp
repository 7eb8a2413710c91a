#include "catalog/catalog.h"

#include "harmonics/harmonic.h"
#include "harmonics/harmonictrapeze.h"
#include "harmonics/harmonictriangle.h"
#include "harmonics/synthesisplot.h"
#include "modulation/amplitudemodulatedsignal.h"
#include "pulsetrain/periodicsignaldependences.h"
#include "pulsetrain/pulsetrainsignal.h"
#include "shape/dependencesignal.h"
#include "shape/signaldependence.h"
#include "workshop/signalworkshop.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QSlider>

namespace veltarn::catalog
{

namespace
{

template <class Window> std::unique_ptr<QWidget> newWindow()
{
    return std::make_unique<Window>();
}

const Parameter harmonics{"harmonics", nullptr, 1, 0};

int sliderValue(const QWidget &window, const char *slider)
{
    return window.findChild<const QSlider *>(QLatin1String(slider))->value();
}

// The coupling rules of the pulse train and the signal shape, at the other sliders' values.
bool periodOverLength(const QWidget &w, int steps)
{
    return pulsetrain::acceptsPeriod(steps, sliderValue(w, "lengthhorizontalSlider"));
}
bool lengthInPeriod(const QWidget &w, int steps)
{
    return pulsetrain::acceptsLength(steps, sliderValue(w, "periodhorizontalSlider"));
}
bool periodOverBase(const QWidget &w, int steps)
{
    return shape::acceptsPeriod(steps, sliderValue(w, "tau1Slider"));
}
bool baseBetween(const QWidget &w, int steps)
{
    return shape::acceptsTau1(steps, sliderValue(w, "periodSlider"), sliderValue(w, "tau2Slider"));
}
bool topUnderBase(const QWidget &w, int steps)
{
    return shape::acceptsTau2(steps, sliderValue(w, "tau1Slider"));
}

// The workshop's ready-made signals, by their ids.
const Choice presets{
    [](const Setting &s) {
        if (workshop::findPreset(s.value))
            return QString();
        QStringList ids;
        for (const workshop::PresetName &p : workshop::presetNames())
            ids << QLatin1String(p.id);
        return QCoreApplication::translate("catalog", "%1=%2: нет такого сигнала (есть: %3)")
            .arg(s.name, s.value, ids.join(QStringLiteral(", ")));
    },
    [](QWidget &window, const QString &name) {
        const auto &names = workshop::presetNames();
        const auto index = workshop::findPreset(name) - names.data();
        static_cast<signalWorkshop &>(window).choosePreset(int(index));
    },
    [](const QWidget &window) { return static_cast<const signalWorkshop &>(window).signalName(); }};

QString inUnits(int steps, const Parameter &p)
{
    return QString::number(static_cast<double>(steps) / p.stepsPerUnit, 'f', p.decimals);
}

// The value in slider steps, or an error line.
QString toSteps(const Setting &s, const Parameter &p, int *steps)
{
    static const QRegularExpression number(QStringLiteral("^(\\d{1,6})(?:\\.(\\d{1,12}))?$"));
    const QRegularExpressionMatch m = number.match(s.value);
    if (!m.hasMatch())
        return p.decimals > 0
                   ? QCoreApplication::translate("catalog",
                                                 "%1=%2: ожидается число с точкой, например %3")
                         .arg(s.name, s.value, inUnits(p.stepsPerUnit / 2, p))
                   : QCoreApplication::translate("catalog",
                                                 "%1=%2: ожидается число без дробной части")
                         .arg(s.name, s.value);
    QString fraction = m.captured(2);
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (fraction.size() > p.decimals)
        return p.decimals == 0
                   ? QCoreApplication::translate("catalog",
                                                 "%1=%2: значение может быть только целым числом")
                         .arg(s.name, s.value)
                   : QCoreApplication::translate(
                         "catalog",
                         "%1=%2: значение меняется шагами по %3, его пришлось бы округлить")
                         .arg(s.name, s.value, inUnits(1, p));
    fraction = fraction.leftJustified(p.decimals, QLatin1Char('0'));
    *steps = m.captured(1).toInt() * p.stepsPerUnit + (fraction.isEmpty() ? 0 : fraction.toInt());
    return {};
}

QString currentValues(const QWidget &window, const Demonstration &d, const QString &except)
{
    QStringList values;
    for (const Parameter &p : d.parameters)
        if (p.slider && except != QLatin1String(p.name))
            if (const auto *slider = window.findChild<const QSlider *>(QLatin1String(p.slider)))
                values << QStringLiteral("%1=%2").arg(QLatin1String(p.name),
                                                      inUnits(slider->value(), p));
    return values.join(QStringLiteral(", "));
}

QString applySlider(QWidget &window, const Demonstration &d, const Parameter &p, const Setting &s)
{
    int steps = 0;
    if (QString error = toSteps(s, p, &steps); !error.isEmpty())
        return error;
    auto *slider = window.findChild<QSlider *>(QLatin1String(p.slider));
    Q_ASSERT(slider);
    if (steps < slider->minimum() || steps > slider->maximum())
        return QCoreApplication::translate("catalog", "%1=%2: допустимы значения от %3 до %4")
            .arg(s.name, s.value, inUnits(slider->minimum(), p), inUnits(slider->maximum(), p));
    slider->setValue(steps);
    if (slider->value() != steps)
        return QCoreApplication::translate("catalog",
                                           "%1=%2: окно не принимает это значение при %3")
            .arg(s.name, s.value, currentValues(window, d, s.name));
    return {};
}

QString applyHarmonics(QWidget &window, const Setting &s)
{
    int count = 0;
    if (QString error = toSteps(s, harmonics, &count); !error.isEmpty())
        return error;
    auto *add = window.findChild<QAbstractButton *>(QStringLiteral("addHarmonic"));
    auto *sum = window.findChild<QAbstractButton *>(QStringLiteral("sum"));
    auto *reper = window.findChild<QAbstractButton *>(QStringLiteral("reper"));
    auto *readout = window.findChild<QLabel *>(QStringLiteral("label_6"));
    Q_ASSERT(add && sum && reper && readout);
    if (readout->text() != QLatin1String("0"))
        reper->click();
    // As the lecturer does it: each harmonic shown alone, then summed, and the glide awaited.
    for (int k = 0; k < count && readout->text().toInt() == k; ++k) {
        add->click();
        sum->click();
        settleGlides(window);
    }
    if (readout->text().toInt() != count)
        return QCoreApplication::translate("catalog",
                                           "%1=%2: можно просуммировать не больше %n гармоник",
                                           nullptr, readout->text().toInt())
            .arg(s.name, s.value);
    return {};
}

} // namespace

QStringList Demonstration::parameterNames() const
{
    QStringList names;
    for (const Parameter &p : parameters)
        names << QLatin1String(p.name);
    return names;
}

QString Demonstration::shownTitle() const
{
    return QCoreApplication::translate("catalog", title);
}

std::unique_ptr<QWidget> Demonstration::make() const
{
    std::unique_ptr<QWidget> window = construct();
    window->setWindowTitle(shownTitle());
    return window;
}

const Parameter *Demonstration::parameter(const QString &name) const
{
    for (const Parameter &p : parameters)
        if (name == QLatin1String(p.name))
            return &p;
    return nullptr;
}

QString checkValue(const Parameter &p, const Setting &s)
{
    if (p.choice)
        return p.choice->check(s);
    int steps = 0;
    return toSteps(s, p, &steps);
}

const std::vector<Demonstration> &demonstrations()
{
    static const std::vector<Demonstration> table = {
        {"rectangle",
         QT_TRANSLATE_NOOP("catalog", "Формирование прямоугольного сигнала. Осцилляции Гиббса"),
         &harmonic::staticMetaObject,
         &newWindow<harmonic>,
         {harmonics}},
        {"triangle",
         QT_TRANSLATE_NOOP("catalog", "Формирование треугольного сигнала из гармоник спектра"),
         &harmonicTriangle::staticMetaObject,
         &newWindow<harmonicTriangle>,
         {harmonics}},
        {"trapezoid",
         QT_TRANSLATE_NOOP("catalog", "Формирование трапециевидного сигнала из гармоник спектра"),
         &harmonicTrapeze::staticMetaObject,
         &newWindow<harmonicTrapeze>,
         {harmonics}},
        {"pulse-train",
         QT_TRANSLATE_NOOP("catalog", "Спектр периодического сигнала"),
         &periodicSignalDependences::staticMetaObject,
         &newWindow<periodicSignalDependences>,
         {{"T", "periodhorizontalSlider", 1, 0, &periodOverLength},
          {"tau", "lengthhorizontalSlider", 1, 0, &lengthInPeriod}}},
        {"shape",
         QT_TRANSLATE_NOOP("catalog", "Влияние формы периодического сигнала на его спектр"),
         &signalDependence::staticMetaObject,
         &newWindow<signalDependence>,
         {{"T", "periodSlider", 1, 0, &periodOverBase},
          {"tau1", "tau1Slider", 1, 0, &baseBetween},
          {"tau2", "tau2Slider", 1, 0, &topUnderBase}}},
        {"modulation",
         QT_TRANSLATE_NOOP("catalog", "Амплитудно-модулированный сигнал"),
         &amplitudeModulatedSignal::staticMetaObject,
         &newWindow<amplitudeModulatedSignal>,
         {{"m", "MSlider", 100, 2},
          {"omega", "omegaMSlider", 100, 2},
          {"Omega", "omegaNSlider", 100, 2}}},
        {"workshop",
         QT_TRANSLATE_NOOP("catalog", "Ряд Фурье произвольного сигнала"),
         &signalWorkshop::staticMetaObject,
         &newWindow<signalWorkshop>,
         {{"preset", nullptr, 1, 0, nullptr, &presets}, harmonics}},
    };
    return table;
}

const Demonstration *find(const QString &id)
{
    for (const Demonstration &d : demonstrations())
        if (id == QLatin1String(d.id))
            return &d;
    return nullptr;
}

const Demonstration *of(const QWidget &window)
{
    for (const Demonstration &d : demonstrations())
        if (window.metaObject() == d.window)
            return &d;
    return nullptr;
}

QString apply(QWidget &window, const Demonstration &d, const std::vector<Setting> &settings)
{
    for (const Setting &s : settings) {
        const Parameter *p = d.parameter(s.name);
        if (!p)
            return QCoreApplication::translate("catalog",
                                               "у демонстрации %1 нет параметра %2 (есть: %3)")
                .arg(QLatin1String(d.id), s.name, d.parameterNames().join(QStringLiteral(", ")));
        if (p->choice) {
            if (QString error = p->choice->check(s); !error.isEmpty())
                return error;
            p->choice->choose(window, s.value);
        } else if (QString error =
                       p->slider ? applySlider(window, d, *p, s) : applyHarmonics(window, s);
                   !error.isEmpty()) {
            return error;
        }
    }
    return {};
}

bool accepts(const QWidget &window, const QSlider &slider, int steps)
{
    if (steps < slider.minimum() || steps > slider.maximum())
        return false;
    const Demonstration *d = of(window);
    if (!d)
        return true;
    for (const Parameter &p : d->parameters)
        if (p.slider && slider.objectName() == QLatin1String(p.slider))
            return !p.accepts || p.accepts(window, steps);
    return true;
}

QString describeState(const QWidget &window, const Demonstration &d)
{
    QStringList parts;
    for (const Parameter &p : d.parameters) {
        if (p.choice) {
            parts << QLatin1String(p.name) + QLatin1Char('=') + p.choice->current(window);
            continue;
        }
        int value = 0;
        if (p.slider) {
            if (const auto *slider = window.findChild<const QSlider *>(QLatin1String(p.slider)))
                value = slider->value();
        } else if (const auto *readout =
                       window.findChild<const QLabel *>(QStringLiteral("label_6"))) {
            value = readout->text().toInt();
        }
        parts << QLatin1String(p.name) + QLatin1Char('=') + inUnits(value, p);
    }
    return parts.join(QLatin1Char('_'));
}

void settleGlides(QWidget &window)
{
    for (synthesisPlot *plot : window.findChildren<synthesisPlot *>())
        plot->land();
}

} // namespace veltarn::catalog
