#pragma once

#include "ui_harmonictrapeze.h"

#include <QWidget>

// The trapezoidal-pulse demonstration: the train built from its harmonics one at a time. This
// window keeps the default background.
class harmonicTrapeze : public QWidget
{
    Q_OBJECT

public:
    explicit harmonicTrapeze(QWidget *parent = nullptr);

private:
    Ui::harmonicTrapeze ui;
};
