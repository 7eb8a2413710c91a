#pragma once

#include "draw/pixelframe.h"

#include <QString>

class QPainter;

namespace pulsetrain
{

// Pixels per time unit and per amplitude unit of every pulse-train signal plot.
constexpr int signalScaleX = 10;
constexpr int signalScaleY = 15;

// The whole signal plot: grid, axes, captions and the train of rectangular pulses of duration
// `length` and period `period`, 200 periods either side of t = 0 (the painter clips what lies
// beyond the widget). At length = period the edges vanish and the train is a constant level.
void paintPulseTrain(QPainter &p, const draw::PixelFrame &f, const QString &title, double length,
                     double period);
// The same picture in two steps: the grid and the axes, which only the size moves, then the
// captions and the pulses.
void paintPulseTrainGrid(QPainter &p, const draw::PixelFrame &f);
void paintPulseTrainSignal(QPainter &p, const draw::PixelFrame &f, const QString &title,
                           double length, double period);

} // namespace pulsetrain
