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

namespace
{

// More "Репер" steps than any signal plot keeps steps to take back (two a harmonic and some
// more), so each one it can take back is still here.
constexpr std::size_t reperMemory = 256;

} // namespace

void spectrumSteps::reper()
{
    if (beforeReper.size() == reperMemory)
        beforeReper.erase(beforeReper.begin());
    beforeReper.push_back(shownHarmonics);
    shownHarmonics = 0;
    update();
}

void spectrumSteps::withdrawReper()
{
    if (beforeReper.empty())
        return;
    shownHarmonics = beforeReper.back();
    beforeReper.pop_back();
    update();
}
