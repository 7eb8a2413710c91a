#pragma once

#include "modulation/modulatedsignal.h"

#include "draw/cachedlayer.h"

#include <QWidget>

// The live signal plot. Takes the three slider positions, keeps its model at position/100 and
// announces each parameter as its integer part followed by its hundredths; the "Репер" slots
// also send the reference position back to the slider.
class fieldAmplitudeFunDynamic : public QWidget
{
    Q_OBJECT

public:
    explicit fieldAmplitudeFunDynamic(QWidget *parent = nullptr);

    const modulatedSignal &signalModel() const { return model; }

signals:
    void mChanged(int);
    void mxChanged(int);
    void ScrollmChanged(int);
    void omegaNChanged(int);
    void ScrollomegaNChanged(int);
    void omegaNxChanged(int);
    void omegaMChanged(int);
    void ScrollomegaMChanged(int);
    void omegaMxChanged(int);

public slots:
    void mValueChanged(int v);
    void reperM();
    void omegaNValueChanged(int v);
    void reperomegaN();
    void omegaMValueChanged(int v);
    void reperomegaM();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    using Setter = void (modulatedSignal::*)(double);
    using Announcement = void (fieldAmplitudeFunDynamic::*)(int);

    void storeAndAnnounce(int position, Setter set, Announcement whole, Announcement hundredths);

    modulatedSignal model;
    draw::CachedLayer backdrop{*this};
};
