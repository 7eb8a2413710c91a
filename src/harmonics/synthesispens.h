#pragma once

#include <QPen>

// The palette of the synthesis demonstrations' plots, built once.
struct synthesisPens {
    QPen grid;
    QPen axis;
    QPen tick;      // period ticks on the time axis
    QPen ideal;     // the ideal signal
    QPen harmonic;  // the harmonic shown alone
    QPen sum;       // the partial sum
    QPen line;      // a spectral line
    QPen disc;      // the disc at its tip
    QPen shownLine; // a line whose harmonic was added
    QPen shownDisc; // and its disc

    static const synthesisPens &get();
};
