#include "modulation/fieldamplitudespecdynamic.h"

#include "modulation/modulationplot.h"

#include <QPainter>

fieldAmplitudeSpecDynamic::fieldAmplitudeSpecDynamic(QWidget *parent) : QWidget(parent)
{
    modulationplot::setBackground(*this, modulationplot::liveBackground);
}

void fieldAmplitudeSpecDynamic::mValueChanged(int k)
{
    model.setDepth(k);
    update();
}

void fieldAmplitudeSpecDynamic::omegaNValueChanged(int k)
{
    model.setOmegaN(k);
    update();
}

void fieldAmplitudeSpecDynamic::omegaMValueChanged(int k)
{
    model.setOmegaM(k);
    update();
}

void fieldAmplitudeSpecDynamic::mxValueChanged(int x)
{
    model.setDepth(x / 100.0 + model.depth());
    update();
}

void fieldAmplitudeSpecDynamic::omegaNxValueChanged(int x)
{
    model.setOmegaN(x / 100.0 + model.omegaN());
    update();
}

void fieldAmplitudeSpecDynamic::omegaMxValueChanged(int x)
{
    model.setOmegaM(x / 100.0 + model.omegaM());
    update();
}

modulatedSignal fieldAmplitudeSpecDynamic::shownSignal() const
{
    modulatedSignal shown = model;
    shown.computeLines();
    return shown;
}

draw::PlottedLines fieldAmplitudeSpecDynamic::plottedLines() const
{
    return {{QStringLiteral("value")}, modulationplot::spectrumLines(shownSignal())};
}

void fieldAmplitudeSpecDynamic::paintEvent(QPaintEvent *)
{
    const modulatedSignal shown = shownSignal();
    QPainter p(this);
    const modulationplot::SpectrumLayout layout(size(), shown, modulationplot::dotHeadroom);
    backdrop.draw(p, [&](QPainter &layer) {
        modulationplot::drawSpectrumBackdrop(layer, layout, tr("Спектр"));
    });
    modulationplot::drawSpectrumLines(p, layout, shown);
}
