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

// The sound output a window can play on, or a null device with the reason there is none.
struct Output {
    QAudioDevice device;
    QAudioFormat format;
    QString reason; // empty when `device` is usable
};
// Looks for the default output once per call. Never blocks on a missing sound service.
Output findOutput();

// Plays a spectrum on an output until stopped; fades out before the sink stops. The player
// pushes samples as the sink frees room, a few milliseconds at a time, so what is generated is
// heard after the sink's short buffer and no later: a sink left to pull from a device reads far
// ahead of what it plays.
class Player : public QObject
{
    Q_OBJECT

public:
    Player(const Output &output, QObject *parent = nullptr);
    ~Player() override;

    void start(const Spectrum &spectrum);
    void setSpectrum(const Spectrum &spectrum);
    void stop();
    bool isPlaying() const { return playing; }
    // Bytes the sink holds ahead of what is heard, as the sink reports it.
    qint64 bufferBytes() const;

signals:
    // The output went away or failed while playing; the player has stopped.
    void lost(const QString &reason);

private:
    void onStateChanged();
    void onOutputsChanged();
    void lose(const QString &reason);
    void feed();
    void release();

    Output output;
    std::unique_ptr<QAudioSink> sink;
    std::unique_ptr<QMediaDevices> devices; // watched only while playing
    QIODevice *input = nullptr;             // owned by the sink
    std::unique_ptr<ToneGenerator> tones;
    std::vector<std::int16_t> samples;
    QTimer feedTimer;
    QTimer releaseTimer;
    bool playing = false;
};

} // namespace sound
