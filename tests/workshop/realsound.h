#pragma once

// Sounds of known content for the tests of the workshop's real-sound sources.

#include "sound/wavfile.h"

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

namespace realsound
{

// A sound Σ amplitude[k-1] · cos(2πk·f·t + phase[k-1]), k ≥ 1, with uniform noise of `noise`
// times the first amplitude.
struct Tone {
    double fundamental;
    std::vector<double> amplitude;
    std::vector<double> phase;
    double noise = 0.0;
};

// The 110 Hz sawtooth, band-limited below `rate` / 2: amplitudes 1/k, all sines.
inline Tone sawtooth(int rate)
{
    Tone t{110.0, {}, {}, 0.0};
    for (int k = 1; k * 110.0 < 0.45 * rate; ++k) {
        t.amplitude.push_back(1.0 / k);
        t.phase.push_back(-std::acos(0.0));
    }
    return t;
}

inline std::vector<double> render(const Tone &tone, int rate, double seconds)
{
    std::mt19937 noise(7);
    std::uniform_real_distribution<double> uniform(-1.0, 1.0);
    std::vector<double> x(std::size_t(seconds * rate));
    const double twoPi = 2.0 * std::acos(-1.0);
    for (std::size_t i = 0; i < x.size(); ++i) {
        const double t = double(i) / rate;
        double v = tone.noise * tone.amplitude[0] * uniform(noise);
        for (std::size_t k = 0; k < tone.amplitude.size(); ++k)
            v += tone.amplitude[k] *
                 std::cos(twoPi * double(k + 1) * tone.fundamental * t + tone.phase[k]);
        x[i] = v;
    }
    return x;
}

// As 16-bit samples with a peak of half full scale.
inline std::vector<std::int16_t> pcm(const std::vector<double> &x)
{
    double peak = 1e-300;
    for (const double v : x)
        peak = std::max(peak, std::abs(v));
    std::vector<std::int16_t> s;
    for (const double v : x)
        s.push_back(std::int16_t(std::lround(16384.0 * v / peak)));
    return s;
}

inline bool writeWav(const QString &path, const std::vector<double> &x, int rate)
{
    return sound::writeWav(path, pcm(x), rate);
}

// 16-bit mono samples at 48 kHz as an AIFF file.
inline QByteArray aiff(const std::vector<std::int16_t> &samples)
{
    const auto bigEndian = [](QByteArray &out, quint32 v, int bytes) {
        for (int b = bytes - 1; b >= 0; --b)
            out.append(char((v >> (8 * b)) & 0xFF));
    };
    const auto size = quint32(2 * samples.size());
    QByteArray out("FORM");
    bigEndian(out, 4 + 26 + 16 + size, 4);
    out += "AIFFCOMM";
    bigEndian(out, 18, 4);
    bigEndian(out, 1, 2);
    bigEndian(out, quint32(samples.size()), 4);
    bigEndian(out, 16, 2);
    out += QByteArray("\x40\x0e\xbb\x80\0\0\0\0\0\0", 10); // 48000 as an 80-bit float
    out += "SSND";
    bigEndian(out, 8 + size, 4);
    bigEndian(out, 0, 4);
    bigEndian(out, 0, 4);
    for (const std::int16_t v : samples)
        bigEndian(out, quint16(v), 2);
    return out;
}

// The WAV file at `wav` encoded as FLAC by the reference encoder (Debian: flac).
inline bool writeFlac(const QString &wav, const QString &flac)
{
    QProcess encoder;
    encoder.start(QStringLiteral("flac"), {"--silent", "--force", "-o", flac, wav});
    return encoder.waitForFinished(60000) && encoder.exitStatus() == QProcess::NormalExit &&
           encoder.exitCode() == 0;
}

} // namespace realsound
