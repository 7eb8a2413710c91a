#include "sound/player.h"

#include <QAudioSink>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaDevices>
#include <QPointer>

namespace sound
{

namespace
{

constexpr int preferredRate = 48000;
// Small enough that a slider move is heard within 50 ms together with a running fade.
constexpr int bufferMilliseconds = 30;
constexpr int feedMilliseconds = 5;
// How often a missing output is looked for.
constexpr int retryMilliseconds = 1000;

const char *const noOutput =
    QT_TRANSLATE_NOOP("sound", "Нет звукового выхода: звук включить нельзя");

} // namespace

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

QString Output::shownReason() const
{
    return reason ? QCoreApplication::translate("sound", reason) : QString();
}

Output findOutput()
{
    Output out;
    if (!soundServiceMayRun()) {
        out.reason = noOutput;
        return out;
    }
    out.device = QMediaDevices::defaultAudioOutput();
    if (out.device.isNull()) {
        out.reason = noOutput;
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
        out.reason = QT_TRANSLATE_NOOP("sound", "Звуковой выход не принимает 16-битный звук");
        return out;
    }
    out.format = f;
    return out;
}

namespace
{

// Whether a stream opens on the output now: the list of outputs may still name one whose server
// went away.
bool opens(const Output &output)
{
    QAudioSink trial(output.device, output.format);
    trial.start();
    const bool open = trial.error() == QAudio::NoError && trial.state() != QAudio::StoppedState;
    trial.stop();
    return open;
}

} // namespace

Outputs &Outputs::instance()
{
    static QPointer<Outputs> outputs;
    if (!outputs)
        outputs = new Outputs(QCoreApplication::instance());
    return *outputs;
}

Outputs::Outputs(QObject *parent) : QObject(parent)
{
    retry.setInterval(retryMilliseconds);
    connect(&retry, &QTimer::timeout, this, &Outputs::look);
    set(findOutput());
}

Outputs::~Outputs() = default;

void Outputs::fail()
{
    set({{}, {}, noOutput});
}

void Outputs::look()
{
    Output found = findOutput();
    if (!found.reason && !available() && !opens(found))
        found = {{},
                 {},
                 QT_TRANSLATE_NOOP("sound", "Звуковой выход не открывается. Если звуковая служба "
                                            "перезапускалась, перезапустите программу")};
    set(found);
}

void Outputs::set(const Output &found)
{
    const bool same =
        found.device == output.device && QByteArray(found.reason) == QByteArray(output.reason);
    output = found;
    // Asking for the list of outputs with no sound service to answer only brings warnings.
    if (available() && !devices) {
        devices = std::make_unique<QMediaDevices>();
        connect(devices.get(), &QMediaDevices::audioOutputsChanged, this, &Outputs::look);
    }
    if (available())
        retry.stop();
    else if (!retry.isActive())
        retry.start();
    if (!same)
        emit changed();
}

Player::Player(QObject *parent) : QObject(parent)
{
    // A stream whose output is unplugged or unloaded may just stop without changing state; the
    // list of outputs tells.
    connect(&Outputs::instance(), &Outputs::changed, this, &Player::onOutputsChanged);
    releaseTimer.setSingleShot(true);
    // The fade out must have left the sink's buffer before the sink stops.
    releaseTimer.setInterval(static_cast<int>(rampSeconds * 1000) + 2 * bufferMilliseconds + 20);
    connect(&releaseTimer, &QTimer::timeout, this, &Player::release);
    feedTimer.setTimerType(Qt::PreciseTimer);
    feedTimer.setInterval(feedMilliseconds);
    connect(&feedTimer, &QTimer::timeout, this, &Player::feed);
}

Player::~Player()
{
    feedTimer.stop();
    if (sink)
        sink->stop();
}

void Player::start(const Output &out, const Spectrum &spectrum)
{
    releaseTimer.stop();
    if (!sink) {
        output = out;
        tones = std::make_unique<ToneGenerator>(output.format.sampleRate());
        sink = std::make_unique<QAudioSink>(output.device, output.format);
        sink->setBufferSize(output.format.bytesForDuration(bufferMilliseconds * 1000));
        connect(sink.get(), &QAudioSink::stateChanged, this, &Player::onStateChanged);
        input = sink->start();
    }
    playing = true;
    tones->setSpectrum(spectrum);
    onStateChanged();
    if (sink) {
        feed();
        feedTimer.start();
    }
}

void Player::feed()
{
    if (!sink || !input)
        return;
    const qint64 room = sink->bytesFree();
    // A stream the sound server dropped (its output unloaded or unplugged) reports no room at
    // all, a negative amount, while the toolkit's sink still counts itself active.
    if (room < 0) {
        if (playing)
            lose(QCoreApplication::translate("sound", "Звук остановлен: звуковой выход пропал"));
        else
            release();
        return;
    }
    const auto count = static_cast<int>(room / 2);
    if (count <= 0)
        return;
    samples.resize(static_cast<std::size_t>(count));
    tones->render(samples.data(), count);
    input->write(reinterpret_cast<const char *>(samples.data()), qint64(count) * 2);
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
    lose(error == QAudio::OpenError
             ? QCoreApplication::translate("sound", "Звук остановлен: звуковой выход не открылся")
             : QCoreApplication::translate("sound", "Звук остановлен: звуковой выход пропал"));
}

void Player::onOutputsChanged()
{
    if (!sink || !playing || QMediaDevices::audioOutputs().contains(output.device))
        return;
    lose(QCoreApplication::translate("sound", "Звук остановлен: звуковой выход отключён"));
}

void Player::lose(const QString &reason)
{
    playing = false;
    release();
    emit lost(reason);
    Outputs::instance().fail();
}

void Player::release()
{
    releaseTimer.stop();
    feedTimer.stop();
    // The sink may be the sender of the signal that brought us here.
    if (sink) {
        sink->disconnect(this);
        sink->stop();
        sink.release()->deleteLater();
    }
    input = nullptr;
    tones.reset();
}

} // namespace sound
