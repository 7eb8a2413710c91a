#include "app/author.h"

#include "app/titlefont.h"

#include <QPalette>

author::author(QWidget *parent) : QWidget(parent)
{
    veltarn::addTitleFontSubstitute();
    ui.setupUi(this);
    connect(ui.pushButton, &QPushButton::clicked, this, &QWidget::close);
    setPalette(QPalette(QColor(200, 200, 255)));
    setAutoFillBackground(true);
}
