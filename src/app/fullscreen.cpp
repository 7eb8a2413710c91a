#include "app/fullscreen.h"

#include <QLayout>
#include <QWidget>

namespace veltarn
{

void showFullScreen(QWidget &window)
{
    window.ensurePolished();
    if (QLayout *layout = window.layout())
        layout->activate();
    window.showFullScreen();
}

} // namespace veltarn
