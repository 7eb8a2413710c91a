#pragma once

#include <functional>

class QPushButton;
class QWidget;
class synthesisPlot;

// Gives a synthesis window its sound: the red partial sum of `plot`, one period in 1/220 s,
// taking a new harmonic in when the glide onto it ends; one period in 1/fundamental() s where
// the window gives its own.
void attachSynthesisSound(QWidget &window, QPushButton &button, synthesisPlot &plot,
                          std::function<double()> fundamental = {});
