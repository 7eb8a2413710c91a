// Start-up time to the first painted main menu, and resident memory: the menu alone, every
// window open at once, and after every window was opened and closed 200 times.

#include "app/mainwindow.h"
#include "benchsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>

#include <cstdio>

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

void settle()
{
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

int main()
{
    QElapsedTimer clock;
    clock.start();
    auto app = bench::makeApplication();
    MainWindow menu;
    FirstPaint firstPaint;
    menu.installEventFilter(&firstPaint);
    menu.showFullScreen();
    while (!firstPaint.seen)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    std::printf("start-up to the first painted main menu: %.1f ms (from main)\n",
                clock.nsecsElapsed() / 1e6);
    settle();
    const long menuOnly = bench::residentKiB();
    std::printf("resident, main menu alone: %ld KiB\n", menuOnly);

    long backingStores = 0;
    for (const QString &button : bench::menuButtons()) {
        QWidget *window = bench::openFromMenu(menu, button);
        backingStores += long(window->width()) * window->height() * 4 / 1024;
    }
    settle();
    const long allOpen = bench::residentKiB();
    std::printf("resident, every window open at once: %ld KiB (+%ld KiB; backing stores of the "
                "seven windows %ld KiB)\n",
                allOpen, allOpen - menuOnly, backingStores);
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != &menu)
            w->close();
    settle();

    const int cycles = 200;
    const long beforeCycles = bench::residentKiB();
    for (int i = 0; i < cycles; ++i) {
        for (const QString &button : bench::menuButtons()) {
            bench::openFromMenu(menu, button)->close();
            settle();
        }
    }
    const long afterCycles = bench::residentKiB();
    std::printf("resident after %d open/close cycles of every window: %ld KiB (growth %ld KiB)\n",
                cycles, afterCycles, afterCycles - beforeCycles);
    return 0;
}
