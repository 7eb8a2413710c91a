#pragma once

#include "ui_soundsourcepanel.h"
#include "workshop/microphone.h"
#include "workshop/periodfinder.h"
#include "workshop/soundfile.h"

#include <QWidget>

// The workshop's row for a real sound, shown while one is the source: for the microphone the
// "● запись" mark (while the input is open), the fundamental found and "Заморозить"; for a sound
// file its name, its envelope and a slider for the moment analysed. It finds the periods and
// reports them; the window decides what becomes of them.
class soundSourcePanel : public QWidget
{
    Q_OBJECT

public:
    explicit soundSourcePanel(QWidget *parent = nullptr);

    workshop::Microphone &microphone() { return mic; }
    bool isLive() const { return mic.isOpen(); }

    // Opens the microphone and shows its row; false, hidden, when it cannot be opened.
    bool startLive();
    // Closes the microphone, if open, and hides the row.
    void clear();
    // Shows the file (taking it over) at its steadiest second and returns the period there.
    workshop::Period showSound(workshop::Sound sound, const QString &name);

signals:
    // Every analysis of the live input that found a period.
    void livePeriod(const workshop::Period &period);
    // "Заморозить": the microphone is closed, the last live period stays.
    void frozen();
    // The input went away while live; it is closed.
    void lost(const QString &reason);
    // The slider chose another moment of the file: its period, or none.
    void momentPeriod(const workshop::Period &period);

public slots:
    void freeze();

protected:
    // A window closed or hidden closes the microphone, keeping the last live period.
    void hideEvent(QHideEvent *event) override;

private:
    void showAnalysis(const workshop::Period &period);
    workshop::Period analyseMoment(int step);
    void setLiveRow(bool live);

    Ui::soundSourcePanel ui;
    workshop::Microphone mic;
    workshop::Sound sound;
};
