#include "app/mainwindow.h"

#include "app/author.h"
#include "app/sharedpalettestyle.h"
#include "app/titlefont.h"
#include "catalog/catalog.h"
#include "lecture/windowkeys.h"

#include <QPalette>

#include <cstdio>
#include <cstdlib>

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    veltarn::addTitleFontSubstitute();
    veltarn::SharedPaletteStyle::install();
    ui.setupUi(this);
    startWorkshop = new QPushButton(tr("Свой сигнал"), ui.centralWidget);
    startWorkshop->setObjectName(QStringLiteral("startWorkshop"));
    startWorkshop->setFont(ui.Author->font());
    startWorkshop->setCursor(ui.Author->cursor());
    ui.Author->installEventFilter(this);
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
    connect(startWorkshop, &QPushButton::clicked, this, &MainWindow::changeWorkshop);
    connect(ui.close, &QPushButton::clicked, this, &MainWindow::close);
    connect(ui.Author, &QPushButton::clicked, this, &MainWindow::changeAuthor);
    // "Выход" is left out of the keys: no lecture ends by a stray Enter.
    lecture::WindowKeys::attachToMenu(*this,
                                      {ui.startHarmonicRectangle, ui.startPeriodicSpectres,
                                       ui.startHarmonicTriangle, ui.startSignalDependence,
                                       ui.startHarmonicTrapeze, ui.startAmplitudeModSignal,
                                       startWorkshop},
                                      {ui.Author});
}

// Every button opens a new, independent window in its initial state, full screen above the menu,
// which stays open beneath, on the screen the menu is on now.
void MainWindow::openDemonstration(const char *id)
{
    lecture::openWindow(veltarn::catalog::find(QLatin1String(id))->make(), *this);
}

void MainWindow::changeWindowHarmonic()
{
    openDemonstration("rectangle");
}

void MainWindow::changeWindowHarmonicTriangle()
{
    openDemonstration("triangle");
}

void MainWindow::changeSpectreOfPeriodicSignal()
{
    openDemonstration("pulse-train");
}

void MainWindow::changeWindowHarmonicTrapeze()
{
    openDemonstration("trapezoid");
}

void MainWindow::changeSpectreDependences()
{
    openDemonstration("shape");
}

void MainWindow::changeAmplitudeModulatedSignal()
{
    openDemonstration("modulation");
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    // The same size as "Автор", the layout's spacing to its right.
    if (watched == ui.Author &&
        (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
        const QRect author = ui.Author->geometry();
        startWorkshop->setGeometry(
            author.translated(author.width() + ui.horizontalLayout->spacing(), 0));
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::changeWorkshop()
{
    openDemonstration("workshop");
}

void MainWindow::changeAuthor()
{
    lecture::openWindow(std::make_unique<author>(), *this);
}

// "Выход" ends the lecture at once, however many demonstration windows are open: no return to
// the event loop, and no destructors or static clean-up run under windows still alive. Only
// what was printed is flushed first.
void MainWindow::close()
{
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}
