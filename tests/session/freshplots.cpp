#include "freshplots.h"

#include "harmonics/fieldfunc.h"
#include "harmonics/fieldfuncharmonictrapeze.h"
#include "harmonics/fieldfuncharmonictriangle.h"
#include "harmonics/fieldspec.h"
#include "harmonics/fieldspecharmonictrapeze.h"
#include "harmonics/fieldspecharmonictriangle.h"
#include "plotdrivers.h"
#include "pulsetrain/fielddynamicfuncperiodic.h"
#include "pulsetrain/fielddynamicspecperiodic.h"
#include "shape/fielddependencefuncdynamic.h"
#include "shape/fielddependencespecdynamic.h"
#include "windows.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <memory>

namespace
{

using Fresh = std::function<std::unique_ptr<QWidget>(QWidget *live)>;

template <typename P> std::unique_ptr<QWidget> signal(QWidget *w)
{
    const auto &live = static_cast<P &>(*w);
    auto plot = std::make_unique<P>();
    if (live.isAnimating())
        return nullptr;
    // At the live plot's width, so both carry the same samples.
    plot->resize(live.size());
    drive::synthesis(*plot, live.harmonicsSummed(), live.displayedHarmonic() && !live.isMerging());
    // Hidden, the fresh plot glides one frame a paint; sixty (of one pixel) end any glide.
    QImage pixel(1, 1, QImage::Format_ARGB32_Premultiplied);
    for (int frame = 0; frame < 60; ++frame)
        plot->render(&pixel, QPoint(), QRegion(0, 0, 1, 1));
    // Only a harmonic added while the sum still glided leaves the sum part-way.
    const auto &a = live.displayedSum(), &b = plot->displayedSum();
    for (std::size_t i = 0;
         i < std::min(a.size(), b.size()) && !live.isMerging() && live.displayedHarmonic(); ++i)
        if (std::abs(a[i] - b[i]) > 1e-3)
            return nullptr;
    return plot;
}

template <typename P> std::unique_ptr<QWidget> spectrum(QWidget *w)
{
    auto plot = std::make_unique<P>();
    for (int k = std::min(static_cast<P *>(w)->highlightedLines(), 1000); k > 0; --k)
        plot->moveSpec();
    return plot;
}

template <typename P> std::unique_ptr<QWidget> pulses(QWidget *w)
{
    const auto &live = static_cast<P &>(*w);
    auto plot = std::make_unique<P>();
    drive::pulses(*plot, int(live.heldPeriod()), int(live.heldLength()));
    return plot;
}

template <typename P> std::unique_ptr<QWidget> trapezoids(QWidget *w)
{
    const auto &live = static_cast<P &>(*w).parameters();
    auto plot = std::make_unique<P>();
    drive::trapezoids(*plot, live.period, live.tau1, live.tau2);
    return plot;
}

// Held within int range: the spectrum takes integer parts up to the int limits.
int hundredths(double v)
{
    return qRound(std::clamp(v * 100, -1e9, 1e9));
}

template <typename P> std::unique_ptr<QWidget> modulation(QWidget *w)
{
    const auto &live = static_cast<P &>(*w).signalModel();
    auto plot = std::make_unique<P>();
    drive::modulation(*plot, hundredths(live.depth()), hundredths(live.omegaM()),
                      hundredths(live.omegaN()));
    return plot;
}

const std::map<QString, Fresh> &freshPlots()
{
    static const std::map<QString, Fresh> plots = {
        {"FieldFunc", signal<FieldFunc>},
        {"fieldFuncHarmonicTriangle", signal<fieldFuncHarmonicTriangle>},
        {"fieldFuncHarmonicTrapeze", signal<fieldFuncHarmonicTrapeze>},
        {"FieldSpec", spectrum<FieldSpec>},
        {"fieldSpecHarmonicTriangle", spectrum<fieldSpecHarmonicTriangle>},
        {"fieldSpecHarmonicTrapeze", spectrum<fieldSpecHarmonicTrapeze>},
        {"fieldDynamicFuncPeriodic", pulses<fieldDynamicFuncPeriodic>},
        {"fieldDynamicSpecPeriodic", pulses<fieldDynamicSpecPeriodic>},
        {"fieldDependenceFuncDynamic", trapezoids<fieldDependenceFuncDynamic>},
        {"fieldDependenceSpecDynamic", trapezoids<fieldDependenceSpecDynamic>},
        {"fieldAmplitudeFunDynamic", modulation<fieldAmplitudeFunDynamic>},
        {"fieldAmplitudeSpecDynamic", modulation<fieldAmplitudeSpecDynamic>}};
    return plots;
}

} // namespace

namespace session
{

std::unique_ptr<QWidget> freshPlot(QWidget *live)
{
    const auto found = freshPlots().find(QString::fromLatin1(live->metaObject()->className()));
    return found == freshPlots().end() ? nullptr : found->second(live);
}

QString differsFromFresh(QWidget *live)
{
    const QString name = QString::fromLatin1(live->metaObject()->className());
    if (!freshPlots().count(name))
        return isReference(live) ? QString() : name + QStringLiteral(": no fresh plot to compare");
    const std::unique_ptr<QWidget> plot = freshPlot(live);
    if (!plot)
        return QString();
    plot->setFont(live->font());
    plot->resize(live->size());
    const QImage a = paint(live), b = paint(plot.get());
    if (a == b)
        return QString();
    return QStringLiteral("%1 (%2) at %3x%4 differs from a fresh one")
        .arg(live->objectName(), name)
        .arg(live->width())
        .arg(live->height());
}

} // namespace session
