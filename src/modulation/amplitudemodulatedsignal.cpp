#include "modulation/amplitudemodulatedsignal.h"

#include "modulation/modulationplot.h"
#include "sound/soundcontroller.h"

namespace
{

// The hundredths label reads two digits, so that with the integer part and the point it shows
// the value to two decimals ("0 . 05").
void connectHundredths(fieldAmplitudeFunDynamic *sender,
                       void (fieldAmplitudeFunDynamic::*signal)(int), QLabel *label)
{
    QObject::connect(sender, signal, label, [label](int hundredths) {
        label->setText(QStringLiteral("%1").arg(hundredths, 2, 10, QLatin1Char('0')));
    });
}

} // namespace

amplitudeModulatedSignal::amplitudeModulatedSignal(QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);

    using Fun = fieldAmplitudeFunDynamic;
    using Spec = fieldAmplitudeSpecDynamic;
    const auto setNum = qOverload<int>(&QLabel::setNum);

    connect(ui.Func, &Fun::mChanged, ui.Spec, &Spec::mValueChanged);
    connect(ui.Func, &Fun::omegaMChanged, ui.Spec, &Spec::omegaMValueChanged);
    connect(ui.Func, &Fun::omegaNChanged, ui.Spec, &Spec::omegaNValueChanged);
    connect(ui.Func, &Fun::mxChanged, ui.Spec, &Spec::mxValueChanged);
    connect(ui.Func, &Fun::omegaMxChanged, ui.Spec, &Spec::omegaMxValueChanged);
    connect(ui.Func, &Fun::omegaNxChanged, ui.Spec, &Spec::omegaNxValueChanged);
    connectHundredths(ui.Func, &Fun::omegaMxChanged, ui.omegaMx);
    connect(ui.Func, &Fun::omegaNChanged, ui.omegaN, setNum);
    connectHundredths(ui.Func, &Fun::omegaNxChanged, ui.omegaNx);
    connect(ui.reperM, &QPushButton::clicked, ui.Func, &Fun::reperM);
    connect(ui.reperomegaM, &QPushButton::clicked, ui.Func, &Fun::reperomegaM);
    connect(ui.reperomegaN, &QPushButton::clicked, ui.Func, &Fun::reperomegaN);
    connect(ui.Func, &Fun::ScrollmChanged, ui.MSlider, &QSlider::setValue);
    connect(ui.Func, &Fun::ScrollomegaMChanged, ui.omegaMSlider, &QSlider::setValue);
    connect(ui.Func, &Fun::ScrollomegaNChanged, ui.omegaNSlider, &QSlider::setValue);
    connect(ui.omegaMSlider, &QSlider::valueChanged, ui.Func, &Fun::omegaMValueChanged);
    connect(ui.omegaNSlider, &QSlider::valueChanged, ui.Func, &Fun::omegaNValueChanged);
    connect(ui.MSlider, &QSlider::valueChanged, ui.Func, &Fun::mValueChanged);
    connect(ui.Func, &Fun::mChanged, ui.m, setNum);
    connectHundredths(ui.Func, &Fun::mxChanged, ui.mx);
    connect(ui.Func, &Fun::omegaMChanged, ui.omegaM, setNum);
    connect(ui.pushButton, &QPushButton::clicked, this, &QWidget::close);

    // Each parameter reaches the live spectrum as its integer part and then its hundredths; the
    // sound follows the hundredths, so it never plays the value half set.
    auto *voice = new sound::Controller(*this, *ui.sound, [spec = ui.Spec] {
        const modulatedSignal &s = spec->signalModel();
        return sound::modulation(s.amplitude(), s.depth(), s.omegaM(), s.omegaN());
    });
    connect(ui.Func, &Fun::mxChanged, voice, &sound::Controller::refresh);
    connect(ui.Func, &Fun::omegaMxChanged, voice, &sound::Controller::refresh);
    connect(ui.Func, &Fun::omegaNxChanged, voice, &sound::Controller::refresh);

    modulationplot::setBackground(*this, QColor(245, 245, 255));
}
