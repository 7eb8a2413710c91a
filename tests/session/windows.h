#pragma once

// Finding the application's windows and plots the way every whole-application check needs them.

#include <QImage>
#include <QList>

class MainWindow;
class QObject;
class QWidget;

namespace session
{

// The main menu's buttons that open a window.
const QList<const char *> &menuButtons();
// Clicks a main-menu button and returns the window it opened.
QWidget *openFromMenu(MainWindow &menu, const char *button);
QList<QWidget *> plotsOf(QWidget *window);
bool isReference(const QObject *plot);
// Paints a plot at its current size; an empty plot paints nothing.
QImage paint(QWidget *plot);

} // namespace session
