#pragma once

#include "sound/player.h"
#include "sound/spectrum.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>

class QIODevice;
class QPushButton;
class QWidget;

namespace sound
{

// The sound of one demonstration window: its "Звук" button, the player while it sounds, and the
// three-second clip. A child of the window; the window tells it when its live state changed
// (through the signals its plots already use) and it asks `source` for the spectrum then.
// One window sounds at a time: starting one stops the other.
class Controller : public QObject
{
    Q_OBJECT

public:
    using Source = std::function<Spectrum()>;

    Controller(QWidget &window, QPushButton &button, Source source);
    ~Controller() override;

    // The window's sound as it stands now, whether it plays or not.
    Spectrum spectrum() const { return source(); }
    bool isPlaying() const;
    bool hasOutput() const { return Outputs::instance().available(); }
    // Samples the output holds ahead of what is heard (0 while silent).
    qint64 outputBufferBytes() const;

    // Seconds saveClip() records.
    static constexpr double clipSeconds = 3.0;

public slots:
    // What the S key does: the same as a click on the button; when it is disabled, a notice on
    // the window says why.
    void toggle();
    void setPlaying(bool on);
    // The live state changed: the sound follows it when playing.
    void refresh();
    // Three seconds of the current sound into the file `path`, with a notice on the window
    // naming the file or saying why nothing was written.
    void saveClip(const QString &path);
    // A notice at the window's bottom edge.
    void showNotice(const QString &text);

signals:
    void playingChanged(bool playing);
    void noticeShown(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onLost(const QString &reason);
    void onOutputsChanged();

    QWidget &window;
    QPushButton &button;
    const Source source;
    Player *player = nullptr;
};

// The controller of a demonstration window, or nullptr for a window without sound.
Controller *controllerOf(const QWidget *window);

// Renders `seconds` of the window's current sound (faded in and out) into a 16-bit mono WAV
// file at `path`, without any sound output. On failure nothing is left at `path` and `error`
// says why.
bool writeWindowSound(const QWidget &window, const QString &path, double seconds,
                      QString *error = nullptr);

// The same into an open device (a file the caller commits): an error line, or nothing.
QString writeWindowSound(const QWidget &window, QIODevice &out, double seconds);

// The sample rate of written sound files.
constexpr int fileSampleRate = 48000;

} // namespace sound
