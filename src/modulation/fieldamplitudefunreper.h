#pragma once

#include "modulation/modulatedsignal.h"

#include "draw/cachedlayer.h"

#include <QWidget>

// The signal at the reference parameters, for good.
class fieldAmplitudeFunReper : public QWidget
{
    Q_OBJECT

public:
    explicit fieldAmplitudeFunReper(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    modulatedSignal model;
    draw::CachedLayer picture{*this};
};
