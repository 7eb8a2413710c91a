#pragma once

#include <QString>

#include <memory>

class QWidget;

namespace session
{

// A plot of the live plot's class brought to its parameters through its slots, standing alone;
// null for an unknown class or a synthesis plot whose glide still moves or was stopped part-way
// by the next harmonic (a state no fresh plot reaches).
std::unique_ptr<QWidget> freshPlot(QWidget *live);

// How a live plot's picture differs from that of a fresh plot at its size and font, or nothing.
QString differsFromFresh(QWidget *plot);

} // namespace session
