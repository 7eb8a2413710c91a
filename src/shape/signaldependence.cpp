#include "shape/signaldependence.h"

#include "sound/soundcontroller.h"

signalDependence::signalDependence(QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
    setPalette(QPalette(QColor(245, 245, 255)));
    setAutoFillBackground(true);

    using Func = fieldDependenceFuncDynamic;
    using Spec = fieldDependenceSpecDynamic;
    // The controls talk to the live signal plot only; each value it announces then reaches the
    // slider, the live spectrum and the readout, in this order.
    connect(ui.periodSlider, &QSlider::valueChanged, ui.Func, &Func::periodValueChanged);
    connect(ui.tau1Slider, &QSlider::valueChanged, ui.Func, &Func::tau1ValueChanged);
    connect(ui.tau2Slider, &QSlider::valueChanged, ui.Func, &Func::tau2ValueChanged);
    connect(ui.reperPeriod, &QPushButton::clicked, ui.Func, &Func::reperPeriod);
    connect(ui.reperTau1, &QPushButton::clicked, ui.Func, &Func::repertau1);
    connect(ui.reperTau2, &QPushButton::clicked, ui.Func, &Func::repertau2);
    connect(ui.Func, &Func::periodChanged, ui.periodSlider, &QSlider::setValue);
    connect(ui.Func, &Func::tau1Changed, ui.tau1Slider, &QSlider::setValue);
    connect(ui.Func, &Func::tau2Changed, ui.tau2Slider, &QSlider::setValue);
    connect(ui.Func, &Func::periodChanged, ui.Spec, &Spec::periodValueChanged);
    connect(ui.Func, &Func::tau1Changed, ui.Spec, &Spec::tau1ValueChanged);
    connect(ui.Func, &Func::tau2Changed, ui.Spec, &Spec::tau2ValueChanged);
    connect(ui.pushButton, &QPushButton::clicked, this, &QWidget::close);
    connect(ui.Func, &Func::periodChanged, ui.periodLCD, qOverload<int>(&QLabel::setNum));
    connect(ui.Func, &Func::tau1Changed, ui.tau1LCD, qOverload<int>(&QLabel::setNum));
    connect(ui.Func, &Func::tau2Changed, ui.tau2LCD, qOverload<int>(&QLabel::setNum));

    auto *voice = new sound::Controller(*this, *ui.sound, [spec = ui.Spec] {
        // The live spectrum computes its lines when it paints; the sound must not wait for that.
        dependenceSignal s = spec->parameters();
        s.computeCoefficients();
        return sound::harmonicSeries(sound::trainFundamental(s.period), s.coefficients);
    });
    connect(ui.Func, &Func::periodChanged, voice, &sound::Controller::refresh);
    connect(ui.Func, &Func::tau1Changed, voice, &sound::Controller::refresh);
    connect(ui.Func, &Func::tau2Changed, voice, &sound::Controller::refresh);
}
