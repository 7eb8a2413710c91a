#pragma once

// Drives the application the way a lecturer can: buttons clicked where they are visible, focus
// moved with Tab and activated with Space (covered buttons included), sliders dragged or moved
// by every key a slider takes, windows and single plots resized to anything, and every plot
// painted after every step. The random choices come from one seeded generator so that a failing
// session can be replayed.

#include <QImage>
#include <QList>
#include <QPointer>
#include <QSize>
#include <QString>

#include <functional>
#include <map>
#include <random>

class QWidget;
class QSlider;
class MainWindow;

class SessionDriver
{
public:
    // Returns an empty string when the window keeps its promises, else what it broke.
    using Invariant = std::function<QString(QWidget *window)>;

    SessionDriver(MainWindow &menu, quint64 seed);

    void setInvariant(const QString &windowName, Invariant check);

    // One random step; returns a short description of what it did.
    QString step();
    // Checks every open window's promises, paints every plot of the window the last step acted
    // on and checks that its reference plots still show their first picture; returns the first
    // broken promise, or an empty string.
    QString checkAll();

    QList<QWidget *> openWindows() const;
    static QList<QWidget *> plotsOf(QWidget *window);
    // Paints a plot at its current size; an empty widget paints nothing.
    static QImage paint(QWidget *plot);
    static void holdMinimumSize(QWidget *window);

private:
    QString openFromMenu();
    QString clickVisibleButton(QWidget *window);
    QString moveFocusAndActivate(QWidget *window);
    QString moveSlider(QWidget *window);
    QString resizeWindow(QWidget *window);
    QString resizePlot(QWidget *window);
    QString letTimePass();
    QString paintAndCheckReferences(QWidget *window);

    int pick(int count);
    QSize randomSize();

    MainWindow &menu;
    std::mt19937_64 random;
    std::map<QString, Invariant> invariants;
    // The window the last step acted on; its plots are painted and checked after the step.
    QWidget *touched = nullptr;
    // The first picture of each reference plot at its current size.
    std::map<QWidget *, QImage> referencePictures;
};
