#include "app/defaultfont.h"
#include "app/display.h"
#include "app/fullscreen.h"
#include "app/mainwindow.h"
#include "resources/resources.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (!veltarn::hasDisplay(argc, argv)) {
        std::fputs("veltarn: no display to show the windows on: set DISPLAY or WAYLAND_DISPLAY "
                   "(or QT_QPA_PLATFORM=offscreen to run without a screen)\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    // Lets the desktop match the windows to the menu entry and show its icon.
    QApplication::setDesktopFileName(QStringLiteral(VELTARN_APP_ID));
    veltarn::initResources();
    veltarn::setDefaultFont();
    MainWindow w;
    veltarn::showFullScreen(w);
    return application.exec();
}
