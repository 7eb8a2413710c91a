#include "windowing/placement.h"

#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QWidget>

namespace veltarn
{

namespace
{

struct Placement {
    QPointer<QScreen> screen;
    bool windowed = false;
};

Placement &placement()
{
    static Placement p;
    return p;
}

// The forms are drawn for a hall's screen; an ordinary window leaves room around it, three
// quarters of the screen, but never less than its layout's minimum.
void showOrdinary(QWidget &window)
{
    const QRect area = window.screen()->availableGeometry();
    QRect frame(QPoint(), (area.size() * 3 / 4).expandedTo(window.minimumSizeHint()));
    frame.moveCenter(area.center());
    window.showNormal();
    window.setGeometry(frame);
}

} // namespace

void showWindowsOn(QScreen *screen, bool windowed)
{
    placement() = {screen, windowed};
}

void showFullScreen(QWidget &window, QScreen *screen)
{
    window.ensurePolished();
    if (QLayout *layout = window.layout())
        layout->activate();
    const Placement &p = placement();
    // A screen named by the caller (the one the menu is on now) is taken over the one chosen at
    // start; a window already there stays where the platform puts it.
    QScreen *target = screen ? screen : p.screen.data();
    if (target && (!screen || screen != window.screen())) {
        // Some platforms choose the screen by where the window is, not by setScreen() alone.
        window.setScreen(target);
        if (!p.windowed)
            window.setGeometry(target->geometry());
    }
    if (p.windowed)
        showOrdinary(window);
    else
        window.showFullScreen();
}

void toggleFullScreen(QWidget &window)
{
    if (window.isFullScreen())
        showOrdinary(window);
    else
        window.showFullScreen();
}

} // namespace veltarn
