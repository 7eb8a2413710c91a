#pragma once

#include "ui_mainwindow.h"

#include <QMainWindow>

// The main menu: a full-screen title page whose buttons open the demonstration windows and the
// author window on top of it, and end the program.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);

public slots:
    void changeWindowHarmonic();
    void changeWindowHarmonicTriangle();
    void changeSpectreOfPeriodicSignal();
    void changeWindowHarmonicTrapeze();
    void changeSpectreDependences();
    void changeAmplitudeModulatedSignal();
    void changeWorkshop();
    void changeAuthor();
    // Ends the process with status 0 at once, whatever other windows are open. It hides
    // QWidget::close() on purpose: the "Выход" button never merely closes the menu.
    void close();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void openDemonstration(const char *id);

    Ui::MainWindow ui;
    // "Свой сигнал": beside "Автор" in the band's free space, outside the layout, so that no
    // other widget of the menu moves for it.
    QPushButton *startWorkshop;
};
