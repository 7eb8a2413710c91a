#pragma once

class QPushButton;
class QWidget;
class synthesisPlot;

// Gives a synthesis window its sound: the red partial sum of `plot`, one period in 1/220 s,
// taking a new harmonic in when the glide onto it ends.
void attachSynthesisSound(QWidget &window, QPushButton &button, synthesisPlot &plot);
