#pragma once

#include "ui_signaldependence.h"

#include <QWidget>

// The signal-shape demonstration: reference and live trapezoid train on the left, reference and
// live spectrum on the right, sliders for T, τ1 and τ2 with their "Репер" buttons.
class signalDependence : public QWidget
{
    Q_OBJECT

public:
    explicit signalDependence(QWidget *parent = nullptr);

private:
    Ui::signalDependence ui;
};
