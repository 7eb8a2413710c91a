// Plays the pulse-train window's sound until its output goes away, then reports the button.
// A separate process: the toolkit's sink warns when its stream is killed, and every warning is
// fatal in the tests.

#include "pulsetrain/periodicsignaldependences.h"
#include "sound/soundcontroller.h"

#include <QApplication>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    periodicSignalDependences window;
    sound::Controller *c = sound::controllerOf(&window);
    auto *button = window.findChild<QPushButton *>(QStringLiteral("sound"));
    QTextStream out(stdout);
    const auto report = [&] {
        out << "checked " << button->isChecked() << " playing " << c->isPlaying() << " tip "
            << button->toolTip() << Qt::endl;
        app.quit();
    };
    QObject::connect(c, &sound::Controller::playingChanged, &app, [&](bool on) {
        if (!on)
            report();
    });
    c->toggle();
    out << (c->isPlaying() ? "playing" : "silent") << Qt::endl;
    QTimer::singleShot(10000, &app, report);
    return app.exec();
}
