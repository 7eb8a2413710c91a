#pragma once

#include "ui_author.h"

#include <QWidget>

// The credits: the faculty emblems, the course and system titles, the author's portrait and
// name, the lecturers, and a button back to the main menu.
class author : public QWidget
{
    Q_OBJECT

public:
    explicit author(QWidget *parent = nullptr);

private:
    Ui::author ui;
};
