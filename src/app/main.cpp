#include "app/defaultfont.h"
#include "app/display.h"
#include "app/mainwindow.h"
#include "cli/commandline.h"
#include "language/language.h"
#include "resources/resources.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const bool hasDisplay = veltarn::hasDisplay(argc, argv);
    // Help, the version, the list and export show no window: they run on the offscreen
    // platform, so they work without a display and export draws the same everywhere. The
    // platform a user names is kept.
    if (!hasDisplay ||
        (veltarn::cli::needsNoScreen(argc, argv) && !veltarn::platformChosen(argc, argv)))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    auto guard = std::make_unique<veltarn::DisplayGuard>(argc, argv);
    QApplication application(argc, argv);
    guard.reset();
    QApplication::setApplicationName(QStringLiteral("veltarn"));
    // Lets the desktop match the windows to the menu entry and show its icon.
    QApplication::setDesktopFileName(QStringLiteral(VELTARN_APP_ID));
    veltarn::initResources();
    veltarn::setDefaultFont();
    // Chooses the language, which the display name below is written in.
    const veltarn::cli::Options options = veltarn::cli::parse(QApplication::arguments());
    // What task bars and title bars call the program.
    QApplication::setApplicationDisplayName(veltarn::language::programName());
    return veltarn::cli::run(options, hasDisplay, []() -> std::unique_ptr<QWidget> {
        return std::make_unique<MainWindow>();
    });
}
