#pragma once

// The random lecture: steps a lecturer can take, and what every window promises after any of
// them.

#include "windows.h"

#include <functional>
#include <memory>

class MainWindow;

namespace session
{

// A seeded choice of 0 … count − 1.
using Pick = std::function<int(int count)>;

// Buttons clicked where they are visible, focus moved with Tab and activated with Space, sliders
// dragged or moved by every key a slider takes, the remote's and the lecture keys pressed wherever
// the focus is, windows and single plots resized to anything, windows opened from the menu (by
// click or digit key) and closed. Returns what it did; `touched` is the window it acted on.
QString randomStep(MainWindow &menu, const Pick &pick, QWidget *&touched);

// What a demonstration window breaks of its promises, or nothing.
QString brokenPromise(QWidget *window);

// A plot of the live plot's class brought to its parameters through its slots, standing alone;
// null for an unknown class or a synthesis plot whose glide still moves or was stopped part-way
// by the next harmonic (a state no fresh plot reaches).
std::unique_ptr<QWidget> freshPlot(QWidget *live);
// How a live plot's picture differs from that of a fresh plot at its size and font, or nothing.
QString differsFromFresh(QWidget *plot);

} // namespace session
