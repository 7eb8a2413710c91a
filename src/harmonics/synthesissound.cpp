#include "harmonics/synthesissound.h"

#include "harmonics/synthesisplot.h"
#include "sound/soundcontroller.h"

#include <QPushButton>

void attachSynthesisSound(QWidget &window, QPushButton &button, synthesisPlot &plot,
                          std::function<double()> fundamental)
{
    auto *voice = new sound::Controller(window, button, [&plot, fundamental] {
        std::vector<double> terms;
        for (int k = 0; k < plot.settledHarmonics(); ++k)
            terms.push_back(plot.termAmplitude(k));
        return sound::harmonicSeries(fundamental ? fundamental() : sound::synthesisFundamental,
                                     terms);
    });
    // A sum the plot cannot glide onto (hidden) is heard at once; otherwise when it settles.
    QObject::connect(&plot, &synthesisPlot::sumOfHarmonicChanged, voice,
                     &sound::Controller::refresh);
    QObject::connect(&plot, &synthesisPlot::sumSettled, voice, &sound::Controller::refresh);
}
