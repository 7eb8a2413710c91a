#include "sound/player.h"

#include <QAudioSink>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMutexLocker>
#include <QStandardPaths>

#include <cstdint>
#include <limits>

namespace sound
{

namespace
{

constexpr int preferredRate = 48000;
// Small enough that a slider move is heard within 50 ms together with a running fade.
constexpr int bufferMilliseconds = 20;

// On Linux the toolkit reaches the sound service over its socket and, when no service runs,
// prints a warning for every query. A machine without the socket has no output to offer.
bool soundServiceMayRun()
{
#if defined(Q_OS_LINUX)
    if (!qEnvironmentVariableIsEmpty("PULSE_SERVER"))
        return true;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    for (const QString &socket :
         {runtime + QStringLiteral("/pulse/native"), QStringLiteral("/run/pulse/native"),
          QStringLiteral("/var/run/pulse/native")})
        if (QFileInfo::exists(socket))
            return true;
    return false;
#else
    return true;
#endif
}

} // namespace

Output findOutput()
{
    Output out;
    const QString none = QStringLiteral("Нет звукового выхода: звук включить нельзя");
    if (!soundServiceMayRun()) {
        out.reason = none;
        return out;
    }
    out.device = QMediaDevices::defaultAudioOutput();
    if (out.device.isNull()) {
        out.reason = none;
        return out;
    }
    QAudioFormat f;
    f.setChannelCount(1);
    f.setSampleFormat(QAudioFormat::Int16);
    f.setSampleRate(preferredRate);
    if (!out.device.isFormatSupported(f))
        f.setSampleRate(out.device.preferredFormat().sampleRate());
    if (!out.device.isFormatSupported(f)) {
        out.device = {};
        out.reason = QStringLiteral("Звуковой выход не принимает 16-битный звук");
        return out;
    }
    out.format = f;
    return out;
}

ToneDevice::ToneDevice(int sampleRate, QObject *parent) : QIODevice(parent), generator(sampleRate)
{
}

void ToneDevice::setSpectrum(const Spectrum &spectrum)
{
    QMutexLocker locked(&lock);
    generator.setSpectrum(spectrum);
}

void ToneDevice::fadeOut()
{
    QMutexLocker locked(&lock);
    generator.fadeOut();
}

bool ToneDevice::isQuiet() const
{
    QMutexLocker locked(&lock);
    return generator.isQuiet();
}

qint64 ToneDevice::bytesAvailable() const
{
    // An endless source: the sink may always take a whole buffer.
    return std::numeric_limits<int>::max() / 2 + QIODevice::bytesAvailable();
}

qint64 ToneDevice::readData(char *data, qint64 maxSize)
{
    const auto count = static_cast<int>(std::min<qint64>(maxSize / 2, 1 << 20));
    QMutexLocker locked(&lock);
    generator.render(reinterpret_cast<std::int16_t *>(data), count);
    return qint64(count) * 2;
}

Player::Player(const Output &output, QObject *parent) : QObject(parent), output(output)
{
    releaseTimer.setSingleShot(true);
    // The fade out must have left the sink's buffer before the sink stops.
    releaseTimer.setInterval(static_cast<int>(rampSeconds * 1000) + 2 * bufferMilliseconds + 20);
    connect(&releaseTimer, &QTimer::timeout, this, &Player::release);
}

Player::~Player()
{
    release();
}

void Player::start(const Spectrum &spectrum)
{
    releaseTimer.stop();
    if (!sink) {
        tones = std::make_unique<ToneDevice>(output.format.sampleRate());
        tones->open(QIODevice::ReadOnly);
        sink = std::make_unique<QAudioSink>(output.device, output.format);
        sink->setBufferSize(output.format.bytesForDuration(bufferMilliseconds * 1000));
        connect(sink.get(), &QAudioSink::stateChanged, this, &Player::onStateChanged);
        sink->start(tones.get());
    }
    playing = true;
    tones->setSpectrum(spectrum);
    onStateChanged();
}

void Player::setSpectrum(const Spectrum &spectrum)
{
    if (playing)
        tones->setSpectrum(spectrum);
}

void Player::stop()
{
    if (!playing)
        return;
    playing = false;
    tones->fadeOut();
    releaseTimer.start();
}

qint64 Player::bufferBytes() const
{
    return sink ? sink->bufferSize() : 0;
}

void Player::onStateChanged()
{
    if (!sink || !playing)
        return;
    const QAudio::Error error = sink->error();
    if (sink->state() != QAudio::StoppedState || error == QAudio::NoError)
        return;
    playing = false;
    release();
    emit lost(error == QAudio::OpenError
                  ? QStringLiteral("Звук остановлен: звуковой выход не открылся")
                  : QStringLiteral("Звук остановлен: звуковой выход пропал"));
}

void Player::release()
{
    releaseTimer.stop();
    if (sink) {
        sink->disconnect(this);
        sink->stop();
    }
    sink.reset();
    tones.reset();
}

} // namespace sound
