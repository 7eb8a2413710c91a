#pragma once

#include "draw/cachedlayer.h"
#include "draw/linespectrum.h"
#include "shape/dependencesignal.h"

#include <QWidget>

// The reference line spectrum (T = 16, τ1 = 4, τ2 = 3), computed once by the constructor.
class fieldDependenceSpecReper : public QWidget
{
    Q_OBJECT

public:
    explicit fieldDependenceSpecReper(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    dependenceSignal signal;
    draw::LineSpectrum spectrum;
    draw::CachedLayer picture{*this};
};
