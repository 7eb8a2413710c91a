#pragma once

#include "ui_harmonictriangle.h"

#include <QWidget>

// The triangular-pulse demonstration: the train built from its harmonics one at a time.
class harmonicTriangle : public QWidget
{
    Q_OBJECT

public:
    explicit harmonicTriangle(QWidget *parent = nullptr);

private:
    Ui::harmonicTriangle ui;
};
