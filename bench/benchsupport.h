#pragma once

#include <QList>
#include <QString>

#include <memory>

class QApplication;
class QWidget;
class MainWindow;

namespace bench
{

// The application on the offscreen platform with a 1920×1080 screen, whatever the command line.
std::unique_ptr<QApplication> makeApplication();

// The main menu's buttons that open the demonstrations and the author window, in menu order.
QList<QString> menuButtons();

// Clicks a main-menu button and returns the window it opened (full screen, laid out).
QWidget *openFromMenu(MainWindow &menu, const QString &button);

// The plot widgets of a window, in creation order.
QList<QWidget *> plotsOf(QWidget *window);

// Resident memory of this process in kibibytes, after freed memory went back to the system.
long residentKiB();

// Heap memory the program holds (allocated and not yet freed) in kibibytes; -1 where the C
// library does not say.
long heapInUseKiB();

} // namespace bench
