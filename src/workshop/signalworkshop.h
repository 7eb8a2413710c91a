#pragma once

#include "ui_workshop.h"
#include "workshop/periodicsignal.h"

#include <QWidget>

// The workshop: the Fourier series of any periodic signal, chosen from the presets, typed as a
// formula, read from a CSV table, drawn with the mouse or made from its edited spectrum, and
// built harmonic by harmonic as in the synthesis windows. Every new signal starts the synthesis
// over at N = 0; a refused one leaves the signal as it was and says why under the plots.
class signalWorkshop : public QWidget
{
    Q_OBJECT

public:
    explicit signalWorkshop(QWidget *parent = nullptr);

    const workshop::Samples &signal() const { return samples; }
    const workshop::Series &series() const { return coefficients; }
    // The readouts' numbers for the harmonics summed now (negative: nothing to show).
    workshop::Convergence convergence() const;
    // The message under the plots: the last refusal, or empty.
    QString message() const;
    // What the signal is, for the names of saved files: the preset's id, or "formula", "file",
    // "drawn" (drawn with the mouse or cleared), "edited" (its spectrum's lines dragged).
    QString signalName() const { return source; }

public slots:
    void choosePreset(int index);
    // The formula line's text; false (the line red, the message set) when it is refused.
    bool applyFormula();
    // Writes `text` into the formula line and applies it.
    bool setFormula(const QString &text);
    // A CSV table, or false with the message set.
    bool openFile(const QString &path);
    // The signal as a CSV table, written all-or-nothing; false with the message set.
    bool saveFile(const QString &path);
    void clearSignal();
    void drawStroke(double t0, double v0, double t1, double v1);
    void editAmplitude(int k, double value);

private:
    void setSignal(const workshop::Samples &newSamples);
    void setSignal(const workshop::Samples &newSamples, const workshop::Series &newSeries);
    void refuse(const QString &text);
    void showConvergence();
    void askOpen();
    void askSave();

    Ui::signalWorkshop ui;
    workshop::Samples samples;
    workshop::Series coefficients;
    QString source;
};
