#pragma once

#include "ui_periodicsignaldependences.h"

#include <QWidget>

// The pulse-train demonstration: reference and live pulse train on the left, reference and live
// spectrum on the right, period and duration sliders with their "Репер" buttons.
class periodicSignalDependences : public QWidget
{
    Q_OBJECT

public:
    explicit periodicSignalDependences(QWidget *parent = nullptr);

private:
    Ui::spectrumOfPeriodicSingal ui;
};
