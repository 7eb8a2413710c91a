#pragma once

#include "draw/cachedlayer.h"

#include <QWidget>

// The reference pulse train (T = 14, τ = 3). Its time axis lies at three quarters of the height,
// since the pulses only rise above it.
class fieldReperFuncPeriodic : public QWidget
{
    Q_OBJECT

public:
    explicit fieldReperFuncPeriodic(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    draw::CachedLayer picture{*this};
};
