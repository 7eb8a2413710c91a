// Stands in for the lecturer at the end of a lecture: opens every window from the main menu and
// presses "Выход" inside the event loop. The process must end in that press with status 0; every
// other way out has a status of its own.

#include "app/mainwindow.h"
#include "testsupport.h"
#include "windowing/placement.h"

#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    veltarn::initResources();
    MainWindow menu;
    veltarn::showFullScreen(menu);
    for (const auto &[button, window] : testsupport::menuWindows)
        if (!testsupport::openFromMenu(menu, button))
            return 3;
    // Written to a pipe, so it only arrives if the press flushes what was printed.
    std::printf("every window open, pressing Выход\n");
    QTimer::singleShot(0, menu.findChild<QPushButton *>(QStringLiteral("close")),
                       &QPushButton::click);
    QTimer::singleShot(0, &application, [] { QCoreApplication::exit(4); });
    application.exec();
    return 4;
}
