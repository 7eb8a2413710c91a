#include "app/fullscreen.h"

#include <QLayout>
#include <QScreen>
#include <QWidget>

namespace veltarn
{

void showFullScreen(QWidget &window, QScreen *screen)
{
    window.ensurePolished();
    if (QLayout *layout = window.layout())
        layout->activate();
    if (screen && screen != window.screen()) {
        window.setScreen(screen);
        // Window managers, and the toolkit itself, take the screen of a window from where it
        // lies.
        window.setGeometry(screen->geometry());
    }
    window.showFullScreen();
}

void toggleFullScreen(QWidget &window)
{
    if (!window.isFullScreen()) {
        showFullScreen(window, window.screen());
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
