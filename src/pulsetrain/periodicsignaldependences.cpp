#include "pulsetrain/periodicsignaldependences.h"

#include "pulsetrain/pulsetrainsignal.h"
#include "sound/soundcontroller.h"

periodicSignalDependences::periodicSignalDependences(QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
    setPalette(QPalette(QColor(245, 245, 255)));
    setAutoFillBackground(true);

    // A slider reaches the live signal plot first, so a value it refuses has already been set
    // back on the slider before the live spectrum sees it.
    connect(ui.periodhorizontalSlider, &QSlider::valueChanged, ui.dynamicFunc,
            &fieldDynamicFuncPeriodic::periodValueChanged);
    connect(ui.lengthhorizontalSlider, &QSlider::valueChanged, ui.dynamicFunc,
            &fieldDynamicFuncPeriodic::lengthValueChanged);
    connect(ui.lengthhorizontalSlider, &QSlider::valueChanged, ui.dynamicSpec,
            &fieldDynamicSpecPeriodic::lengthValueChanged);
    connect(ui.periodhorizontalSlider, &QSlider::valueChanged, ui.dynamicSpec,
            &fieldDynamicSpecPeriodic::periodValueChanged);
    connect(ui.periodpushButton, &QPushButton::clicked, ui.dynamicFunc,
            &fieldDynamicFuncPeriodic::reperPeriod);
    connect(ui.periodpushButton, &QPushButton::clicked, ui.dynamicSpec,
            &fieldDynamicSpecPeriodic::reperPeriod);
    connect(ui.lengthpushButton, &QPushButton::clicked, ui.dynamicFunc,
            &fieldDynamicFuncPeriodic::reperLength);
    connect(ui.lengthpushButton, &QPushButton::clicked, ui.dynamicSpec,
            &fieldDynamicSpecPeriodic::reperLength);
    connect(ui.dynamicFunc, &fieldDynamicFuncPeriodic::lengthChanged, ui.lengthhorizontalSlider,
            &QSlider::setValue);
    connect(ui.dynamicFunc, &fieldDynamicFuncPeriodic::periodChanged, ui.periodhorizontalSlider,
            &QSlider::setValue);
    connect(ui.pushButton, &QPushButton::clicked, this, &QWidget::close);
    connect(ui.dynamicFunc, &fieldDynamicFuncPeriodic::lengthChanged, ui.legthLCD,
            qOverload<int>(&QLabel::setNum));
    connect(ui.dynamicFunc, &fieldDynamicFuncPeriodic::periodChanged, ui.periodLCD,
            qOverload<int>(&QLabel::setNum));

    // The sound plays the live spectrum, so it hears each change after the spectrum took it.
    auto *voice = new sound::Controller(*this, *ui.sound, [spec = ui.dynamicSpec] {
        pulseTrainSignal train;
        train.setParameters(spec->heldLength(), spec->heldPeriod());
        return sound::harmonicSeries(sound::trainFundamental(train.period), train.coefficients);
    });
    connect(ui.periodhorizontalSlider, &QSlider::valueChanged, voice, &sound::Controller::refresh);
    connect(ui.lengthhorizontalSlider, &QSlider::valueChanged, voice, &sound::Controller::refresh);
    connect(ui.periodpushButton, &QPushButton::clicked, voice, &sound::Controller::refresh);
    connect(ui.lengthpushButton, &QPushButton::clicked, voice, &sound::Controller::refresh);
}
