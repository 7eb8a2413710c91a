// Builds the main menu full screen, opens the author window over it and presses "Выход" from
// inside the event loop. The process must end inside that press with status 0; every other way
// out of this program has a status of its own.

#include "app/author.h"
#include "app/fullscreen.h"
#include "app/mainwindow.h"
#include "resources/resources.h"

#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    veltarn::initResources();
    MainWindow menu;
    veltarn::showFullScreen(menu);

    auto *authorButton = menu.findChild<QPushButton *>(QStringLiteral("Author"));
    auto *exitButton = menu.findChild<QPushButton *>(QStringLiteral("close"));
    if (!authorButton || !exitButton)
        return 2;
    authorButton->click();
    const QWidgetList windows = QApplication::topLevelWidgets();
    const bool authorShown = std::any_of(windows.begin(), windows.end(), [](QWidget *w) {
        return qobject_cast<author *>(w) && w->isVisible() && w->isFullScreen();
    });
    if (!authorShown)
        return 3;

    // Written to a pipe, so it only arrives if the press flushes what was printed.
    std::printf("author window open, pressing the exit button\n");
    QTimer::singleShot(0, exitButton, &QPushButton::click);
    QTimer::singleShot(0, &application, [] { QCoreApplication::exit(4); });
    application.exec();
    return 4;
}
