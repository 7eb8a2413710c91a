#pragma once

#include "sound/spectrum.h"
#include "sound/tonegenerator.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QIODevice>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <vector>

class QAudioSink;
class QMediaDevices;

namespace sound
{

// Whether a sound service may answer. On Linux the toolkit reaches it over its socket and, when
// no service runs, prints a warning for every query of the devices: a machine without the socket
// has no device to offer, and nobody asks.
bool soundServiceMayRun();

// The sound output a window can play on, or a null device with the reason there is none.
struct Output {
    QAudioDevice device;
    QAudioFormat format;
    // Why there is none, as a Russian source text, translated where it is shown (the language
    // may be chosen after the output was looked for); null when `device` is usable.
    const char *reason = nullptr;

    QString shownReason() const;
};
// Looks for the default output once per call. Never blocks on a missing sound service.
Output findOutput();

// The output the windows play on, followed for the whole program: the system's list of outputs
// and the failures of the players on it. While none is known it looks again every second and
// opens a trial stream, because a sound service that stops and comes back is not announced: on
// Linux the toolkit keeps listing the outputs of a server that went away and reconnects to it,
// if at all, without a word.
class Outputs : public QObject
{
    Q_OBJECT

public:
    static Outputs &instance();
    ~Outputs() override;

    const Output &current() const { return output; }
    bool available() const { return !output.reason; }
    // A player's output failed: none is known until one opens again.
    void fail();

signals:
    void changed();

private:
    explicit Outputs(QObject *parent);
    void look();
    void set(const Output &found);

    Output output;
    std::unique_ptr<QMediaDevices> devices; // only once a sound service answered
    QTimer retry;
};

// Plays a spectrum on an output until stopped; fades out before the sink stops. The player
// pushes samples as the sink frees room, a few milliseconds at a time, so what is generated is
// heard after the sink's short buffer and no later: a sink left to pull from a device reads far
// ahead of what it plays.
class Player : public QObject
{
    Q_OBJECT

public:
    explicit Player(QObject *parent = nullptr);
    ~Player() override;

    // Plays on `output` unless the fade of the last sound still runs on another.
    void start(const Output &output, const Spectrum &spectrum);
    void setSpectrum(const Spectrum &spectrum);
    void stop();
    bool isPlaying() const { return playing; }
    // Bytes the sink holds ahead of what is heard, as the sink reports it.
    qint64 bufferBytes() const;

signals:
    // The output went away or failed while playing or at the start; the player has stopped and
    // Outputs knows of it.
    void lost(const QString &reason);

private:
    void onStateChanged();
    void onOutputsChanged();
    void lose(const QString &reason);
    void feed();
    void release();

    Output output;
    std::unique_ptr<QAudioSink> sink;
    QIODevice *input = nullptr; // owned by the sink
    std::unique_ptr<ToneGenerator> tones;
    std::vector<std::int16_t> samples;
    QTimer feedTimer;
    QTimer releaseTimer;
    bool playing = false;
};

} // namespace sound
