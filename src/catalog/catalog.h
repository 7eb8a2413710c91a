#pragma once

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

struct QMetaObject;
class QSlider;
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
// window as its own control does, and the name of what the window shows (which may be none of
// the list: the workshop's signal typed, read, drawn or edited).
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
    // Whether the window keeps `steps` on the slider with its other sliders where they stand
    // (the rules coupling its parameters); null where it keeps every value of the slider's range.
    bool (*accepts)(const QWidget &window, int steps) = nullptr;
    // The choice a parameter without a slider names, null for the harmonic count.
    const Choice *choice = nullptr;
};

struct Demonstration {
    const char *id;
    const char *title; // UTF-8, the Russian source of its translations
    const QMetaObject *window;
    std::unique_ptr<QWidget> (*construct)();
    std::vector<Parameter> parameters;

    // The title in the chosen language.
    QString shownTitle() const;
    // A new window of it in its initial state, titled with its title and not yet shown: what
    // the main menu's button opens, and what pictures are made of without showing anything.
    std::unique_ptr<QWidget> make() const;
    QStringList parameterNames() const;
    const Parameter *parameter(const QString &name) const;
};

const std::vector<Demonstration> &demonstrations();
const Demonstration *find(const QString &id);
// The demonstration whose window `window` is, or null.
const Demonstration *of(const QWidget &window);

// Whether `s` is written as a number the parameter's control can hold without rounding (its
// range aside, which only the control knows): an empty string, or one line in the chosen language.
QString checkValue(const Parameter &p, const Setting &s);

// Brings `window` of demonstration `d` to the given values, in the given order, through its own
// buttons and sliders, and lets a harmonic glide come to rest. Returns an empty string, or one
// line in the chosen language naming the value that was refused or that the controls would have rounded.
QString apply(QWidget &window, const Demonstration &d, const std::vector<Setting> &settings);

// Whether `window` keeps `steps` on `slider`, one of its own: inside the slider's range and
// allowed by the window's rules at its other parameters' present values.
bool accepts(const QWidget &window, const QSlider &slider, int steps);

// The parameters as the readouts show them, for a file name: "T=14_tau=3".
QString describeState(const QWidget &window, const Demonstration &d);

// Lands the glide of every harmonic-synthesis plot of `window` at once, where the frame clock
// would have left it: a figure shows the state at rest, and the screen jumps there too.
void settleGlides(QWidget &window);

} // namespace veltarn::catalog
