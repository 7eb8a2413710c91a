#pragma once

#include "draw/cachedlayer.h"

#include <QWidget>

// The live pulse train. It holds T and τ, keeps 1 ≤ τ ≤ T, and announces the value it holds
// after every request, so a refused slider position snaps back.
class fieldDynamicFuncPeriodic : public QWidget
{
    Q_OBJECT

public:
    explicit fieldDynamicFuncPeriodic(QWidget *parent = nullptr);

    double heldLength() const { return length; }
    double heldPeriod() const { return period; }

signals:
    void periodChanged(int period);
    void lengthChanged(int length);

public slots:
    void lengthValueChanged(int v);
    void periodValueChanged(int v);
    void reperPeriod();
    void reperLength();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double length = 3.0;
    double period = 14.0;
    draw::CachedLayer grid{*this};
};
