#pragma once

#include "modulation/modulatedsignal.h"

#include "draw/cachedlayer.h"

#include <QWidget>

// The live spectrum plot. Each parameter arrives as its integer part, which replaces the value,
// followed by its hundredths, which are added to it.
class fieldAmplitudeSpecDynamic : public QWidget
{
    Q_OBJECT

public:
    explicit fieldAmplitudeSpecDynamic(QWidget *parent = nullptr);

    const modulatedSignal &signalModel() const { return model; }

public slots:
    void mValueChanged(int k);
    void omegaNValueChanged(int k);
    void omegaMValueChanged(int k);
    void mxValueChanged(int x);
    void omegaNxValueChanged(int x);
    void omegaMxValueChanged(int x);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    modulatedSignal model;
    draw::CachedLayer backdrop{*this};
};
