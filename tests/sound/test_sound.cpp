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
#include <QLayout>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>
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

using Steps = std::vector<std::pair<const char *, int>>;

// A window brought to a state through its own controls (a slider set, or a button clicked that
// many times), and the lines its plot draws there.
struct Case {
    const char *name;
    std::function<QWidget *()> open;
    Steps steps;
    std::function<std::vector<Tone>(QWidget &)> lines;
};

std::vector<Tone> series(double f, int count, const std::function<double(int)> &c)
{
    std::vector<Tone> tones;
    for (int n = 1; n < count && n * f < sound::bandLimit * rate; ++n)
        tones.push_back({n * f, c(n)});
    return tones;
}

template <class Window, class Model> Case synthesis(const char *name, int sums)
{
    return {name,
            [] { return new Window; },
            {{"sum", sums}},
            [sums](QWidget &) {
                const Model m;
                return series(220.0, sums, [&m](int k) { return m.coefficient(k); });
            }};
}

Case train(const char *name, int period, int length)
{
    return {name,
            [] { return new periodicSignalDependences; },
            {{"lengthhorizontalSlider", 1},
             {"periodhorizontalSlider", period},
             {"lengthhorizontalSlider", length}},
            [=](QWidget &) {
                pulseTrainSignal s;
                s.setParameters(length, period);
                return series(3080.0 / period, 200, [&s](int n) { return s.coefficient(n); });
            }};
}

Case shape(const char *name, int period, int tau1, int tau2)
{
    return {name,
            [] { return new signalDependence; },
            {{"tau2Slider", 0},
             {"tau1Slider", 1},
             {"periodSlider", period},
             {"tau1Slider", tau1},
             {"tau2Slider", tau2}},
            [=](QWidget &w) {
                const dependenceSignal &s =
                    w.findChild<fieldDependenceSpecDynamic *>(QStringLiteral("Spec"))->parameters();
                return series(3080.0 / period, 200, [&s](int n) { return s.coefficient(n); });
            }};
}

Case modulation(const char *name, int m, int omegaM, std::vector<Tone> lines)
{
    return {name,
            [] { return new amplitudeModulatedSignal; },
            {{"MSlider", m}, {"omegaMSlider", omegaM}, {"omegaNSlider", 750}},
            [lines](QWidget &) { return lines; }};
}

const std::vector<Case> &cases()
{
    static const std::vector<Case> all{
        synthesis<harmonic, rectangleSignal>("rectangle, constant only", 1),
        synthesis<harmonic, rectangleSignal>("rectangle, 4 summed", 4),
        synthesis<harmonicTriangle, triangleSignal>("triangle, all 20", 20),
        synthesis<harmonicTrapeze, trapezeSignal>("trapeze, 7 summed", 7),
        train("train, reference", 14, 3),
        train("train, T 25 τ 1", 25, 1),
        train("train, T 1 τ 1 (constant)", 1, 1),
        train("train, T 2 τ 1", 2, 1),
        shape("shape, reference", 16, 4, 3),
        shape("shape, T 1 τ1 1 τ2 0", 1, 1, 0),
        modulation("modulation, reference", 50, 75, {{675, 1.25}, {750, 5}, {825, 1.25}}),
        modulation("modulation, ω 0", 50, 0, {{750, 7.5}}),
    };
    return all;
}

enum Row { trainRef = 4, trainDense = 5, trainHigh = 7, amRef = 10, triangle20 = 2 };

double largest(const std::vector<float> &x, bool steps)
{
    double m = 0.0;
    for (std::size_t i = steps; i < x.size(); ++i)
        m = std::max(m, double(std::abs(x[i] - (steps ? x[i - 1] : 0.0f))));
    return m;
}

std::vector<float> render(sound::ToneGenerator &g, int count)
{
    std::vector<float> x(static_cast<std::size_t>(count));
    g.render(x.data(), count);
    return x;
}

std::vector<float> steady(const sound::Spectrum &s)
{
    sound::ToneGenerator g(rate);
    g.setSpectrum(s);
    render(g, g.rampSamples());
    return render(g, rate);
}

// The window of `row` in its state; null when a slider refused its step.
std::unique_ptr<QWidget> opened(int row)
{
    std::unique_ptr<QWidget> w(cases()[std::size_t(row)].open());
    for (const auto &[name, value] : cases()[std::size_t(row)].steps) {
        if (auto *s = w->findChild<QSlider *>(QLatin1String(name)); s) {
            s->setValue(value);
            if (s->value() != value)
                return nullptr;
        } else {
            for (int i = 0; i < value; ++i)
                w->findChild<QPushButton *>(QLatin1String(name))->click();
        }
    }
    return w;
}

sound::Spectrum spectrumOf(int row)
{
    return sound::controllerOf(opened(row).get())->spectrum();
}

// One row of each window.
constexpr int windows[] = {0, 2, 3, 4, 8, 10};

quint32 le(const QByteArray &b, int at, int bytes)
{
    quint32 v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | quint8(b[at + i]);
    return v;
}

} // namespace

class TestSound : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qunsetenv("PULSE_SERVER"); }

    // Lines at the plotted heights (to 1 %), all power in them, no constant, peak at the level.
    void linesAsDrawn_data()
    {
        QTest::addColumn<int>("row");
        for (std::size_t i = 0; i < cases().size(); ++i)
            QTest::newRow(cases()[i].name) << int(i);
    }
    void linesAsDrawn()
    {
        QFETCH(int, row);
        const std::unique_ptr<QWidget> w = opened(row);
        QVERIFY2(w, "the window refused the state");
        const std::vector<Tone> expected = cases()[std::size_t(row)].lines(*w);
        const std::vector<float> x = steady(sound::controllerOf(w.get())->spectrum());
        const std::int64_t offset = sound::ToneGenerator(rate).rampSamples();
        double meanSquare = 0.0, mean = 0.0, strongest = 0.0, cross = 0.0, norm = 0.0;
        for (const float v : x) {
            meanSquare += double(v) * v / x.size();
            mean += double(v) / x.size();
        }
        for (const Tone &t : expected)
            strongest = std::max(strongest, std::abs(t.amplitude));
        if (strongest < 5e-9) {
            QCOMPARE(largest(x, false), 0.0);
            return;
        }
        std::vector<double> measured;
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
                     qPrintable(QString::number(expected[i].frequency)));
            heard += measured[i] * measured[i] / 2;
        }
        QVERIFY2(std::abs(meanSquare - heard) <= 0.01 * meanSquare,
                 qPrintable(QString::number(heard)));
        QVERIFY(std::abs(mean) < 1e-3);
        const double peak = largest(x, false);
        QVERIFY2(peak <= sound::peakLimit && peak >= 0.9 * sound::peakLevel,
                 qPrintable(QString::number(peak)));
    }

    // Changes at any moment, also mid-fade: no step larger than the sounds' own plus the fade's.
    void changesFade_data()
    {
        QTest::addColumn<QList<int>>("rows"); // −1 is silence
        QTest::addColumn<QList<int>>("gaps"); // samples rendered after each change
        QTest::newRow("start and stop") << QList<int>{amRef, -1} << QList<int>{4800, 4800};
        QTest::newRow("jumps") << QList<int>{trainRef, trainDense, trainHigh, -1}
                               << QList<int>{4800, 4800, 4800, 4800};
        QTest::newRow("faster than a fade")
            << QList<int>{trainDense, trainHigh, amRef, -1, triangle20}
            << QList<int>{300, 100, 20, 10, 4000};
    }
    void changesFade()
    {
        QFETCH(QList<int>, rows);
        QFETCH(QList<int>, gaps);
        sound::ToneGenerator g(rate);
        std::vector<float> all{0.0f};
        double ownStep = 0.0;
        for (int i = 0; i <= rows.size(); ++i) {
            if (i < rows.size()) {
                const sound::Spectrum s = rows[i] < 0 ? sound::Spectrum{} : spectrumOf(rows[i]);
                ownStep = std::max(ownStep, largest(steady(s), true));
                g.setSpectrum(s);
            }
            for (const float v : render(g, i < gaps.size() ? gaps[i] : 3 * g.rampSamples()))
                all.push_back(v);
        }
        const double step = largest(all, true);
        QVERIFY2(step <= ownStep + sound::peakLimit / g.rampSamples(),
                 qPrintable(QStringLiteral("step %1, own %2").arg(step).arg(ownStep)));
        QVERIFY(largest(all, false) <= sound::peakLimit);
        QVERIFY(g.isQuiet() == (rows.last() < 0));
    }

    // Read back at fixed header offsets: mono 16-bit at the rate, the samples of the state.
    void wavReadsBack_data()
    {
        QTest::addColumn<bool>("commandLine");
        QTest::newRow("window") << false;
        QTest::newRow("command line") << true;
    }
    void wavReadsBack()
    {
        QFETCH(bool, commandLine);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("train.wav"));
        if (commandLine) {
            QProcess veltarn;
            veltarn.start(QStringLiteral(VELTARN_EXECUTABLE),
                          {"-platform", "offscreen:configfile=" VELTARN_TEST_SCREEN, "--demo",
                           "pulse-train", "--set", "tau=1,T=25", "--export", path, "--seconds",
                           "0.5"});
            QVERIFY(veltarn.waitForFinished(60000));
            QVERIFY2(veltarn.exitCode() == 0, veltarn.readAllStandardError().constData());
        } else {
            QString error;
            QVERIFY2(sound::writeWindowSound(*opened(trainDense), path, 0.5, &error),
                     qPrintable(error));
        }
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray b = f.readAll();
        QCOMPARE(b.size(), 44 + 2 * 24000);
        QVERIFY(b.startsWith("RIFF") && b.mid(8, 8) == "WAVEfmt " && b.mid(36, 4) == "data");
        QCOMPARE((QList<quint32>{le(b, 4, 4), le(b, 20, 2), le(b, 22, 2), le(b, 24, 4),
                                 le(b, 34, 2), le(b, 40, 4)}),
                 (QList<quint32>{quint32(b.size() - 8), 1, 1, rate, 16, 2 * 24000}));
        const std::vector<std::int16_t> expected =
            sound::renderClip(spectrumOf(trainDense), 0.5, rate);
        for (std::size_t i = 0; i < expected.size(); ++i)
            QVERIFY2(std::int16_t(le(b, 44 + 2 * int(i), 2)) == expected[i],
                     qPrintable(QString::number(i)));
        QVERIFY(std::abs(expected.front()) < 100 && std::abs(expected.back()) < 100);
    }

    // An unwritable target or a duration refused: an error and nothing left behind.
    void wavRefused_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<double>("seconds");
        QTest::newRow("folder missing") << "missing/clip.wav" << 1.0;
        QTest::newRow("target is a folder") << "folder" << 1.0;
        QTest::newRow("no duration") << "clip.wav" << 0.0;
    }
    void wavRefused()
    {
        QFETCH(QString, target);
        QFETCH(double, seconds);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir(QStringLiteral("folder"));
        amplitudeModulatedSignal w;
        QString error;
        QVERIFY(!sound::writeWindowSound(w, dir.filePath(target), seconds, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{"folder"});
        QVERIFY(QDir(dir.filePath(QStringLiteral("folder"))).isEmpty());
    }

    // No sound output: disabled, the reason in its tooltip, and the toggle does nothing.
    void buttonWithoutOutput_data()
    {
        QTest::addColumn<int>("window");
        for (const int i : windows)
            QTest::newRow(cases()[i].name) << i;
    }
    void buttonWithoutOutput()
    {
        QFETCH(int, window);
        for (const char *socket : {"/run/pulse/native", "/var/run/pulse/native"})
            if (QFileInfo::exists(QLatin1String(socket)))
                QSKIP("this machine runs a system-wide sound service");
        std::unique_ptr<QWidget> w(cases()[std::size_t(window)].open());
        auto *button = w->findChild<QPushButton *>(QStringLiteral("sound"));
        QVERIFY(button && button->isCheckable() && !button->isEnabled());
        QVERIFY(button->toolTip().contains(QStringLiteral("Нет звукового выхода")));
        sound::Controller *c = sound::controllerOf(w.get());
        QVERIFY(c && !c->hasOutput());
        QSignalSpy changes(c, &sound::Controller::playingChanged);
        c->toggle();
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!button->isChecked() && !c->isPlaying() && changes.isEmpty());
    }

    // Every other widget keeps its place and size with the button there or hidden.
    void buttonMovesNothing_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QSize>("size");
        for (const int i : windows) {
            QTest::addRow("%s, full screen", cases()[i].name) << i << QSize(1920, 1080);
            QTest::addRow("%s, small", cases()[i].name) << i << QSize(1024, 700);
        }
    }
    void buttonMovesNothing()
    {
        QFETCH(int, window);
        QFETCH(QSize, size);
        std::unique_ptr<QWidget> w(cases()[std::size_t(window)].open());
        auto *button = w->findChild<QPushButton *>(QStringLiteral("sound"));
        const auto places = [&] {
            w->layout()->invalidate();
            w->layout()->activate();
            std::map<QWidget *, QRect> at;
            for (QWidget *child : w->findChildren<QWidget *>())
                if (child != button)
                    at[child] = QRect(child->mapTo(w.get(), QPoint(0, 0)), child->size());
            return at;
        };
        w->resize(size);
        w->ensurePolished();
        const auto with = places();
        button->hide();
        QVERIFY(places() == with);
        button->show();
        QVERIFY(places() == with && button->width() > 0);
    }

    // The sum is heard as the glide onto it ends, not when "Просуммировать" is pressed.
    void synthesisHeardWhenGlideEnds()
    {
        harmonic w;
        QVERIFY(soundprobes::show(w, QSize(1600, 900)));
        auto *plot = w.findChild<synthesisPlot *>(QStringLiteral("Func"));
        sound::Controller *c = sound::controllerOf(&w);
        QSignalSpy settled(plot, &synthesisPlot::sumSettled);
        const auto click = [&w](const char *name) {
            w.findChild<QPushButton *>(QLatin1String(name))->click();
        };
        click("sum");
        QVERIFY(settled.wait(5000));
        click("addHarmonic");
        click("sum");
        QVERIFY(plot->isAnimating() && c->spectrum().isSilent());
        QVERIFY(settled.wait(5000));
        QCOMPARE(c->spectrum().lines.size(), std::size_t(1));
        QCOMPARE(c->spectrum().lines[0].harmonic, 1);
    }
};

VELTARN_TEST_MAIN(TestSound)
#include "test_sound.moc"
