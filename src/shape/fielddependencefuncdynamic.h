#pragma once

#include "shape/dependencesignal.h"

#include "draw/cachedlayer.h"

#include <QWidget>

// The live trapezoid train. It keeps τ2 ≤ τ1 ≤ T with τ1 and τ2 not both 0, and announces the
// value it holds after every request, so a refused slider position snaps back and the live
// spectrum only ever hears accepted values.
class fieldDependenceFuncDynamic : public QWidget
{
    Q_OBJECT

public:
    explicit fieldDependenceFuncDynamic(QWidget *parent = nullptr);

    const dependenceSignal &parameters() const { return signal; }

signals:
    void periodChanged(int period);
    void tau1Changed(int tau1);
    void tau2Changed(int tau2);

public slots:
    void periodValueChanged(int v);
    void reperPeriod();
    void tau1ValueChanged(int v);
    void repertau1();
    void tau2ValueChanged(int v);
    void repertau2();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    using Announcement = void (fieldDependenceFuncDynamic::*)(int);
    // A "Репер" move that breaks the order of the parameters drags another one along to the
    // reference value and announces it; these report whether they had to.
    bool raise(double &value, int floor, Announcement announce);
    bool lower(double &value, int ceiling, Announcement announce);

    dependenceSignal signal;
    draw::CachedLayer grid{*this};
};
