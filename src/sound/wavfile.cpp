#include "sound/wavfile.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QFileInfo>
#include <QSaveFile>

namespace sound
{

namespace
{

constexpr quint16 pcmFormat = 1;
constexpr quint16 channels = 1;
constexpr quint16 bytesPerSample = 2;
constexpr quint32 headerBytesAfterSize = 36;

bool fail(QString *error, const QString &message)
{
    if (error)
        *error = message;
    return false;
}

} // namespace

bool writeWav(const QString &path, const std::vector<std::int16_t> &samples, int sampleRate,
              QString *error)
{
    const QString shown = QFileInfo(path).absoluteFilePath();
    const quint64 dataBytes = quint64(samples.size()) * bytesPerSample;
    if (dataBytes > 0xFFFFFFFFull - headerBytesAfterSize)
        return fail(error,
                    QCoreApplication::translate("sound", "Звук слишком длинный для файла WAV: %1")
                        .arg(shown));
    if (QFileInfo(path).isDir())
        return fail(error, QCoreApplication::translate("sound",
                                                       "Не удалось записать звук: «%1» — это папка")
                               .arg(shown));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error,
                    QCoreApplication::translate("sound", "Не удалось записать звук в «%1»: %2")
                        .arg(shown, file.errorString()));
    if (!writeWav(file, samples, sampleRate) || !file.commit())
        return fail(error,
                    QCoreApplication::translate("sound", "Не удалось записать звук в «%1»: %2")
                        .arg(shown, file.errorString()));
    return true;
}

bool writeWav(QIODevice &device, const std::vector<std::int16_t> &samples, int sampleRate)
{
    const quint64 dataBytes = quint64(samples.size()) * bytesPerSample;
    if (dataBytes > 0xFFFFFFFFull - headerBytesAfterSize)
        return false;
    QDataStream out(&device);
    out.setByteOrder(QDataStream::LittleEndian);
    const auto rate = static_cast<quint32>(sampleRate);
    out.writeRawData("RIFF", 4);
    out << quint32(headerBytesAfterSize + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << pcmFormat << channels << rate << quint32(rate * channels * bytesPerSample)
        << quint16(channels * bytesPerSample) << quint16(8 * bytesPerSample);
    out.writeRawData("data", 4);
    out << quint32(dataBytes);
    for (const std::int16_t s : samples)
        out << qint16(s);
    return out.status() == QDataStream::Ok;
}

} // namespace sound
