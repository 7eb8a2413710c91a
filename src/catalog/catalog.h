#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

struct QMetaObject;
class QWidget;

namespace veltarn::catalog
{

// One starting value a demonstration takes from outside (the command line), in the units its
// readout shows.
struct Setting {
    QString name;
    QString value;
};

// A parameter that names one of a list (the workshop's ready-made signals) instead of a number:
// whether a name is one of them (an empty string, or one line in Russian), choosing it on the
// window as its own control does, and the name the window shows.
struct Choice {
    QString (*check)(const Setting &s);
    void (*choose)(QWidget &window, const QString &name);
    QString (*current)(const QWidget &window);
};

// A parameter of a demonstration. Slider parameters name the slider that holds them and how
// many slider steps make one unit of the readout; the harmonic count is reached through the
// "Добавить гармонику" and "Просуммировать" buttons instead.
struct Parameter {
    const char *name;
    const char *slider; // null for the harmonic count and a choice
    int stepsPerUnit;   // slider steps per readout unit
    int decimals;       // digits after the point the readout shows
    const Choice *choice = nullptr;
};

struct Demonstration {
    const char *id;
    const char *title; // UTF-8
    const QMetaObject *window;
    // A new window of it in its initial state, not yet shown: what the main menu's button
    // opens, and what pictures are made of without showing anything.
    std::unique_ptr<QWidget> (*make)();
    std::vector<Parameter> parameters;

    QString russianTitle() const { return QString::fromUtf8(title); }
    QStringList parameterNames() const;
    const Parameter *parameter(const QString &name) const;
};

const std::vector<Demonstration> &demonstrations();
const Demonstration *find(const QString &id);
// The demonstration whose window `window` is, or null.
const Demonstration *of(const QWidget &window);

// Whether `s` is written as a number the parameter's control can hold without rounding (its
// range aside, which only the control knows): an empty string, or one line in Russian.
QString checkValue(const Parameter &p, const Setting &s);

// Brings `window` of demonstration `d` to the given values, in the given order, through its own
// buttons and sliders, and lets a harmonic glide come to rest. Returns an empty string, or one
// line in Russian naming the value that was refused or that the controls would have rounded.
QString apply(QWidget &window, const Demonstration &d, const std::vector<Setting> &settings);

// The parameters as the readouts show them, for a file name: "T=14_tau=3".
QString describeState(const QWidget &window, const Demonstration &d);

// Paints every harmonic-synthesis plot of `window` until its glide stands still, without
// waiting for the frame clock.
void settleGlides(QWidget &window);

} // namespace veltarn::catalog
