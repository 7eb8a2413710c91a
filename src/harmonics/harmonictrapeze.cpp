#include "harmonics/harmonictrapeze.h"

#include "harmonics/harmoniccount.h"
#include "harmonics/synthesissound.h"

harmonicTrapeze::harmonicTrapeze(QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
    connect(ui.sum, &QPushButton::clicked, ui.addHarmonic, &QWidget::show);
    connect(ui.sum, &QPushButton::clicked, ui.Func, &fieldFuncHarmonicTrapeze::getSum);
    connect(ui.reper, &QPushButton::clicked, ui.Func, &fieldFuncHarmonicTrapeze::reper);
    connect(ui.reper, &QPushButton::clicked, ui.Spec, &fieldSpecHarmonicTrapeze::reper);
    connect(ui.reper, &QPushButton::clicked, ui.addHarmonic, &QWidget::show);
    connect(ui.addHarmonic, &QPushButton::clicked, ui.Func, &fieldFuncHarmonicTrapeze::addHarmonic);
    connect(ui.addHarmonic, &QPushButton::clicked, ui.Spec, &fieldSpecHarmonicTrapeze::moveSpec);
    connect(ui.addHarmonic, &QPushButton::clicked, ui.addHarmonic, &QWidget::hide);
    connect(ui.pushButton, &QPushButton::clicked, this, &QWidget::close);
    connect(ui.Func, &fieldFuncHarmonicTrapeze::sumOfHarmonicChanged, ui.label_6,
            qOverload<int>(&QLabel::setNum));
    followHarmonicCount(*ui.label_3, *ui.Func);
    attachSynthesisSound(*this, *ui.sound, *ui.Func);
}
