// Paint time of every plot in its heaviest state, at the size it has in a full-screen window on a
// 1920×1080 screen, at device pixel ratio 1 and at 2 (a 3840×2160 screen at 200 %).

#include "app/mainwindow.h"
#include "benchsupport.h"
#include "harmonics/fieldfunc.h"
#include "harmonics/fieldfuncharmonictrapeze.h"
#include "harmonics/fieldfuncharmonictriangle.h"
#include "literalmerge.h"
#include "windowing/placement.h"
#include "windows.h"

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QSlider>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace
{

// The heaviest state, reached through the window's own controls: every harmonic summed with the
// last merge under way and every spectral line lit; the pulse trains at the shortest period,
// where most edges are on screen; the modulated signal at full depth.
void makeHeaviest(QWidget *window)
{
    auto *add = window->findChild<QPushButton *>(QStringLiteral("addHarmonic"));
    auto *sum = window->findChild<QPushButton *>(QStringLiteral("sum"));
    for (int k = 0; add && sum && k < 20; ++k) {
        add->click();
        sum->click();
    }
    const std::pair<const char *, int> moves[] = {{"lengthhorizontalSlider", 1},
                                                  {"periodhorizontalSlider", 1},
                                                  {"tau2Slider", 0},
                                                  {"tau1Slider", 1},
                                                  {"periodSlider", 1},
                                                  {"MSlider", 100}};
    for (const auto &[name, value] : moves)
        if (auto *slider = window->findChild<QSlider *>(QLatin1String(name)))
            slider->setValue(value);
}

// The same synthesis plot painted the literal way (ten erased and redrawn passes), for the ratio.
std::unique_ptr<synthesisPlot> literalTwin(const QWidget *plot)
{
    const QString cls = QString::fromLatin1(plot->metaObject()->className());
    std::unique_ptr<synthesisPlot> twin;
    if (cls == "FieldFunc")
        twin = std::make_unique<literalMerge<FieldFunc>>(nullptr);
    else if (cls == "fieldFuncHarmonicTriangle")
        twin = std::make_unique<literalMerge<fieldFuncHarmonicTriangle>>(nullptr);
    else if (cls == "fieldFuncHarmonicTrapeze")
        twin = std::make_unique<literalMerge<fieldFuncHarmonicTrapeze>>(nullptr);
    if (twin) {
        twin->setFont(plot->font());
        twin->resize(plot->size());
        for (int k = 0; k < 20; ++k) {
            twin->addHarmonic();
            twin->getSum();
        }
    }
    return twin;
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

void registerPaint(QWidget *plot, const QString &name)
{
    for (qreal dpr : {1.0, 2.0}) {
        const QString full = QStringLiteral("%1/%2x%3/dpr%4")
                                 .arg(name)
                                 .arg(plot->width())
                                 .arg(plot->height())
                                 .arg(dpr);
        benchmark::RegisterBenchmark(full.toStdString().c_str(), paintPlot, plot, dpr)
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

    std::vector<std::unique_ptr<synthesisPlot>> literalTwins;
    for (const auto &button : testsupport::menuWindows) {
        QWidget *window = testsupport::openFromMenu(menu, button[0]);
        QApplication::processEvents(); // lays the window out at full screen
        makeHeaviest(window);
        for (QWidget *plot : session::plotsOf(window)) {
            const QString cls = QString::fromLatin1(plot->metaObject()->className());
            registerPaint(plot, cls);
            if (auto twin = literalTwin(plot))
                registerPaint(literalTwins.emplace_back(std::move(twin)).get(), cls + "-literal");
        }
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
