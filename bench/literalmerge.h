#pragma once

// The merge frame of a synthesis plot painted literally, the glide's steps taken inside the paint:
// ten times the widget is erased, the background drawn, both curves moved a tenth of the way and
// drawn again, and only then the red sum on top. Kept as the reference that the production frame
// (the steps on the frame clock, then one drawing) is measured against and must match pixel for
// pixel.

#include "harmonics/synthesispens.h"

#include <QPainter>

template <class Plot> class literalMerge : public Plot
{
public:
    using Plot::Plot;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        const draw::PixelFrame f = this->frame();
        const auto &pens = synthesisPens::get();
        const std::vector<double> *harmonic =
            this->currentHarmonic ? &*this->currentHarmonic : nullptr;
        p.eraseRect(this->rect());
        this->drawBackground(p, f);
        this->drawCurve(p, f, harmonic, pens.harmonic);
        if (this->harmonicNumber == 0) {
            if (this->options.redBeforeFirstSum)
                this->drawCurve(p, f, harmonic, pens.sum);
            return;
        }
        if (this->merging) {
            std::vector<double> &shown = this->shownSum;
            std::vector<double> &current = *this->currentHarmonic;
            const std::vector<double> &target = *this->targetSum;
            for (int pass = 0; pass < 10; ++pass) {
                p.eraseRect(this->rect());
                this->drawBackground(p, f);
                for (std::size_t i = 0; i < target.size(); ++i) {
                    shown[i] += (target[i] - shown[i]) / 10;
                    current[i] += (target[i] - current[i]) / 10;
                }
                this->glideWeights();
                this->drawCurve(p, f, &current, pens.harmonic);
                this->drawCurve(p, f, &shown, pens.sum);
            }
        }
        this->drawCurve(p, f, &this->shownSum, pens.sum);
    }
};
