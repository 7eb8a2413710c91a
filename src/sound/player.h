#pragma once

#include "sound/spectrum.h"
#include "sound/tonegenerator.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QIODevice>
#include <QMutex>
#include <QObject>
#include <QTimer>

#include <memory>

class QAudioSink;

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

// The generator as a device the sink pulls samples from.
class ToneDevice : public QIODevice
{
    Q_OBJECT

public:
    explicit ToneDevice(int sampleRate, QObject *parent = nullptr);

    void setSpectrum(const Spectrum &spectrum);
    void fadeOut();
    bool isQuiet() const;

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    // The sink may pull from its own thread.
    mutable QMutex lock;
    ToneGenerator generator;
};

// Plays a spectrum on an output until stopped; fades out before the sink stops.
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
    void release();

    Output output;
    std::unique_ptr<QAudioSink> sink;
    std::unique_ptr<ToneDevice> tones;
    QTimer releaseTimer;
    bool playing = false;
};

} // namespace sound
