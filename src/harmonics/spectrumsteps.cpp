#include "harmonics/spectrumsteps.h"

#include <limits>

void spectrumSteps::moveSpec()
{
    // Counts every press, also past the last line; held at the int limit rather than wrapping.
    if (shownHarmonics < std::numeric_limits<int>::max())
        ++shownHarmonics;
    update();
}

void spectrumSteps::withdrawSpec()
{
    if (shownHarmonics > 0)
        --shownHarmonics;
    update();
}

void spectrumSteps::reper()
{
    shownHarmonics = 0;
    update();
}
