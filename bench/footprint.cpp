// Start-up time to the first painted main menu, and resident memory: the menu alone, every
// window open at once, and after every window was opened and closed 200 times (or as many times
// as the first argument says).

#include "app/mainwindow.h"
#include "benchsupport.h"
#include "windowing/placement.h"
#include "windows.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

namespace
{

class FirstPaint : public QObject
{
public:
    bool seen = false;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            seen = true;
        return QObject::eventFilter(watched, event);
    }
};

// Milliseconds since the process was started, to the 10 ms the kernel counts in; -1 where the
// system does not say.
double sinceProcessStart()
{
    QFile stat(QStringLiteral("/proc/self/stat")), uptime(QStringLiteral("/proc/uptime"));
    if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly))
        return -1;
    // The fields after the command name, which ends with the last ')'; start time is field 22.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double started = fields.value(19).toDouble() / double(sysconf(_SC_CLK_TCK));
    const double now = uptime.readAll().split(' ').value(0).toDouble();
    return (now - started) * 1000.0;
}

void settle()
{
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

int main(int argc, char *argv[])
{
    QElapsedTimer clock;
    clock.start();
    auto app = bench::makeApplication();
    MainWindow menu;
    FirstPaint firstPaint;
    menu.installEventFilter(&firstPaint);
    veltarn::showFullScreen(menu);
    while (!firstPaint.seen)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("start-up to the first painted main menu: %.1f ms from main(), %.0f ms from the "
                "start of the process\n",
                clock.nsecsElapsed() / 1e6, sinceProcessStart());
    settle();
    const long menuOnly = bench::residentKiB();
    std::printf("resident, main menu alone: %ld KiB\n", menuOnly);

    for (const auto &button : testsupport::menuWindows)
        testsupport::openFromMenu(menu, button[0]);
    settle();
    long backingStores = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != &menu)
            backingStores += long(w->width()) * w->height() * 4 / 1024;
    const long allOpen = bench::residentKiB();
    std::printf("resident, every window open at once: %ld KiB (+%ld KiB; backing stores of the "
                "seven windows %ld KiB)\n",
                allOpen, allOpen - menuOnly, backingStores);
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != &menu)
            w->close();
    settle();

    // The first cycle leaves the allocator holding the windows' memory for reuse; growth is
    // counted from there.
    const auto cycle = [&menu] {
        for (const auto &button : testsupport::menuWindows) {
            QWidget *window = testsupport::openFromMenu(menu, button[0]);
            settle();
            window->close();
            settle();
        }
    };
    cycle();
    const int cycles = argc > 1 ? std::atoi(argv[1]) : 200;
    const long beforeCycles = bench::residentKiB();
    std::printf("resident after one open/close cycle of every window: %ld KiB, heap in use %ld "
                "KiB\n",
                beforeCycles, bench::heapInUseKiB());
    for (int i = 0; i < cycles; ++i) {
        cycle();
        if ((i + 1) % 50 == 0)
            std::printf("  after %3d more cycles: %ld KiB resident, %ld KiB heap in use\n", i + 1,
                        bench::residentKiB(), bench::heapInUseKiB());
    }
    const long afterCycles = bench::residentKiB();
    std::printf("resident after %d open/close cycles of every window: %ld KiB (growth %ld KiB)\n",
                cycles, afterCycles, afterCycles - beforeCycles);
    return 0;
}
