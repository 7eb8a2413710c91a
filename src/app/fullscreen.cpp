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

void showFullScreen(QWidget &window)
{
    window.ensurePolished();
    if (QLayout *layout = window.layout())
        layout->activate();
    const Placement &p = placement();
    if (p.screen) {
        // Some platforms choose the screen by where the window is, not by setScreen() alone.
        window.setScreen(p.screen);
        if (!p.windowed)
            window.setGeometry(p.screen->geometry());
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

} // namespace veltarn
