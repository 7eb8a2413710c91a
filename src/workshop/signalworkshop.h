#pragma once

#include "ui_workshop.h"
#include "workshop/periodfinder.h"
#include "workshop/periodicsignal.h"

#include <QWidget>

#include <optional>

class soundSourcePanel;

// The workshop: the Fourier series of any periodic signal, chosen from the presets, typed as a
// formula, read from a CSV table, drawn with the mouse or made from its edited spectrum, and
// built harmonic by harmonic as in the synthesis windows. A real sound is a source too: the
// microphone, live until frozen, and sound files, one period of either becoming the signal,
// heard at its own fundamental. Every new signal starts the synthesis
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
    // Hertz of one period as the "Звук" button plays it: the fundamental of a real sound's
    // period, the synthesis windows' 220 Hz for any other signal.
    double fundamental() const;
    soundSourcePanel &soundPanel() const { return *panel; }
    // What the signal is, for the names of saved files: the preset's id, or "formula", "file",
    // "drawn" (drawn with the mouse or cleared), "edited" (its spectrum's lines dragged),
    // "sound" (a period of the microphone's or a sound file's sound).
    QString signalName() const { return source; }

public slots:
    void choosePreset(int index);
    // The formula line's text; false (the line red, the message set) when it is refused.
    bool applyFormula();
    // Writes `text` into the formula line and applies it.
    bool setFormula(const QString &text);
    // A CSV table or a sound file (by its suffix: see workshop::isSoundFile), or false with the
    // message set.
    bool openFile(const QString &path);
    // The combo box's entry: a preset, the microphone or a sound file.
    void chooseSource(int index);
    // The default input, live; false (the notice saying why) when it cannot be opened.
    bool startMicrophone();
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
    bool openSound(const QString &path);
    void askOpenSound();
    void takePeriod(const workshop::Period &period);
    void microphoneLost(const QString &reason);
    void showMicrophoneAvailability();

    Ui::signalWorkshop ui;
    workshop::Samples samples;
    workshop::Series coefficients;
    double pitch = 0.0; // Hz of the real sound the signal came from; 0 for any other signal

    // What the microphone replaced, for when it is lost while live.
    struct Kept {
        workshop::Samples samples;
        workshop::Series series;
        double pitch;
        int source;
        QString name;
    };
    std::optional<Kept> beforeLive;
    int shownSource = 0; // the combo box's entry the signal came from last
    soundSourcePanel *panel;
    QString source;
};
