#pragma once

#include "draw/pixelframe.h"

#include <QString>

class QPainter;
class QPen;

// The frame of a pulse-train signal plot, shared by every parameter demonstration: the grid
// symmetric about the origin, both axes with their arrowheads, and the captions.
namespace draw
{

// Grid at the frame's scales (one line per unit), then both axes over the whole extent.
void drawSignalGridAndAxes(QPainter &p, const PixelFrame &f, const QPen &gridPen,
                           const QPen &axisPen);

// In the painter's current pen: the title at the top left, "F(t)" beside the vertical axis,
// "t" at the end of the time axis, and "T" / "-T" with their ticks a period either side of the
// vertical axis, at the next pulses' middles, where the plot reaches that far.
void drawSignalCaptions(QPainter &p, const PixelFrame &f, double period, const QString &title);

} // namespace draw
