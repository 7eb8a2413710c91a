#pragma once

#include <QMainWindow>

// Placeholder until the main menu form lands.
class MainWindow : public QMainWindow
{
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr) : QMainWindow(parent) {}
};
