// Paint plus flush of whole frames on the real window system: every window of the program on
// the screen it is started on, each step timed from the change to the moment the X server has
// taken the flushed picture. Run by bench/frames.sh, which provides the X server.
//
//   slider   one step of every slider of a parameter window, and back
//   merge    one frame of the glide in a synthesis window, every harmonic summed
//   stroke   one piece of a stroke drawn on the workshop's signal plot: the samples under it,
//            the series by FFT, the readouts' partial sum and the plots repainted
//   expose   every widget of a window repainted, the main menu included, and a bare window
//            of nothing but its ground

#include "app/mainwindow.h"
#include "harmonics/synthesisplot.h"
#include "resources/resources.h"
#include "windowing/placement.h"
#include "windows.h"
#include "workshop/workshopplot.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMouseEvent>
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
        // Windows get paint events of their own, which only pass the widgets theirs.
        if (event->type() == QEvent::Paint && watched->isWidgetType())
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

double median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void report(const char *window, const char *step, const std::vector<double> &times,
            const std::vector<double> &roundTrips, long paintEvents)
{
    std::printf("| %s | %s | %zu | %.2f | %.2f | %.2f | %.1f |\n", window, step, times.size(),
                median(times), *std::max_element(times.begin(), times.end()), median(roundTrips),
                double(paintEvents) / double(times.size()));
    std::fflush(stdout);
}

// Times `step` (which must leave its paints to paintAndFlush) `repetitions` times; `prepare`
// runs untimed before each.
void measure(const char *window, const char *step, const std::function<void()> &action,
             const std::function<void()> &prepare = {})
{
    std::vector<double> times, roundTrips;
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
        QCoreApplication::sendPostedEvents();
        const qint64 painted = clock.nsecsElapsed();
        QGuiApplication::sync();
        const qint64 done = clock.nsecsElapsed();
        times.push_back(double(done) / 1e6);
        roundTrips.push_back(double(done - painted) / 1e6);
        paintEvents += paints->count - before;
    }
    report(window, step, times, roundTrips, paintEvents);
}

// As when the window first appears: every widget painted afresh. (A repaint of the window alone
// leaves the opaque plots' pixels in the backing store untouched, and an expose by the window
// system merely flushes the backing store again.)
void measureExpose(QWidget *window, const char *name)
{
    measure(name, "expose", [window] {
        window->update();
        // The window's update covers every widget that shows what lies beneath it; the others
        // are asked one by one.
        for (QWidget *child : window->findChildren<QWidget *>())
            if (child->autoFillBackground() || child->testAttribute(Qt::WA_OpaquePaintEvent))
                child->update();
    });
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
        name, "merge", [plot] { plot->advanceGlide(); },
        [&] {
            if (plot->isAnimating())
                return;
            reper->click();
            sumAll();
        });
}

void measureStroke(QWidget *window, const char *name)
{
    auto *plot = window->findChild<workshopPlot *>();
    if (!plot)
        return;
    const auto send = [plot](QEvent::Type type, QPoint at) {
        QMouseEvent e(type, at, plot->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(plot, &e);
    };
    // A zigzag across a period, each piece a few pixels on and the height turned over.
    const QPoint start = plot->pixelOf(0.1, 0.0);
    send(QEvent::MouseButtonPress, start);
    int n = 0;
    measure(name, "stroke", [&] {
        ++n;
        send(QEvent::MouseMove, start + QPoint(5 * (n % 80), n % 2 ? -40 : 40));
    });
    send(QEvent::MouseButtonRelease, start);
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
    std::printf("| window | step | runs | median ms | worst ms | median ms of the round trip "
                "| paint events per step |\n");
    std::printf("|---|---|---|---|---|---|---|\n");

    {
        // The floor under every expose: a window of nothing but its ground, filled and taken
        // by the server whole.
        QWidget bare;
        bare.setAutoFillBackground(true);
        veltarn::showFullScreen(bare);
        settle(1000);
        measureExpose(&bare, "bare window (ground only)");
    }

    MainWindow menu;
    veltarn::showFullScreen(menu);
    settle(1000);
    measureExpose(&menu, QByteArray("MainWindow " + QByteArray::number(menu.width()) + 'x' +
                                    QByteArray::number(menu.height()))
                             .constData());

    for (const auto &button : testsupport::menuWindows) {
        QWidget *window = testsupport::openFromMenu(menu, button[0]);
        settle();
        const QByteArray name = QByteArray(window->metaObject()->className()) + ' ' +
                                QByteArray::number(window->width()) + 'x' +
                                QByteArray::number(window->height());
        measureSliders(window, name.constData());
        measureMerge(window, name.constData());
        measureStroke(window, name.constData());
        measureExpose(window, name.constData());
        window->close();
        settle(100);
    }
    return 0;
}
