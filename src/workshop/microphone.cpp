#include "workshop/microphone.h"

#include "sound/player.h"

#include <QAudioSource>
#include <QMediaDevices>

namespace workshop
{

namespace
{

// Bytes of input a stream holds before the analysis takes them: short, so the picture follows
// the sound closely.
constexpr int streamBufferMs = 40;

QAudioFormat inputFormat(const QAudioDevice &device)
{
    QAudioFormat format = device.preferredFormat();
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Float);
    if (!device.isFormatSupported(format))
        format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

} // namespace

Microphone::Microphone(QObject *parent) : QObject(parent)
{
    ticks.setInterval(1000 / updatesPerSecond);
    connect(&ticks, &QTimer::timeout, this, &Microphone::analyse);
    serviceRetry.setInterval(1000);
    connect(&serviceRetry, &QTimer::timeout, this, &Microphone::lookForService);
    lookForService();
}

Microphone::~Microphone() = default;

void Microphone::lookForService()
{
    if (!sound::soundServiceMayRun()) {
        serviceRetry.start();
        return;
    }
    serviceRetry.stop();
    devices = std::make_unique<QMediaDevices>();
    connect(devices.get(), &QMediaDevices::audioInputsChanged, this,
            &Microphone::availabilityChanged);
    emit availabilityChanged();
}

QString Microphone::unavailableReason() const
{
    if (!devices)
        return tr("Нет микрофона: звуковая служба не запущена");
    if (QMediaDevices::audioInputs().isEmpty())
        return tr("Нет микрофона: система не знает ни одного входа звука");
    return {};
}

bool Microphone::open()
{
    if (isOpen())
        return true;
    if (!devices)
        return false;
    device = QMediaDevices::defaultAudioInput();
    if (device.isNull())
        return false;
    const QAudioFormat format = inputFormat(device);
    source = std::make_unique<QAudioSource>(device, format);
    source->setBufferSize(format.bytesForDuration(streamBufferMs * 1000));
    stream = source->start();
    if (!stream || source->error() != QAudio::NoError) {
        stream = nullptr;
        source.reset();
        return false;
    }
    connect(stream, &QIODevice::readyRead, this, &Microphone::takeSamples);
    connect(source.get(), &QAudioSource::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::StoppedState && source && source->error() != QAudio::NoError)
            loseInput(tr("Микрофон перестал отвечать; сигнал прежний"));
    });
    recent.clear();
    ticks.start();
    emit openChanged(true);
    return true;
}

void Microphone::close()
{
    if (!isOpen())
        return;
    ticks.stop();
    // Disconnected first: stopping reports a state change of its own.
    source->disconnect(this);
    source->stop();
    stream = nullptr;
    source.reset();
    recent.clear();
    emit openChanged(false);
}

void Microphone::takeSamples()
{
    const QByteArray bytes = stream->readAll();
    const QAudioFormat format = source->format();
    const int step = format.bytesPerFrame();
    for (qsizetype at = 0; at + step <= bytes.size(); at += step)
        recent.push_back(format.normalizedSampleValue(bytes.constData() + at));
    // Twice what one analysis reads is kept, and nothing more.
    const std::size_t keep = 2 * analysisLength(format.sampleRate());
    if (recent.size() > keep)
        recent.erase(recent.begin(), recent.end() - std::ptrdiff_t(keep));
}

void Microphone::analyse()
{
    // The server may move the stream of an input that went away to another source without a
    // word, and the toolkit does not always announce the change of its list: it is looked at on
    // every analysis.
    if (!QMediaDevices::audioInputs().contains(device)) {
        loseInput(tr("Микрофон отключён; сигнал прежний"));
        return;
    }
    const int rate = source->format().sampleRate();
    const std::size_t length = analysisLength(rate);
    if (recent.size() < length)
        return;
    emit analysed(periodAt(recent, rate, recent.size() - length));
}

void Microphone::loseInput(const QString &reason)
{
    close();
    emit lost(reason);
}

} // namespace workshop
