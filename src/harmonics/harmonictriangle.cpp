#include "harmonics/harmonictriangle.h"

#include "harmonics/harmoniccount.h"
#include "harmonics/synthesissound.h"

#include <QPalette>

harmonicTriangle::harmonicTriangle(QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
    connect(ui.reper, &QPushButton::clicked, ui.addHarmonic, &QWidget::show);
    connect(ui.addHarmonic, &QPushButton::clicked, ui.addHarmonic, &QWidget::hide);
    connect(ui.addHarmonic, &QPushButton::clicked, ui.Spec, &fieldSpecHarmonicTriangle::moveSpec);
    connect(ui.sum, &QPushButton::clicked, ui.Func, &fieldFuncHarmonicTriangle::getSum);
    connect(ui.sum, &QPushButton::clicked, ui.addHarmonic, &QWidget::show);
    connect(ui.reper, &QPushButton::clicked, ui.Spec, &fieldSpecHarmonicTriangle::reper);
    connect(ui.reper, &QPushButton::clicked, ui.Func, &fieldFuncHarmonicTriangle::reper);
    connect(ui.addHarmonic, &QPushButton::clicked, ui.Func,
            &fieldFuncHarmonicTriangle::addHarmonic);
    connect(ui.pushButton_2, &QPushButton::clicked, this, &QWidget::close);
    connect(ui.Func, &fieldFuncHarmonicTriangle::sumOfHarmonicChanged, ui.label_6,
            qOverload<int>(&QLabel::setNum));
    followHarmonicCount(*ui.label_3, *ui.Func);
    attachSynthesisSound(*this, *ui.sound, *ui.Func);
    setPalette(QPalette(QColor(245, 245, 255)));
    setAutoFillBackground(true);
}
