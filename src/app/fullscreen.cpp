#include "app/fullscreen.h"

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
    if (!p.windowed) {
        window.showFullScreen();
        return;
    }
    // The forms are drawn for a hall's screen; an ordinary window leaves room around it.
    const QRect area = window.screen()->availableGeometry();
    window.resize((area.size() * 4 / 5).expandedTo(window.minimumSize()));
    window.move(area.center() - window.rect().center());
    window.show();
}

void toggleFullScreen(QWidget &window)
{
    if (!window.isFullScreen()) {
        window.showFullScreen();
        return;
    }
    const QRect screen = window.screen()->availableGeometry();
    const QSize size = (screen.size() * 3 / 4).expandedTo(window.minimumSizeHint());
    window.showNormal();
    window.setGeometry(
        QRect(QPoint(0, 0), size)
            .translated(screen.center() - QPoint(size.width() / 2, size.height() / 2)));
}

} // namespace veltarn
