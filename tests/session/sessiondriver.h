#pragma once

// Drives the application the way a lecturer can: buttons clicked where they are visible, focus
// moved with Tab and activated with Space (covered buttons included), sliders dragged or moved by
// every key a slider takes, the presenter remote's and the lecture keys pressed wherever the focus
// is, windows and single plots resized to anything, windows opened from the main menu (by click
// or digit key) and closed again. One seeded generator makes every choice, so a failing session
// can be replayed.

#include "windows.h"

#include <QImage>

#include <functional>
#include <map>
#include <random>

class MainWindow;

class SessionDriver
{
public:
    // Returns an empty string while a window keeps its promises, else what it broke.
    using Invariant = std::function<QString(QWidget *window)>;

    SessionDriver(MainWindow &menu, quint64 seed, std::map<QString, Invariant> invariants);

    // One random step; returns what it did.
    QString step();
    // Checks the promises of every open window; paints every plot of the window the last step
    // acted on and checks that its reference plots still show their first picture.
    QString check();

private:
    QString actOn(QWidget *window);
    QString click(QWidget *window);
    QString tabAndSpace(QWidget *window);
    QString moveSlider(QWidget *window);
    QString pressKey(QWidget *window);
    QWidget *openByDigit(QString &done);
    QString resize(QWidget *window);
    QString toggleSound(QWidget *window);
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }

    MainWindow &menu;
    std::mt19937_64 random;
    const std::map<QString, Invariant> invariants;
    QWidget *touched = nullptr;
    std::map<QWidget *, QImage> referencePictures;
};
