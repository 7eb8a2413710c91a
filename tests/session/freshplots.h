#pragma once

#include <QString>

#include <memory>

class QWidget;

namespace session
{

// A plot of the live plot's class brought to its parameters through its slots, standing alone;
// null for a synthesis plot whose state no fresh plot reaches (see below) or an unknown class.
std::unique_ptr<QWidget> freshPlot(QWidget *live);

// Paints a live plot and a plot of its class freshly made at its size, with its font, and
// brought to the same parameters through its slots; returns how the pictures differ, or
// nothing. A synthesis plot whose glide still moves, or was stopped part-way by the next
// harmonic, holds a state no fresh plot reaches: it is passed over.
QString differsFromFresh(QWidget *plot);

} // namespace session
