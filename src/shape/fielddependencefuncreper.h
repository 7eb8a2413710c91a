#pragma once

#include "draw/cachedlayer.h"
#include "draw/pixelframe.h"
#include "shape/dependencesignal.h"

#include <QWidget>

// The reference trapezoid train (T = 16, τ1 = 4, τ2 = 3) with the dimension arrows that mark the
// base and the flat top of the central pulse. Its time axis lies at three quarters of the height.
class fieldDependenceFuncReper : public QWidget
{
    Q_OBJECT

public:
    explicit fieldDependenceFuncReper(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawDimensionMarks(QPainter &p, const draw::PixelFrame &f) const;

    dependenceSignal signal;
    draw::CachedLayer picture{*this};
};
