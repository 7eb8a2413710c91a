#include "app/mainwindow.h"

#include "app/author.h"
#include "app/fullscreen.h"
#include "app/sharedpalettestyle.h"
#include "app/titlefont.h"
#include "harmonics/harmonic.h"
#include "harmonics/harmonictrapeze.h"
#include "harmonics/harmonictriangle.h"
#include "lecture/windowkeys.h"
#include "modulation/amplitudemodulatedsignal.h"
#include "pulsetrain/periodicsignaldependences.h"
#include "shape/signaldependence.h"

#include <QPalette>

#include <cstdio>
#include <cstdlib>

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    veltarn::addTitleFontSubstitute();
    veltarn::SharedPaletteStyle::install();
    ui.setupUi(this);
    setPalette(QPalette(QColor(200, 200, 255)));
    setAutoFillBackground(true);

    connect(ui.startHarmonicRectangle, &QPushButton::clicked, this,
            &MainWindow::changeWindowHarmonic);
    connect(ui.startPeriodicSpectres, &QPushButton::clicked, this,
            &MainWindow::changeSpectreOfPeriodicSignal);
    connect(ui.startHarmonicTriangle, &QPushButton::clicked, this,
            &MainWindow::changeWindowHarmonicTriangle);
    connect(ui.startHarmonicTrapeze, &QPushButton::clicked, this,
            &MainWindow::changeWindowHarmonicTrapeze);
    connect(ui.startSignalDependence, &QPushButton::clicked, this,
            &MainWindow::changeSpectreDependences);
    connect(ui.startAmplitudeModSignal, &QPushButton::clicked, this,
            &MainWindow::changeAmplitudeModulatedSignal);
    connect(ui.close, &QPushButton::clicked, this, &MainWindow::close);
    connect(ui.Author, &QPushButton::clicked, this, &MainWindow::changeAuthor);
    // "Выход" is left out of the keys: no lecture ends by a stray Enter.
    lecture::WindowKeys::attachToMenu(*this,
                                      {ui.startHarmonicRectangle, ui.startPeriodicSpectres,
                                       ui.startHarmonicTriangle, ui.startSignalDependence,
                                       ui.startHarmonicTrapeze, ui.startAmplitudeModSignal},
                                      {ui.Author});
}

// Every button opens a new, independent window in its initial state, full screen above the menu,
// which stays open beneath, on the screen the menu is on now (the projector, when the lecturer
// moved the menu there). A closed window is never shown again, so it is destroyed at once
// instead of piling up over a long lecture.
template <class Window> void MainWindow::openWindow()
{
    auto *window = new Window;
    window->setAttribute(Qt::WA_DeleteOnClose);
    lecture::WindowKeys::attach(*window);
    veltarn::showFullScreen(*window, screen());
}

void MainWindow::changeWindowHarmonic()
{
    openWindow<harmonic>();
}

void MainWindow::changeWindowHarmonicTriangle()
{
    openWindow<harmonicTriangle>();
}

void MainWindow::changeSpectreOfPeriodicSignal()
{
    openWindow<periodicSignalDependences>();
}

void MainWindow::changeWindowHarmonicTrapeze()
{
    openWindow<harmonicTrapeze>();
}

void MainWindow::changeSpectreDependences()
{
    openWindow<signalDependence>();
}

void MainWindow::changeAmplitudeModulatedSignal()
{
    openWindow<amplitudeModulatedSignal>();
}

void MainWindow::changeAuthor()
{
    openWindow<author>();
}

// "Выход" ends the lecture at once, however many demonstration windows are open: no return to
// the event loop, and no destructors or static clean-up run under windows still alive. Only
// what was printed is flushed first.
void MainWindow::close()
{
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}
