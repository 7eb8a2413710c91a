#pragma once

#include "draw/cachedlayer.h"
#include "draw/linespectrum.h"
#include "shape/dependencesignal.h"

#include <QWidget>

// The live line spectrum of the trapezoid train. It stores what the live signal plot announces
// and checks nothing: it never hears a refused value.
class fieldDependenceSpecDynamic : public QWidget
{
    Q_OBJECT

public:
    explicit fieldDependenceSpecDynamic(QWidget *parent = nullptr);

    const dependenceSignal &parameters() const { return signal; }

public slots:
    void periodValueChanged(int v);
    void tau1ValueChanged(int v);
    void tau2ValueChanged(int v);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void refresh();

    dependenceSignal signal;
    draw::LineSpectrum spectrum;
    draw::CachedLayer backdrop{*this};
};
