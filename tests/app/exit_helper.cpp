// Stands in for the lecturer at the end of a lecture, in one of two ways:
// - no argument: opens every window from the main menu and presses "Выход" from inside the
//   event loop; the process must end inside that press with status 0;
// - "close-menu": the window system closes the main menu, the only window; the event loop ends
//   and its result is the process's status.
// Every other way out of this program has a status of its own.

#include "app/fullscreen.h"
#include "app/mainwindow.h"
#include "resources/resources.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstring>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    veltarn::initResources();
    MainWindow menu;
    veltarn::showFullScreen(menu);

    if (argc > 1 && std::strcmp(argv[argc - 1], "close-menu") == 0) {
        QTimer::singleShot(0, &menu, [&menu] {
            QCloseEvent close;
            QCoreApplication::sendEvent(menu.windowHandle(), &close);
        });
        const int result = application.exec();
        std::printf("event loop ended with %d\n", result);
        return result;
    }

    for (const char *name :
         {"startHarmonicRectangle", "startPeriodicSpectres", "startHarmonicTriangle",
          "startSignalDependence", "startHarmonicTrapeze", "startAmplitudeModSignal", "Author"}) {
        const int before = QApplication::topLevelWidgets().size();
        auto *button = menu.findChild<QPushButton *>(QLatin1String(name));
        if (!button)
            return 2;
        button->click();
        if (QApplication::topLevelWidgets().size() <= before)
            return 3;
    }

    // Written to a pipe, so it only arrives if the press flushes what was printed.
    std::printf("every window open, pressing Выход\n");
    auto *exitButton = menu.findChild<QPushButton *>(QStringLiteral("close"));
    if (!exitButton)
        return 2;
    QTimer::singleShot(0, exitButton, &QPushButton::click);
    QTimer::singleShot(0, &application, [] { QCoreApplication::exit(4); });
    application.exec();
    return 4;
}
