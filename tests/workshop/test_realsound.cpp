// The workshop's real sounds: periods found in generated sounds of known content, read from WAV
// and FLAC files, files refused with their reason, and the window taking a file's period.

#include "realsound.h"
#include "sound/soundcontroller.h"
#include "soundprobes.h"
#include "testsupport.h"
#include "workshop/periodfinder.h"
#include "workshop/signalworkshop.h"
#include "workshop/soundfile.h"
#include "workshop/soundsourcepanel.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QSlider>
#include <QStandardItemModel>
#include <QTemporaryDir>

#include <cmath>
#include <complex>

using namespace workshop;
using realsound::Tone;

Q_DECLARE_METATYPE(realsound::Tone)

namespace
{

const double pi = std::acos(-1.0);

// The phase of term k relative to the first, k·φ1 taken off, in (−π, π].
double relativePhase(double phase, double first, int k)
{
    return std::remainder(phase - k * first, 2.0 * pi);
}

// Why the period does not hold the tone's first `terms` harmonics, or nothing: the fundamental
// within 0.3 %, each amplitude (relative to the first) within 2 % of the tone's and each phase
// (relative to the first) within 0.05 π.
QString differs(const Period &p, const Tone &tone, int terms)
{
    if (std::abs(p.fundamental / tone.fundamental - 1.0) > 0.003)
        return QStringLiteral("fundamental %1 Hz").arg(p.fundamental);
    const Series s = seriesOf(p.samples);
    for (int k = 1; k <= terms; ++k) {
        const auto i = std::size_t(k);
        const double want = tone.amplitude[i - 1] / tone.amplitude[0];
        const double got = s.amplitude[i] / s.amplitude[1];
        if (std::abs(got - want) > 0.02 * want)
            return QStringLiteral("A%1/A1 = %2, not %3").arg(k).arg(got).arg(want);
        const double phase = relativePhase(s.phase[i], s.phase[1], k);
        const double wantPhase = relativePhase(tone.phase[i - 1], tone.phase[0], k);
        if (std::abs(std::remainder(phase - wantPhase, 2.0 * pi)) > 0.05 * pi)
            return QStringLiteral("phase %1: %2 π, not %3 π")
                .arg(k)
                .arg(phase / pi)
                .arg(wantPhase / pi);
    }
    return {};
}

std::vector<float> floats(const std::vector<double> &x)
{
    return std::vector<float>(x.begin(), x.end());
}

} // namespace

class TestRealSound : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;

    QString path(const char *name) const { return dir.filePath(QLatin1String(name)); }

private slots:
    // The tones of known content, analysed as generated and as read back from WAV and FLAC
    // files, at several moments.
    void knownTones_data()
    {
        QTest::addColumn<Tone>("tone");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("terms");
        QTest::newRow("196 Hz, harmonics 1, 0.5, 0.25")
            << Tone{196.0, {1.0, 0.5, 0.25}, {0.3, 1.1, 2.0}} << 48000 << 3;
        QTest::newRow("110 Hz sawtooth") << realsound::sawtooth(44100) << 44100 << 8;
        QTest::newRow("440 Hz sine, 5 % noise") << Tone{440.0, {1.0}, {0.0}, 0.05} << 48000 << 1;
        QTest::newRow("1500 Hz, harmonics 1, 0.3")
            << Tone{1500.0, {1.0, 0.3}, {0.0, 0.7}} << 48000 << 2;
    }
    void knownTones()
    {
        QFETCH(Tone, tone);
        QFETCH(int, rate);
        QFETCH(int, terms);
        const std::vector<double> x = realsound::render(tone, rate, 3.0);
        QVERIFY(realsound::writeWav(path("tone.wav"), x, rate));
        QVERIFY2(realsound::writeFlac(path("tone.wav"), path("tone.flac")),
                 "the FLAC encoder (Debian: flac) is missing or failed");
        const std::vector<std::pair<QString, std::vector<float>>> sounds = {
            {"generated", floats(x)},
            {"wav", readSound(path("tone.wav")).samples},
            {"flac", readSound(path("tone.flac")).samples}};
        for (const auto &[name, sound] : sounds) {
            QCOMPARE(sound.size(), x.size());
            for (const double seconds : {0.25, 1.1, 2.5}) {
                const Period p = periodAt(sound, rate, std::size_t(seconds * rate));
                const QString why = differs(p, tone, terms);
                QVERIFY2(
                    why.isEmpty(),
                    qPrintable(QStringLiteral("%1 at %2 s: %3").arg(name).arg(seconds).arg(why)));
                QCOMPARE(p.samples.size(), std::size_t(sampleCount));
            }
        }
    }

    // What has no period in 50 … 2000 Hz has none.
    void noPeriod_data()
    {
        QTest::addColumn<std::vector<float>>("sound");
        const int rate = 48000;
        QTest::newRow("silence") << std::vector<float>(rate, 0.0f);
        std::vector<float> noise(rate);
        std::mt19937 random(3);
        std::uniform_real_distribution<float> uniform(-0.5f, 0.5f);
        for (float &v : noise)
            v = uniform(random);
        QTest::newRow("white noise") << noise;
        QTest::newRow("40 Hz") << floats(realsound::render(Tone{40.0, {0.5}, {0.0}}, rate, 1.0));
        QTest::newRow("3000 Hz") << floats(
            realsound::render(Tone{3000.0, {0.5}, {0.0}}, rate, 1.0));
        QTest::newRow("too short") << std::vector<float>(analysisLength(rate) - 1, 0.5f);
    }
    void noPeriod()
    {
        QFETCH(std::vector<float>, sound);
        QCOMPARE(periodAt(sound, 48000, 0).fundamental, 0.0);
        QVERIFY(periodAt(sound, 48000, 0).samples.empty());
    }

    // A steady tone gives the same picture wherever it is taken: the period starts where its
    // fundamental rises through zero.
    void periodStandsStill()
    {
        const int rate = 48000;
        const std::vector<float> x =
            floats(realsound::render(Tone{196.0, {1.0, 0.5}, {0.4, 2.0}}, rate, 1.0));
        const Period a = periodAt(x, rate, 1000);
        const Period b = periodAt(x, rate, 7777);
        double worst = 0.0;
        for (std::size_t n = 0; n < a.samples.size(); ++n)
            worst = std::max(worst, std::abs(a.samples[n] - b.samples[n]));
        QVERIFY2(worst < 0.01, qPrintable(QString::number(worst)));
        double peak = 0.0;
        for (const double v : a.samples)
            peak = std::max(peak, std::abs(v));
        QCOMPARE(peak, 1.0);
    }

    // Silence, then noise, then a steady tone, then a gliding one: the steadiest second is in the
    // steady tone; the envelope follows the loudness.
    void steadiestSecond()
    {
        const int rate = 44100;
        std::vector<float> x(std::size_t(rate), 0.0f);
        std::mt19937 random(5);
        std::uniform_real_distribution<float> uniform(-0.3f, 0.3f);
        for (int i = 0; i < rate; ++i)
            x.push_back(uniform(random));
        for (const double v : realsound::render(Tone{330.0, {0.4}, {0.0}}, rate, 1.5))
            x.push_back(float(v));
        for (int i = 0; i < 2 * rate; ++i) {
            const double t = double(i) / rate;
            x.push_back(float(0.4 * std::sin(2.0 * pi * (200.0 * t + 100.0 * t * t))));
        }
        const double at = double(steadiestMoment(x, rate)) / rate;
        QVERIFY2(at >= 2.0 && at <= 3.5 - 1.0, qPrintable(QString::number(at)));
        const std::vector<float> e = envelope(x, 11);
        QCOMPARE(e.front(), 0.0f);
        QVERIFY(e[3] > 0.29f && e[3] <= 0.3f);
        QVERIFY(std::abs(e[6] - 0.4f) < 0.01f);
    }

    // A file that holds no sound the workshop can take gets its line, and the signal stays.
    void refusedFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("says");
        const int rate = 48000;
        const auto wav = [&](const std::vector<double> &x) {
            const QString p = path("made.wav");
            realsound::writeWav(p, x, rate);
            QFile f(p);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        };
        std::vector<double> silence(rate, 0.0);
        QTest::newRow("silence") << "silence.wav" << wav(silence) << "нет периодичности";
        std::vector<double> noise(2 * rate);
        std::mt19937 random(11);
        std::uniform_real_distribution<double> uniform(-1.0, 1.0);
        for (double &v : noise)
            v = uniform(random);
        QTest::newRow("white noise") << "noise.wav" << wav(noise) << "нет периодичности";
        QTest::newRow("empty") << "empty.wav" << QByteArray() << "файл пуст";
        const QByteArray tone = wav(realsound::render(Tone{196.0, {1.0}, {0.0}}, rate, 1.0));
        QTest::newRow("truncated WAV")
            << "cut.wav" << tone.left(tone.size() / 2) << "файл обрывается";
        QTest::newRow("text renamed to .wav")
            << "text.wav" << QByteArray("t,f\n0,1\n0.5,-1\n") << "не звуковой файл";
        // AIFF, a sound the system recognises but its decoding plugins do not take.
        QTest::newRow("unknown format")
            << "sound.aiff" << realsound::aiff(realsound::pcm(silence)) << "нет декодера";
        QTest::newRow("missing") << "missing.flac" << QByteArray("-") << "не удаётся открыть";
    }
    void refusedFiles()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, content);
        QFETCH(QString, says);
        const QString file = dir.filePath(name);
        if (content != "-") {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        signalWorkshop window;
        window.chooseSource(3);
        const Samples before = window.signal();
        QVERIFY(!window.openFile(file));
        QVERIFY2(window.message().startsWith(name + QStringLiteral(": ")) &&
                     window.message().contains(says),
                 qPrintable(window.message()));
        QCOMPARE(window.signal(), before);
        QCOMPARE(window.fundamental(), 220.0);
        QVERIFY(window.soundPanel().isHidden());
        QCOMPARE(window.findChild<QComboBox *>("preset")->currentIndex(), 3);
    }

    // A file's period becomes the signal at its own pitch, the envelope and the slider show, the
    // slider takes another moment's period, and another source puts the file away.
    void windowTakesFile()
    {
        const int rate = 48000;
        const Tone tone{196.0, {1.0, 0.5, 0.25}, {0.3, 1.1, 2.0}};
        std::vector<double> x = realsound::render(tone, rate, 2.0);
        // A second of silence after it: no period there.
        x.resize(x.size() + std::size_t(rate), 0.0);
        QVERIFY(realsound::writeWav(path("voice.wav"), x, rate));
        QVERIFY(realsound::writeFlac(path("voice.wav"), path("voice.flac")));
        signalWorkshop window;
        auto *combo = window.findChild<QComboBox *>("preset");
        auto *slider = window.soundPanel().findChild<QSlider *>("moment");
        QVERIFY(window.openFile(path("voice.flac")));
        QVERIFY(window.message().isEmpty());
        QVERIFY(std::abs(window.fundamental() / 196.0 - 1.0) < 0.003);
        QCOMPARE(combo->currentText(), QStringLiteral("Звуковой файл…"));
        QVERIFY(!window.soundPanel().isHidden() && !slider->isHidden());
        QVERIFY(window.soundPanel().findChild<QLabel *>("recordMark")->isHidden());
        QVERIFY(window.soundPanel().findChild<QLabel *>("fundamental")->text().contains("196."));
        Period taken{window.fundamental(), window.signal()};
        QVERIFY2(differs(taken, tone, 3).isEmpty(), qPrintable(differs(taken, tone, 3)));
        QVERIFY(sound::controllerOf(&window)->spectrum().fundamental == window.fundamental());

        // Into the silence: nothing changes but the message.
        const Samples before = window.signal();
        slider->setValue(slider->maximum());
        QVERIFY(window.message().contains("нет периодичности"));
        QCOMPARE(window.signal(), before);
        // Back into the tone, elsewhere.
        slider->setValue(3);
        taken = {window.fundamental(), window.signal()};
        QVERIFY2(differs(taken, tone, 3).isEmpty(), qPrintable(differs(taken, tone, 3)));

        window.chooseSource(1);
        QVERIFY(window.soundPanel().isHidden());
        QCOMPARE(window.fundamental(), 220.0);
    }

    // Without any sound input the microphone cannot be chosen, and says why.
    void noInputDevice()
    {
        signalWorkshop window;
        auto *combo = window.findChild<QComboBox *>("preset");
        const int entry = combo->findText(QStringLiteral("Микрофон"));
        QVERIFY(entry > 0);
        const QStandardItem *item = qobject_cast<QStandardItemModel *>(combo->model())->item(entry);
        QVERIFY(!item->isEnabled());
        QVERIFY(item->toolTip().startsWith("Нет микрофона: "));
        const Samples before = window.signal();
        QVERIFY(!window.startMicrophone());
        QCOMPARE(window.signal(), before);
        QCOMPARE(combo->currentIndex(), 0);
        QVERIFY(window.soundPanel().isHidden());
    }

    // The command line's sound of a file's period: the partial sum of harmonics 0 … 3 at the
    // file's pitch.
    void commandLineExport()
    {
        const int rate = 48000;
        const Tone tone{196.0, {1.0, 0.5, 0.25}, {0.3, 1.1, 2.0}};
        QVERIFY(realsound::writeWav(path("cli.wav"), realsound::render(tone, rate, 2.0), rate));
        QProcess veltarn;
        veltarn.start(QStringLiteral(VELTARN_EXECUTABLE),
                      {"-platform", "offscreen:configfile=" VELTARN_TEST_SCREEN, "--demo",
                       "workshop", "--signal", path("cli.wav"), "--set", "harmonics=4", "--export",
                       path("out.wav")});
        QVERIFY(veltarn.waitForFinished(60000));
        QVERIFY2(veltarn.exitCode() == 0, veltarn.readAllStandardError().constData());
        const Sound out = readSound(path("out.wav"));
        QVERIFY2(out.error.isEmpty(), qPrintable(out.error));
        const std::vector<float> middle(out.samples.begin() + rate / 2,
                                        out.samples.begin() + 5 * rate / 2);
        const double first = std::abs(soundprobes::toneAt(middle, 196.0));
        QVERIFY(first > 0.1);
        for (int k = 2; k <= 4; ++k) {
            const double want = k <= 3 ? tone.amplitude[std::size_t(k - 1)] : 0.0;
            const double got = std::abs(soundprobes::toneAt(middle, 196.0 * k)) / first;
            QVERIFY2(std::abs(got - want) <= 0.02 * std::max(want, 0.5),
                     qPrintable(QStringLiteral("A%1/A1 = %2").arg(k).arg(got)));
        }
    }
};

QTEST_MAIN(TestRealSound)
#include "test_realsound.moc"
