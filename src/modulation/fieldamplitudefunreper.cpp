#include "modulation/fieldamplitudefunreper.h"

#include "modulation/modulationplot.h"

#include <QPainter>

fieldAmplitudeFunReper::fieldAmplitudeFunReper(QWidget *parent) : QWidget(parent)
{
    modulationplot::setBackground(*this, modulationplot::referenceBackground);
}

void fieldAmplitudeFunReper::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    picture.draw(p, [&](QPainter &layer) {
        modulationplot::paintSignal(layer, size(), model, tr("Реперный сигнал"));
    });
}
