#pragma once

#include "ui_harmonic.h"

#include <QWidget>

// The rectangular-signal demonstration: harmonics added one at a time, the Gibbs oscillations
// of the partial sums, and the spectrum highlighting what was added.
class harmonic : public QWidget
{
    Q_OBJECT

public:
    explicit harmonic(QWidget *parent = nullptr);

private:
    Ui::harmonic ui;
};
