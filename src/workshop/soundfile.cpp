#include "workshop/soundfile.h"

#include <QAudioBuffer>
#include <QAudioDecoder>
#include <QCoreApplication>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <cstring>

namespace workshop
{

namespace
{

Sound refused(const QString &error)
{
    Sound s;
    s.error = error;
    return s;
}

quint32 littleEndian32(const char *p)
{
    return quint32(quint8(p[0])) | quint32(quint8(p[1])) << 8 | quint32(quint8(p[2])) << 16 |
           quint32(quint8(p[3])) << 24;
}

// Whether a WAV file ends before the sound its header announces: the decoder plays what there
// is and says nothing. Other files are left to the decoder.
bool cutShortWav(QFile &file)
{
    const QByteArray head = file.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return false;
    const qint64 size = file.size();
    qint64 at = 12;
    while (at + 8 <= size) {
        file.seek(at);
        const QByteArray chunk = file.read(8);
        const quint32 length = littleEndian32(chunk.constData() + 4);
        if (chunk.startsWith("data"))
            // A stream written without knowing its length leaves the field at its largest.
            return length != 0xFFFFFFFFu && at + 8 + qint64(length) > size;
        at += 8 + qint64(length) + (length & 1);
    }
    return at != size;
}

QString decoderError(QAudioDecoder::Error error)
{
    switch (error) {
    case QAudioDecoder::FormatError:
        return QCoreApplication::translate(
            "workshop", "не звуковой файл или формат, для которого в системе нет декодера");
    case QAudioDecoder::AccessDeniedError:
        return QCoreApplication::translate("workshop", "нет доступа к файлу");
    case QAudioDecoder::NotSupportedError:
        return QCoreApplication::translate("workshop",
                                           "в системе нет декодера звука (Qt Multimedia)");
    default:
        return QCoreApplication::translate("workshop", "не удаётся прочитать файл");
    }
}

} // namespace

bool isSoundFile(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix();
    return !suffix.isEmpty() && suffix.compare(QLatin1String("csv"), Qt::CaseInsensitive) != 0;
}

Sound readSound(const QString &path)
{
    QFile file(path);
    // The decoder would only warn about a file it cannot open.
    if (!file.open(QIODevice::ReadOnly))
        return refused(QCoreApplication::translate("workshop", "не удаётся открыть файл"));
    if (file.size() == 0)
        return refused(QCoreApplication::translate("workshop", "файл пуст"));
    if (cutShortWav(file))
        return refused(
            QCoreApplication::translate("workshop", "файл обрывается раньше, чем кончается звук"));
    file.close();

    Sound sound;
    QAudioDecoder decoder;
    QEventLoop loop;
    std::size_t longest = 0;
    QObject::connect(&decoder, &QAudioDecoder::bufferReady, &loop, [&] {
        const QAudioBuffer buffer = decoder.read();
        const QAudioFormat format = buffer.format();
        const int channels = format.channelCount();
        if (!buffer.isValid() || channels <= 0)
            return;
        if (sound.rate == 0) {
            sound.rate = format.sampleRate();
            longest = std::size_t(sound.rate) * longestSoundSeconds;
        }
        const auto *data = buffer.constData<char>();
        const int frameBytes = format.bytesPerFrame();
        const int sampleBytes = format.bytesPerSample();
        for (qsizetype f = 0; f < buffer.frameCount() && sound.samples.size() < longest; ++f) {
            float mix = 0.0f;
            for (int c = 0; c < channels; ++c)
                mix += format.normalizedSampleValue(data + f * frameBytes + c * sampleBytes);
            sound.samples.push_back(mix / float(channels));
        }
        if (sound.samples.size() >= longest)
            loop.quit();
    });
    QObject::connect(&decoder, &QAudioDecoder::finished, &loop, &QEventLoop::quit);
    QObject::connect(&decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error), &loop,
                     [&](QAudioDecoder::Error error) {
                         sound.error = decoderError(error);
                         loop.quit();
                     });
    decoder.setSource(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
    decoder.start();
    if (sound.error.isEmpty())
        loop.exec();
    decoder.stop();
    if (!sound.error.isEmpty())
        return refused(sound.error);
    if (sound.samples.empty() || sound.rate <= 0)
        return refused(QCoreApplication::translate("workshop", "в файле нет звука"));
    return sound;
}

} // namespace workshop
