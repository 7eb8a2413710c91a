#pragma once

#include "ui_amplitudemodulatedsignal.h"

#include <QWidget>

// The amplitude-modulation demonstration: reference and live signal and spectrum, and one row
// per parameter with its slider, its readout to two decimals and its "Репер" button.
class amplitudeModulatedSignal : public QWidget
{
    Q_OBJECT

public:
    explicit amplitudeModulatedSignal(QWidget *parent = nullptr);

private:
    Ui::amplitudeModulatedSignal ui;
};
