#include "figures/figures.h"
#include "harmonics/harmonic.h"
#include "harmonics/harmonictrapeze.h"
#include "harmonics/harmonictriangle.h"
#include "harmonics/rectanglesignal.h"
#include "harmonics/synthesisplot.h"
#include "harmonics/trapezesignal.h"
#include "harmonics/trianglesignal.h"
#include "modulation/amplitudemodulatedsignal.h"
#include "pulsetrain/periodicsignaldependences.h"
#include "pulsetrain/pulsetrainsignal.h"
#include "shape/fielddependencespecdynamic.h"
#include "shape/signaldependence.h"
#include "sound/soundcontroller.h"
#include "sound/tonegenerator.h"
#include "sound/wavfile.h"
#include "soundprobes.h"
#include "testsupport.h"

#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace
{

using soundprobes::rate;

struct Tone {
    double frequency;
    double amplitude;
};

// A demonstration window brought to a state through its own controls, and the lines its live
// plot draws in that state (frequency in hertz, height in the plot's units).
struct Case {
    const char *name;
    std::function<QWidget *()> open;
    std::function<void(QWidget &)> set;
    std::function<std::vector<Tone>(QWidget &)> lines;
};

void slide(QWidget &w, const char *slider, int value)
{
    auto *s = w.findChild<QSlider *>(QLatin1String(slider));
    QVERIFY(s);
    s->setValue(value);
}

void click(QWidget &w, const char *button, int times = 1)
{
    for (int i = 0; i < times; ++i)
        w.findChild<QPushButton *>(QLatin1String(button))->click();
}

// Harmonics n·f of a cosine series below the band limit, from coefficient(n), n ≥ 1.
std::vector<Tone> series(double f, int count, const std::function<double(int)> &coefficient)
{
    std::vector<Tone> tones;
    for (int n = 1; n < count; ++n)
        if (n * f < sound::bandLimit * rate)
            tones.push_back({n * f, coefficient(n)});
    return tones;
}

template <class Window, class Model> Case synthesis(const char *name, int sums)
{
    return {name, [] { return new Window; }, [sums](QWidget &w) { click(w, "sum", sums); },
            [sums](QWidget &) {
                const Model m;
                return series(220.0, sums, [&m](int k) { return m.coefficient(k); });
            }};
}

Case train(const char *name, int period, int length)
{
    return {name, [] { return new periodicSignalDependences; },
            [=](QWidget &w) {
                // τ ≤ T holds at every step whichever way the two move.
                slide(w, "lengthhorizontalSlider", 1);
                slide(w, "periodhorizontalSlider", period);
                slide(w, "lengthhorizontalSlider", length);
            },
            [=](QWidget &) {
                pulseTrainSignal s;
                s.setParameters(length, period);
                return series(3080.0 / period, 200, [&s](int n) { return s.coefficient(n); });
            }};
}

Case shape(const char *name, int period, int tau1, int tau2)
{
    return {name, [] { return new signalDependence; },
            [=](QWidget &w) {
                slide(w, "tau2Slider", 0);
                slide(w, "tau1Slider", 1);
                slide(w, "periodSlider", period);
                slide(w, "tau1Slider", tau1);
                slide(w, "tau2Slider", tau2);
            },
            [=](QWidget &w) {
                const dependenceSignal &s =
                    w.findChild<fieldDependenceSpecDynamic *>(QStringLiteral("Spec"))->parameters();
                if (s.period != period || s.tau1 != tau1 || s.tau2 != tau2)
                    return std::vector<Tone>{{-1.0, 0.0}}; // the window refused the state
                return series(3080.0 / period, 200, [&s](int n) { return s.coefficient(n); });
            }};
}

// Depth and frequencies in slider positions (hundredths); the lines as the listed numbers.
Case modulation(const char *name, int m, int omegaM, int omegaN, std::vector<Tone> lines)
{
    return {name, [] { return new amplitudeModulatedSignal; },
            [=](QWidget &w) {
                slide(w, "MSlider", m);
                slide(w, "omegaMSlider", omegaM);
                slide(w, "omegaNSlider", omegaN);
            },
            [lines](QWidget &) { return lines; }};
}

const std::vector<Case> &cases()
{
    static const std::vector<Case> all{
        synthesis<harmonic, rectangleSignal>("rectangle, constant only", 1),
        synthesis<harmonic, rectangleSignal>("rectangle, 4 summed", 4),
        synthesis<harmonicTriangle, triangleSignal>("triangle, all 20", 20),
        synthesis<harmonicTrapeze, trapezeSignal>("trapeze, 7 summed", 7),
        train("train, reference T 14 τ 3", 14, 3),
        train("train, T 25 τ 1", 25, 1),
        train("train, T 1 τ 1 (constant)", 1, 1),
        train("train, T 2 τ 1", 2, 1),
        shape("shape, reference T 16 τ1 4 τ2 3", 16, 4, 3),
        shape("shape, T 20 τ1 20 τ2 20 (constant)", 20, 20, 20),
        shape("shape, T 1 τ1 1 τ2 0", 1, 1, 0),
        modulation("modulation, reference", 50, 75, 750, {{675, 1.25}, {750, 5}, {825, 1.25}}),
        modulation("modulation, 5 Hz beat", 50, 5, 750, {{745, 1.25}, {750, 5}, {755, 1.25}}),
        modulation("modulation, ω 0", 50, 0, 750, {{750, 7.5}}),
        modulation("modulation, depth 0", 0, 75, 750, {{750, 5}}),
    };
    return all;
}

int row(const char *name)
{
    for (std::size_t i = 0; i < cases().size(); ++i)
        if (QLatin1String(cases()[i].name) == QLatin1String(name))
            return int(i);
    return -2;
}

double largestStep(const std::vector<float> &x)
{
    double step = 0.0;
    for (std::size_t i = 1; i < x.size(); ++i)
        step = std::max(step, double(std::abs(x[i] - x[i - 1])));
    return step;
}

double largestValue(const std::vector<float> &x)
{
    double peak = 0.0;
    for (const float v : x)
        peak = std::max(peak, double(std::abs(v)));
    return peak;
}

std::vector<float> render(sound::ToneGenerator &g, int count)
{
    std::vector<float> x(static_cast<std::size_t>(count));
    g.render(x.data(), count);
    return x;
}

// One second of the steady sound, after the fade in.
std::vector<float> steady(const sound::Spectrum &s)
{
    sound::ToneGenerator g(rate);
    g.setSpectrum(s);
    render(g, g.rampSamples());
    return render(g, rate);
}

sound::Spectrum spectrumOf(int row)
{
    std::unique_ptr<QWidget> w(cases()[std::size_t(row)].open());
    cases()[std::size_t(row)].set(*w);
    return sound::controllerOf(w.get())->spectrum();
}

// Reads a WAV file with Python's own reader: channels, sample width, rate and frame count on
// stdout, the frames into `raw`.
QStringList readWithPython(const QString &wav, const QString &raw)
{
    QProcess p;
    p.start(QStringLiteral("python3"),
            {QStringLiteral("-c"),
             QStringLiteral("import sys, wave\n"
                            "w = wave.open(sys.argv[1], 'rb')\n"
                            "print(w.getnchannels(), w.getsampwidth(), w.getframerate(), "
                            "w.getnframes(), w.getcomptype())\n"
                            "open(sys.argv[2], 'wb').write(w.readframes(w.getnframes()))\n"),
             wav, raw});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {QString::fromLocal8Bit(p.readAllStandardError())};
    return QString::fromLatin1(p.readAllStandardOutput()).simplified().split(QLatin1Char(' '));
}

std::vector<std::int16_t> rawSamples(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = f.readAll();
    std::vector<std::int16_t> s(std::size_t(bytes.size() / 2));
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = std::int16_t(quint8(bytes[int(2 * i)]) | (quint8(bytes[int(2 * i + 1)]) << 8));
    return s;
}

QWidget *openWindow(int index)
{
    switch (index) {
    case 0:
        return new harmonic;
    case 1:
        return new harmonicTriangle;
    case 2:
        return new harmonicTrapeze;
    case 3:
        return new periodicSignalDependences;
    case 4:
        return new signalDependence;
    default:
        return new amplitudeModulatedSignal;
    }
}

constexpr int windowCount = 6;

} // namespace

class TestSound : public QObject
{
    Q_OBJECT

    QTemporaryDir home;
    bool python = false;

private slots:
    void initTestCase()
    {
        // The music folder and the sound service are looked up from the environment: both are
        // pointed somewhere only this test uses.
        QVERIFY(home.isValid());
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
        qunsetenv("PULSE_SERVER");
        python = !QStandardPaths::findExecutable(QStringLiteral("python3")).isEmpty();
    }

    // Every demonstration at its reference values and at the slider extremes: the sound's lines
    // sit at the fundamental's multiples with the relative heights the plot draws, nothing else
    // sounds (no constant, nothing folded back from above the band limit), and the peak is the
    // fixed level.
    void linesAsDrawn_data()
    {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < cases().size(); ++i)
            QTest::newRow(cases()[i].name) << int(i);
    }
    void linesAsDrawn()
    {
        QFETCH(int, row);
        const Case &c = cases()[std::size_t(row)];
        std::unique_ptr<QWidget> w(c.open());
        c.set(*w);
        const std::vector<Tone> expected = c.lines(*w);
        QVERIFY2(expected.empty() || expected[0].frequency > 0, "the window refused the state");
        const sound::Spectrum s = sound::controllerOf(w.get())->spectrum();
        const std::vector<float> x = steady(s);
        const std::int64_t offset = sound::ToneGenerator(rate).rampSamples();

        double meanSquare = 0.0;
        double mean = 0.0;
        for (const float v : x) {
            meanSquare += double(v) * v / x.size();
            mean += double(v) / x.size();
        }
        double strongest = 0.0;
        for (const Tone &t : expected)
            strongest = std::max(strongest, std::abs(t.amplitude));
        if (strongest < 1e-9 * 5) {
            QCOMPARE(largestValue(x), 0.0);
            return;
        }
        std::vector<double> measured;
        double cross = 0.0;
        double norm = 0.0;
        for (const Tone &t : expected) {
            measured.push_back(soundprobes::toneAt(x, t.frequency, offset).real());
            cross += measured.back() * t.amplitude;
            norm += t.amplitude * t.amplitude;
        }
        const double scale = cross / norm;
        double heard = 0.0;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const double want = scale * expected[i].amplitude;
            QVERIFY2(std::abs(measured[i] - want) <=
                         0.01 * std::abs(want) + 2e-4 * scale * strongest,
                     qPrintable(QStringLiteral("%1 Hz: %2, expected %3")
                                    .arg(expected[i].frequency)
                                    .arg(measured[i])
                                    .arg(want)));
            heard += measured[i] * measured[i] / 2;
        }
        QVERIFY2(
            std::abs(meanSquare - heard) <= 0.01 * meanSquare,
            qPrintable(QStringLiteral("power %1, in the lines %2").arg(meanSquare).arg(heard)));
        QVERIFY(std::abs(mean) < 1e-3);
        const double peak = largestValue(x);
        QVERIFY2(peak <= sound::peakLimit && peak >= 0.9 * sound::peakLevel,
                 qPrintable(QString::number(peak)));
    }

    // Changes at any moment, also while a fade still runs: no step between samples is larger
    // than the largest step of the sounds themselves plus the fade's own slope, no sample above
    // the limit, and a change starts to sound within one fade (20 ms).
    void changesFade_data()
    {
        QTest::addColumn<QList<int>>("rows"); // −1 is silence
        QTest::addColumn<QList<int>>("gaps"); // samples rendered after each change
        const int ref = row("train, reference T 14 τ 3");
        const int dense = row("train, T 25 τ 1");
        const int high = row("train, T 2 τ 1");
        const int am = row("modulation, 5 Hz beat");
        const int sq = row("triangle, all 20");
        QTest::newRow("start and stop") << QList<int>{ref, -1} << QList<int>{4800, 4800};
        QTest::newRow("train period jumps")
            << QList<int>{ref, dense, high, -1} << QList<int>{4800, 4800, 4800, 4800};
        QTest::newRow("changes faster than a fade") << QList<int>{dense, high, ref, am, sq, -1}
                                                    << QList<int>{300, 100, 700, 20, 5000, 3000};
        QTest::newRow("stop while starting") << QList<int>{am, -1, sq} << QList<int>{10, 10, 4000};
    }
    void changesFade()
    {
        QFETCH(QList<int>, rows);
        QFETCH(QList<int>, gaps);
        std::vector<sound::Spectrum> spectra;
        double ownStep = 0.0;
        for (const int r : rows) {
            spectra.push_back(r < 0 ? sound::Spectrum{} : spectrumOf(r));
            ownStep = std::max(ownStep, largestStep(steady(spectra.back())));
        }
        sound::ToneGenerator g(rate);
        std::vector<float> all{0.0f};
        for (int i = 0; i < rows.size(); ++i) {
            g.setSpectrum(spectra[std::size_t(i)]);
            const std::vector<float> part = render(g, gaps[i]);
            all.insert(all.end(), part.begin(), part.end());
        }
        const std::vector<float> tail = render(g, 3 * g.rampSamples());
        all.insert(all.end(), tail.begin(), tail.end());
        const double fadeSlope = sound::peakLimit / g.rampSamples();
        QVERIFY2(largestStep(all) <= ownStep + fadeSlope,
                 qPrintable(QStringLiteral("step %1, own %2").arg(largestStep(all)).arg(ownStep)));
        QVERIFY(largestValue(all) <= sound::peakLimit);
        QVERIFY(g.isQuiet() == (rows.last() < 0));
    }

    void changeHeardWithinOneFade_data()
    {
        QTest::addColumn<int>("changeAt"); // samples after the start, mid-fade or after it
        QTest::newRow("after the start's fade") << 2000;
        QTest::newRow("right after the start") << 1;
    }
    void changeHeardWithinOneFade()
    {
        QFETCH(int, changeAt);
        const sound::Spectrum a = spectrumOf(row("train, reference T 14 τ 3"));
        const sound::Spectrum b = spectrumOf(row("train, T 25 τ 1"));
        sound::ToneGenerator moved(rate);
        sound::ToneGenerator kept(rate);
        moved.setSpectrum(a);
        kept.setSpectrum(a);
        render(moved, changeAt);
        render(kept, changeAt);
        moved.setSpectrum(b);
        const std::vector<float> x = render(moved, 4 * moved.rampSamples());
        const std::vector<float> y = render(kept, 4 * kept.rampSamples());
        int first = -1;
        for (std::size_t i = 0; i < x.size() && first < 0; ++i)
            if (std::abs(x[i] - y[i]) > 1e-4)
                first = int(i);
        QVERIFY(first >= 0);
        QVERIFY2(first <= moved.rampSamples(), qPrintable(QString::number(first)));
    }

    // The clip read back by a reader of its own: mono 16-bit at the output rate, the samples the
    // sound writer renders for the window's state, faded in and out; the command line writes
    // the same clip with no display and no sound output.
    void wavReadsBack_data()
    {
        QTest::addColumn<bool>("commandLine");
        QTest::newRow("window") << false;
        QTest::newRow("command line") << true;
    }
    void wavReadsBack()
    {
        QFETCH(bool, commandLine);
        if (!python)
            QSKIP("python3 is needed to read the file with a reader of its own");
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("train.wav"));
        if (commandLine) {
            QProcess veltarn;
            veltarn.start(QStringLiteral(VELTARN_EXECUTABLE),
                          {QStringLiteral("-platform"),
                           QStringLiteral("offscreen:configfile=" VELTARN_TEST_SCREEN),
                           QStringLiteral("--demo"), QStringLiteral("pulse-train"),
                           QStringLiteral("--set"), QStringLiteral("tau=1,T=25"),
                           QStringLiteral("--export"), path, QStringLiteral("--seconds"),
                           QStringLiteral("0.5")});
            QVERIFY(veltarn.waitForFinished(60000));
            QVERIFY2(veltarn.exitCode() == 0, veltarn.readAllStandardError().constData());
        } else {
            std::unique_ptr<QWidget> w(cases()[std::size_t(row("train, T 25 τ 1"))].open());
            cases()[std::size_t(row("train, T 25 τ 1"))].set(*w);
            QString error;
            QVERIFY2(sound::writeWindowSound(*w, path, 0.5, &error), qPrintable(error));
        }
        const QString raw = dir.filePath(QStringLiteral("train.raw"));
        QCOMPARE(readWithPython(path, raw), (QStringList{"1", "2", "48000", "24000", "NONE"}));
        const std::vector<std::int16_t> expected =
            sound::renderClip(spectrumOf(row("train, T 25 τ 1")), 0.5, rate);
        QVERIFY(rawSamples(raw) == expected);
        QCOMPARE(QFileInfo(path).size(), qint64(44 + 2 * 24000));
        QVERIFY(std::abs(expected.front()) < 100 && std::abs(expected.back()) < 100);
    }

    void wavRefused_data()
    {
        QTest::addColumn<QString>("target"); // relative to a fresh folder holding "file"
        QTest::addColumn<double>("seconds");
        QTest::newRow("folder missing") << "missing/clip.wav" << 1.0;
        QTest::newRow("target is a folder") << "folder" << 1.0;
        QTest::newRow("no duration") << "clip.wav" << 0.0;
        QTest::newRow("not a number") << "clip.wav" << std::nan("");
        QTest::newRow("over an hour") << "clip.wav" << 3601.0;
    }
    void wavRefused()
    {
        QFETCH(QString, target);
        QFETCH(double, seconds);
        QTemporaryDir dir;
        QFile(dir.filePath(QStringLiteral("file"))).open(QIODevice::WriteOnly);
        QDir(dir.path()).mkdir(QStringLiteral("folder"));
        const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden);
        std::unique_ptr<QWidget> w(new amplitudeModulatedSignal);
        QString error;
        QVERIFY(!sound::writeWindowSound(*w, dir.filePath(target), seconds, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden), before);
        QCOMPARE(QDir(dir.filePath(QStringLiteral("folder"))).entryList(QDir::Files), {});
    }

    void soundlessWindowRefused()
    {
        QWidget plain;
        QString error;
        QVERIFY(!sound::writeWindowSound(plain, home.filePath(QStringLiteral("x.wav")), 1, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFileInfo::exists(home.filePath(QStringLiteral("x.wav"))));
    }

    // Three seconds into the music folder's "Вельтарн", created when missing, with a notice
    // naming the file; a folder that cannot be made gives a notice and no file.
    void saveClip_data()
    {
        QTest::addColumn<bool>("blocked");
        QTest::newRow("folder created") << false;
        QTest::newRow("folder cannot be made") << true;
    }
    void saveClip()
    {
        QFETCH(bool, blocked);
        const QString music =
            home.filePath(blocked ? QStringLiteral("blocked") : QStringLiteral("Музыка"));
        QDir().mkpath(home.filePath(QStringLiteral("config")));
        QFile dirs(home.filePath(QStringLiteral("config/user-dirs.dirs")));
        QVERIFY(dirs.open(QIODevice::WriteOnly));
        dirs.write("XDG_MUSIC_DIR=\"" + QFile::encodeName(music) + "\"\n");
        dirs.close();
        if (blocked) {
            QFile file(music);
            QVERIFY(file.open(QIODevice::WriteOnly)); // a file where the folder should be
        }
        QCOMPARE(QStandardPaths::writableLocation(QStandardPaths::MusicLocation), music);

        std::unique_ptr<QWidget> w(new signalDependence);
        w->resize(1200, 800);
        sound::Controller *c = sound::controllerOf(w.get());
        QSignalSpy notices(c, &sound::Controller::noticeShown);
        c->saveClip();
        QCOMPARE(notices.count(), 1);
        const QString text = notices.at(0).at(0).toString();
        QPointer<QLabel> notice =
            w->findChild<QLabel *>(QLatin1String(veltarn::figures::noticeName));
        QVERIFY(notice && notice->text() == text && !notice->isHidden());
        if (blocked) {
            QVERIFY(c->lastClip().isEmpty());
            QVERIFY(text.contains(QStringLiteral("не сохранён")));
            QVERIFY(QFileInfo(music).isFile());
            return;
        }
        const QString clip = c->lastClip();
        QCOMPARE(QFileInfo(clip).absolutePath(), QDir(music).filePath(QStringLiteral("Вельтарн")));
        QVERIFY(text.contains(QFileInfo(clip).fileName()));
        QCOMPARE(QFileInfo(clip).size(), qint64(44 + 2 * 3 * rate));
        c->saveClip(); // the same second: a second file, the first one kept
        QVERIFY(c->lastClip() != clip && QFileInfo::exists(clip) &&
                QFileInfo::exists(c->lastClip()));
        QVERIFY(QTest::qWaitFor([&] { return notice.isNull(); }, 6000));
    }

    // The button of every window: where and how it is, and, on a machine without a sound
    // output, disabled with the reason while the toggle does nothing.
    void buttonWithoutOutput_data()
    {
        QTest::addColumn<int>("window");
        for (int i = 0; i < windowCount; ++i)
            QTest::newRow(qPrintable(QString::number(i))) << i;
    }
    void buttonWithoutOutput()
    {
        QFETCH(int, window);
        for (const char *socket : {"/run/pulse/native", "/var/run/pulse/native"})
            if (QFileInfo::exists(QLatin1String(socket)))
                QSKIP("this machine runs a system-wide sound service");
        std::unique_ptr<QWidget> w(openWindow(window));
        auto *button = w->findChild<QPushButton *>(QStringLiteral("sound"));
        QVERIFY(button);
        QCOMPARE(button->text(), QStringLiteral("Звук"));
        QVERIFY(button->isCheckable() && !button->isChecked());
        QCOMPARE(button->font().pointSize(), 14);
        QVERIFY(button->font().bold());
        sound::Controller *c = sound::controllerOf(w.get());
        QVERIFY(c && !c->hasOutput());
        QVERIFY(!button->isEnabled());
        QVERIFY(button->toolTip().contains(QStringLiteral("Нет звукового выхода")));
        QSignalSpy changes(c, &sound::Controller::playingChanged);
        c->toggle();
        c->setPlaying(true);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!button->isChecked() && !c->isPlaying() && changes.isEmpty());
    }

    // The button takes room only from the spacer beside it: every other widget keeps its place
    // and size whether it is there or not (hidden, it takes no room, as before it existed).
    void buttonMovesNothing_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QSize>("size");
        for (int i = 0; i < windowCount; ++i) {
            QTest::addRow("%d full screen", i) << i << QSize(1920, 1080);
            QTest::addRow("%d small", i) << i << QSize(1024, 700);
        }
    }
    void buttonMovesNothing()
    {
        QFETCH(int, window);
        QFETCH(QSize, size);
        std::unique_ptr<QWidget> w(openWindow(window));
        auto *button = w->findChild<QPushButton *>(QStringLiteral("sound"));
        // Laid out without being shown: the offscreen platform warns when a shown window's
        // minimum size changes, as it does when the button goes.
        const auto places = [&] {
            w->layout()->invalidate();
            w->layout()->activate();
            std::map<QString, QRect> at;
            for (QWidget *child : w->findChildren<QWidget *>())
                if (child != button)
                    at[child->objectName() + QString::number(quintptr(child))] =
                        QRect(child->mapTo(w.get(), QPoint(0, 0)), child->size());
            return at;
        };
        w->resize(size);
        w->ensurePolished();
        const auto with = places();
        QCOMPARE(w->size(), size);
        button->hide();
        const auto without = places();
        QVERIFY(with == without);
        button->show();
        QVERIFY(places() == with);
        QVERIFY(button->width() > 0 && button->x() > 0);
    }

    // The sum is heard as the glide onto it ends, not when "Просуммировать" is pressed; "Репер"
    // silences at once.
    void synthesisHeardWhenGlideEnds()
    {
        harmonic w;
        w.resize(1600, 900);
        w.ensurePolished();
        w.layout()->activate(); // before showing: the offscreen platform warns otherwise
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto *plot = w.findChild<synthesisPlot *>(QStringLiteral("Func"));
        sound::Controller *c = sound::controllerOf(&w);
        QSignalSpy settled(plot, &synthesisPlot::sumSettled);
        click(w, "sum", 1);
        QVERIFY(settled.wait(5000));
        click(w, "addHarmonic");
        click(w, "sum");
        QVERIFY(plot->isAnimating());
        QVERIFY(c->spectrum().isSilent()); // still the constant alone
        QVERIFY(settled.wait(5000));
        QCOMPARE(settled.last().at(0).toInt(), 2);
        QCOMPARE(c->spectrum().lines.size(), std::size_t(1));
        QCOMPARE(c->spectrum().lines[0].harmonic, 1);
        click(w, "reper");
        QCOMPARE(settled.last().at(0).toInt(), 0);
        QVERIFY(c->spectrum().isSilent());
        QCOMPARE(settled.count(), 3);
    }
};

VELTARN_TEST_MAIN(TestSound)
#include "test_sound.moc"
