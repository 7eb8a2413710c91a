// Paint plus flush of whole frames on the real window system: every window of the program on
// the screen it is started on, each step timed from the change to the moment the X server has
// taken the flushed picture. Run by bench/frames.sh, which provides the X server.
//
//   slider   one step of every slider of a parameter window, and back
//   merge    one frame of the glide in a synthesis window, every harmonic summed
//   expose   a full repaint of a window, the main menu included

#include "app/fullscreen.h"
#include "app/mainwindow.h"
#include "harmonics/synthesisplot.h"
#include "resources/resources.h"
#include "windows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QThread>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace
{

class PaintCounter : public QObject
{
public:
    long count = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

int repetitions = 60;
PaintCounter *paints = nullptr;

// Lets the window manager map, place and expose a window, then answers whatever it sent.
void settle(int milliseconds = 300)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    QGuiApplication::sync();
    QApplication::processEvents();
}

// The repaint manager posts its update requests; delivering them paints the dirty widgets into
// the backing store and flushes it, and the round trip returns once the server has taken it.
void paintAndFlush()
{
    QCoreApplication::sendPostedEvents();
    QGuiApplication::sync();
}

void report(const char *window, const char *step, std::vector<double> times, long paintEvents)
{
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    std::printf("| %s | %s | %zu | %.2f | %.2f | %.1f |\n", window, step, times.size(), median,
                times.back(), double(paintEvents) / double(times.size()));
    std::fflush(stdout);
}

// Times `step` (which must leave its paints to paintAndFlush) `repetitions` times; `prepare`
// runs untimed before each.
void measure(const char *window, const char *step, const std::function<void()> &action,
             const std::function<void()> &prepare = {})
{
    std::vector<double> times;
    long paintEvents = 0;
    QElapsedTimer clock;
    for (int i = 0; i < repetitions; ++i) {
        if (prepare) {
            prepare();
            paintAndFlush();
        }
        const long before = paints->count;
        clock.start();
        action();
        paintAndFlush();
        times.push_back(double(clock.nsecsElapsed()) / 1e6);
        paintEvents += paints->count - before;
    }
    report(window, step, times, paintEvents);
}

void measureExpose(QWidget *window, const char *name)
{
    measure(name, "expose", [window] { window->repaint(); });
}

void measureSliders(QWidget *window, const char *name)
{
    for (QSlider *slider : window->findChildren<QSlider *>()) {
        // One step towards the middle of the range and back, so a refused value (a duration
        // longer than the period) cannot stall the slider at one end.
        const int home = slider->value();
        const int towards = home < (slider->minimum() + slider->maximum()) / 2 ? 1 : -1;
        int n = 0;
        const QByteArray step = "slider " + slider->objectName().toLatin1();
        measure(name, step.constData(), [&] {
            slider->setValue(n++ % 2 == 0 ? home + towards * slider->singleStep() : home);
        });
    }
}

void measureMerge(QWidget *window, const char *name)
{
    auto *add = window->findChild<QPushButton *>(QStringLiteral("addHarmonic"));
    auto *sum = window->findChild<QPushButton *>(QStringLiteral("sum"));
    auto *reper = window->findChild<QPushButton *>(QStringLiteral("reper"));
    synthesisPlot *plot = window->findChild<synthesisPlot *>();
    if (!add || !sum || !reper || !plot)
        return;
    const auto sumAll = [&] {
        for (int k = 0; k < 20; ++k) {
            add->click();
            sum->click();
        }
    };
    sumAll();
    paintAndFlush();
    // Every frame moves the glide of the last harmonic merged; when it has settled the
    // harmonics are summed again from the start.
    measure(
        name, "merge", [plot] { plot->update(); },
        [&] {
            if (plot->isAnimating())
                return;
            reper->click();
            sumAll();
        });
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    veltarn::initResources();
    if (argc > 1)
        repetitions = std::max(50, std::atoi(argv[1]));
    PaintCounter counter;
    paints = &counter;
    app.installEventFilter(&counter);

    const QScreen *screen = QGuiApplication::primaryScreen();
    std::printf("platform %s, screen %dx%d device pixels, device pixel ratio %.2g, %d runs\n\n",
                qPrintable(QGuiApplication::platformName()),
                int(screen->geometry().width() * screen->devicePixelRatio()),
                int(screen->geometry().height() * screen->devicePixelRatio()),
                screen->devicePixelRatio(), repetitions);
    std::printf("| window | step | runs | median ms | worst ms | paint events per step |\n");
    std::printf("|---|---|---|---|---|---|\n");

    MainWindow menu;
    veltarn::showFullScreen(menu);
    settle(1000);
    measureExpose(&menu, "MainWindow");

    for (const char *button : session::menuButtons()) {
        QWidget *window = session::openFromMenu(menu, button);
        settle();
        const QByteArray name = window->metaObject()->className();
        measureSliders(window, name.constData());
        measureMerge(window, name.constData());
        measureExpose(window, name.constData());
        window->close();
        settle(100);
    }
    return 0;
}
