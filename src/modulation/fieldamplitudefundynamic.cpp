#include "modulation/fieldamplitudefundynamic.h"

#include "modulation/modulationplot.h"

#include <QPainter>

namespace
{
// Slider positions of the reference parameters (a hundred positions per unit).
constexpr int referenceDepthPosition = 50;
constexpr int referenceOmegaMPosition = 75;
constexpr int referenceOmegaNPosition = 750;
} // namespace

fieldAmplitudeFunDynamic::fieldAmplitudeFunDynamic(QWidget *parent) : QWidget(parent)
{
    modulationplot::setBackground(*this, modulationplot::liveBackground);
}

// The parts are split in integers, so the readouts show exactly the digits of the position. The
// integer part goes first: the live spectrum sets its parameter from it and then adds the
// hundredths, which carry the sign of the position like the integer part does.
void fieldAmplitudeFunDynamic::storeAndAnnounce(int position, Setter set, Announcement whole,
                                                Announcement hundredths)
{
    (model.*set)(position / 100.0);
    emit(this->*whole)(position / 100);
    emit(this->*hundredths)(position % 100);
    update();
}

void fieldAmplitudeFunDynamic::mValueChanged(int v)
{
    storeAndAnnounce(v, &modulatedSignal::setDepth, &fieldAmplitudeFunDynamic::mChanged,
                     &fieldAmplitudeFunDynamic::mxChanged);
}

void fieldAmplitudeFunDynamic::reperM()
{
    mValueChanged(referenceDepthPosition);
    emit ScrollmChanged(referenceDepthPosition);
}

void fieldAmplitudeFunDynamic::omegaNValueChanged(int v)
{
    storeAndAnnounce(v, &modulatedSignal::setOmegaN, &fieldAmplitudeFunDynamic::omegaNChanged,
                     &fieldAmplitudeFunDynamic::omegaNxChanged);
}

void fieldAmplitudeFunDynamic::reperomegaN()
{
    omegaNValueChanged(referenceOmegaNPosition);
    emit ScrollomegaNChanged(referenceOmegaNPosition);
}

void fieldAmplitudeFunDynamic::omegaMValueChanged(int v)
{
    storeAndAnnounce(v, &modulatedSignal::setOmegaM, &fieldAmplitudeFunDynamic::omegaMChanged,
                     &fieldAmplitudeFunDynamic::omegaMxChanged);
}

void fieldAmplitudeFunDynamic::reperomegaM()
{
    omegaMValueChanged(referenceOmegaMPosition);
    emit ScrollomegaMChanged(referenceOmegaMPosition);
}

void fieldAmplitudeFunDynamic::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    backdrop.draw(p, [&](QPainter &layer) {
        modulationplot::paintSignalBackdrop(layer, size(), tr("Сигнал"));
    });
    modulationplot::paintSignalCurve(p, size(), model);
}
