#include "app/mainwindow.h"
#include "resources/resources.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    veltarn::initResources();
    MainWindow w;
    w.showFullScreen();
    return app.exec();
}
