// Paint time of every plot in its heaviest state, at the size it has in a full-screen window on a
// 1920×1080 screen, at device pixel ratio 1 and at 2 (a 3840×2160 screen at 200 %).

#include "app/fullscreen.h"
#include "app/mainwindow.h"
#include "benchsupport.h"
#include "harmonics/fieldfunc.h"
#include "harmonics/fieldfuncharmonictrapeze.h"
#include "harmonics/fieldfuncharmonictriangle.h"
#include "literalmerge.h"

#include <QApplication>
#include <QImage>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace
{

void invoke(QWidget *plot, const char *slot, int repeat = 1)
{
    for (int i = 0; i < repeat; ++i)
        QMetaObject::invokeMethod(plot, slot, Qt::DirectConnection);
}

// The signal plot and the spectrum of a demonstration share most slot names, not all.
void invoke(QWidget *plot, const char *slot, int value, int)
{
    const QByteArray signature = QByteArray(slot) + "(int)";
    if (plot->metaObject()->indexOfSlot(signature.constData()) >= 0)
        QMetaObject::invokeMethod(plot, slot, Qt::DirectConnection, Q_ARG(int, value));
}

// Synthesis plots: every harmonic summed and a merge under way; spectra: every line lit; the
// pulse trains at the shortest period (most edges on screen); the modulated signal at full depth.
const std::map<QString, std::function<void(QWidget *)>> &heaviestStates()
{
    static const std::map<QString, std::function<void(QWidget *)>> states = {
        {"synthesis",
         [](QWidget *p) {
             for (int k = 0; k < 20; ++k) {
                 invoke(p, "addHarmonic");
                 invoke(p, "getSum");
             }
         }},
        {"synthesisSpectrum", [](QWidget *p) { invoke(p, "moveSpec", 20); }},
        {"pulseTrain",
         [](QWidget *p) {
             invoke(p, "lengthValueChanged", 1, 0);
             invoke(p, "periodValueChanged", 1, 0);
         }},
        {"shape",
         [](QWidget *p) {
             invoke(p, "tau2ValueChanged", 0, 0);
             invoke(p, "tau1ValueChanged", 1, 0);
             invoke(p, "periodValueChanged", 1, 0);
         }},
        {"modulation",
         [](QWidget *p) {
             // The signal plot takes the slider position, the spectrum integer part and
             // hundredths.
             if (p->metaObject()->indexOfSlot("mxValueChanged(int)") >= 0) {
                 invoke(p, "mValueChanged", 1, 0);
                 invoke(p, "mxValueChanged", 0, 0);
             } else {
                 invoke(p, "mValueChanged", 100, 0);
             }
         }},
    };
    return states;
}

QString familyOf(const QString &cls)
{
    if (cls == "FieldFunc" || cls.startsWith("fieldFuncHarmonic"))
        return "synthesis";
    if (cls == "FieldSpec" || cls.startsWith("fieldSpecHarmonic"))
        return "synthesisSpectrum";
    if (cls.startsWith("fieldDynamic"))
        return "pulseTrain";
    if (cls.startsWith("fieldDependence") && cls.endsWith("Dynamic"))
        return "shape";
    if (cls.startsWith("fieldAmplitude") && cls.endsWith("Dynamic"))
        return "modulation";
    return QString(); // reference plots: one fixed state
}

void paintPlot(benchmark::State &state, QWidget *plot, qreal dpr)
{
    QImage img(plot->size() * dpr, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    for (auto _ : state) {
        plot->render(&img);
        benchmark::DoNotOptimize(img.constBits());
    }
}

// The same synthesis plot with the literal ten-pass merge paint, for the ratio.
std::unique_ptr<QWidget> literalTwin(const QString &cls)
{
    if (cls == "FieldFunc")
        return std::make_unique<literalMerge<FieldFunc>>(nullptr);
    if (cls == "fieldFuncHarmonicTriangle")
        return std::make_unique<literalMerge<fieldFuncHarmonicTriangle>>(nullptr);
    if (cls == "fieldFuncHarmonicTrapeze")
        return std::make_unique<literalMerge<fieldFuncHarmonicTrapeze>>(nullptr);
    return nullptr;
}

void registerPaint(const QString &cls, QWidget *plot, const char *variant)
{
    for (qreal dpr : {1.0, 2.0}) {
        const QString name = QStringLiteral("%1%2/%3x%4/dpr%5")
                                 .arg(cls, QLatin1String(variant))
                                 .arg(plot->width())
                                 .arg(plot->height())
                                 .arg(dpr);
        benchmark::RegisterBenchmark(name.toStdString().c_str(), paintPlot, plot, dpr)
            ->Unit(benchmark::kMillisecond);
    }
}

} // namespace

int main(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    auto app = bench::makeApplication();
    MainWindow menu;
    veltarn::showFullScreen(menu);
    QApplication::processEvents();

    std::vector<std::unique_ptr<QWidget>> literalTwins;
    for (const QString &button : bench::menuButtons()) {
        QWidget *window = bench::openFromMenu(menu, button);
        if (!window)
            continue;
        for (QWidget *plot : bench::plotsOf(window)) {
            const QString cls = QString::fromLatin1(plot->metaObject()->className());
            const QString family = familyOf(cls);
            if (!family.isEmpty())
                heaviestStates().at(family)(plot);
            registerPaint(cls, plot, "");
            if (QWidget *twin = literalTwins.emplace_back(literalTwin(cls)).get()) {
                twin->setFont(plot->font());
                twin->resize(plot->size());
                heaviestStates().at(family)(twin);
                registerPaint(cls, twin, "-literal");
            }
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
