#include "harmonics/harmonic.h"

#include "harmonics/harmoniccount.h"
#include "harmonics/synthesissound.h"

#include <QPalette>

harmonic::harmonic(QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
    // A click calls its receivers in the order connected: the button hides itself only after
    // both plots took the new harmonic.
    connect(ui.addHarmonic, &QPushButton::clicked, ui.Func, &FieldFunc::addHarmonic);
    connect(ui.reper, &QPushButton::clicked, ui.Func, &FieldFunc::reper);
    connect(ui.reper, &QPushButton::clicked, ui.Spec, &FieldSpec::reper);
    connect(ui.addHarmonic, &QPushButton::clicked, ui.Spec, &FieldSpec::moveSpec);
    connect(ui.sum, &QPushButton::clicked, ui.addHarmonic, &QWidget::show);
    connect(ui.addHarmonic, &QPushButton::clicked, ui.addHarmonic, &QWidget::hide);
    connect(ui.sum, &QPushButton::clicked, ui.Func, &FieldFunc::getSum);
    connect(ui.reper, &QPushButton::clicked, ui.addHarmonic, &QWidget::show);
    connect(ui.pushButton, &QPushButton::clicked, this, &QWidget::close);
    connect(ui.Func, &FieldFunc::sumOfHarmonicChanged, ui.label_6, qOverload<int>(&QLabel::setNum));
    followHarmonicCount(*ui.label_3, *ui.Func);
    attachSynthesisSound(*this, *ui.sound, *ui.Func);
    setPalette(QPalette(QColor(245, 245, 255)));
    setAutoFillBackground(true);
}
