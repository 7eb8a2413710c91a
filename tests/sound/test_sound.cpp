#include "harmonics/harmonic.h"
#include "harmonics/harmonictrapeze.h"
#include "harmonics/harmonictriangle.h"
#include "harmonics/rectanglesignal.h"
#include "harmonics/synthesisplot.h"
#include "harmonics/trapezesignal.h"
#include "harmonics/trianglesignal.h"
#include "modulation/amplitudemodulatedsignal.h"
#include "modulation/fieldamplitudespecdynamic.h"
#include "pulsetrain/fielddynamicspecperiodic.h"
#include "pulsetrain/periodicsignaldependences.h"
#include "pulsetrain/pulsetrainsignal.h"
#include "shape/fielddependencespecdynamic.h"
#include "shape/signaldependence.h"
#include "sound/soundcontroller.h"
#include "sound/tonegenerator.h"
#include "sound/wavfile.h"
#include "soundprobes.h"
#include "testsupport.h"
#include "windowing/notice.h"

#include <QDir>
#include <QLabel>
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

// What the sound promises, held here rather than read from the generator: no line at or above
// 0.45 of the rate, a peak of half the full scale and never above 0.55 of it, every change faded
// over 20 ms.
constexpr double band = 0.45 * rate, level = 0.5, limit = 0.55;
constexpr int fade = rate / 50;

struct Tone {
    double frequency, amplitude;
};

template <class Window> QWidget *make()
{
    return new Window;
}

// Each window with the controls a state is reached through, in order: sliders set, or a button
// clicked that many times.
const struct Window {
    const char *name;
    QWidget *(*open)();
    std::vector<const char *> controls;
} windows[] = {
    {"rectangle", make<harmonic>, {"sum"}},
    {"triangle", make<harmonicTriangle>, {"sum"}},
    {"trapeze", make<harmonicTrapeze>, {"sum"}},
    {"pulse train",
     make<periodicSignalDependences>,
     {"lengthhorizontalSlider", "periodhorizontalSlider", "lengthhorizontalSlider"}},
    {"shape",
     make<signalDependence>,
     {"tau2Slider", "tau1Slider", "periodSlider", "tau1Slider", "tau2Slider"}},
    {"modulation", make<amplitudeModulatedSignal>, {"MSlider", "omegaMSlider", "omegaNSlider"}}};

const struct Case {
    const char *name;
    int window;
    std::vector<int> values;
} cases[] = {{"rectangle, constant only", 0, {1}},
             {"rectangle, 4 summed", 0, {4}},
             {"triangle, all 20", 1, {20}},
             {"trapeze, 7 summed", 2, {7}},
             {"train, reference", 3, {1, 14, 3}},
             {"train, T 25 τ 1", 3, {1, 25, 1}},
             {"train, T 1 τ 1 (constant)", 3, {1, 1, 1}},
             {"train, T 2 τ 1", 3, {1, 2, 1}},
             {"shape, reference", 4, {0, 1, 16, 4, 3}},
             {"shape, T 1 τ1 1 τ2 0", 4, {0, 1, 1, 1, 0}},
             {"modulation, reference", 5, {50, 75, 750}},
             {"modulation, ω 0", 5, {50, 0, 750}},
             {"modulation, ω 0.29 Ω 5.57 (inexact in binary)", 5, {50, 29, 557}}};

enum Row { triangle20 = 2, trainRef = 4, trainDense = 5, trainHigh = 7, amRef = 10, amOne };

std::vector<Tone> series(double f, int count, const std::function<double(int)> &c)
{
    std::vector<Tone> tones;
    for (int n = 1; n < count; ++n)
        tones.push_back({n * f, c(n)});
    return tones;
}

// The lines the window's spectrum draws, at the frequencies they are played at.
std::vector<Tone> drawn(QWidget &w)
{
    if (auto *f = w.findChild<synthesisPlot *>(QStringLiteral("Func"))) {
        std::unique_ptr<synthesisModel> m = std::make_unique<rectangleSignal>();
        if (qobject_cast<harmonicTriangle *>(&w))
            m = std::make_unique<triangleSignal>();
        if (qobject_cast<harmonicTrapeze *>(&w))
            m = std::make_unique<trapezeSignal>();
        return series(220.0, f->harmonicsSummed(), [&m](int k) { return m->coefficient(k); });
    }
    if (auto *p = w.findChild<fieldDynamicSpecPeriodic *>()) {
        pulseTrainSignal s;
        s.setParameters(p->heldLength(), p->heldPeriod());
        return series(3080.0 / p->heldPeriod(), 200, [&s](int n) { return s.coefficient(n); });
    }
    if (auto *p = w.findChild<fieldDependenceSpecDynamic *>()) {
        const dependenceSignal &s = p->parameters();
        return series(3080.0 / s.period, 200, [&s](int n) { return s.coefficient(n); });
    }
    // Carrier 5 at 100 ωN, sidebands of 5 m / 2 at 100 (ωN ± ωM), merged when ωM is 0.
    const modulatedSignal &m = w.findChild<fieldAmplitudeSpecDynamic *>()->signalModel();
    const double n = 100 * m.omegaN(), s = 100 * m.omegaM(), side = 2.5 * m.depth();
    if (s == 0)
        return {{n, 5 + 2 * side}};
    return {{n - s, side}, {n, 5}, {n + s, side}};
}

// The largest sample, or with `steps` the largest step between neighbours.
double largest(const std::vector<float> &x, bool steps)
{
    double m = 0.0;
    for (std::size_t i = steps; i < x.size(); ++i)
        m = std::max(m, double(std::abs(x[i] - (steps ? x[i - 1] : 0.0f))));
    return m;
}

// The mean square of the samples.
double power(const std::vector<float> &x)
{
    double p = 0.0;
    for (const float v : x)
        p += double(v) * v / double(x.size());
    return p;
}

std::vector<float> render(sound::ToneGenerator &g, int count)
{
    std::vector<float> x(static_cast<std::size_t>(count));
    g.render(x.data(), count);
    return x;
}

// A second of the spectrum once its fade-in is over.
std::vector<float> steady(const sound::Spectrum &s)
{
    sound::ToneGenerator g(rate);
    g.setSpectrum(s);
    render(g, fade);
    return render(g, rate);
}

// The window of `row` in its state; null when a slider refused its step.
std::unique_ptr<QWidget> opened(int row)
{
    const Window &kind = windows[cases[row].window];
    std::unique_ptr<QWidget> w(kind.open());
    for (std::size_t i = 0; i < kind.controls.size(); ++i) {
        const QString name = QLatin1String(kind.controls[i]);
        const int value = cases[row].values[i];
        auto *s = w->findChild<QSlider *>(name);
        for (int k = 0; !s && k < value; ++k)
            w->findChild<QPushButton *>(name)->click();
        if (s)
            s->setValue(value);
        if (s && s->value() != value)
            return nullptr;
    }
    return w;
}

sound::Spectrum spectrumOf(int row)
{
    return sound::controllerOf(opened(row).get())->spectrum();
}

// The little-endian field of `bytes` bytes at `at`.
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
        for (int i = 0; i < int(std::size(cases)); ++i)
            QTest::newRow(cases[i].name) << i;
    }
    void linesAsDrawn()
    {
        QFETCH(int, row);
        const std::unique_ptr<QWidget> w = opened(row);
        QVERIFY2(w, "the window refused the state");
        const std::vector<Tone> expected = drawn(*w);
        const std::vector<float> x = steady(sound::controllerOf(w.get())->spectrum());
        const std::int64_t offset = fade;
        const double meanSquare = power(x);
        double mean = 0.0, strongest = 0.0, cross = 0.0, norm = 0.0;
        for (const float v : x)
            mean += double(v) / x.size();
        for (const Tone &t : expected)
            strongest = std::max(strongest, std::abs(t.amplitude));
        if (strongest < 5e-9) {
            QCOMPARE(largest(x, false), 0.0);
            return;
        }
        std::vector<double> measured;
        // Lines the plot draws from the band's edge up are not heard at all.
        const auto heardAs = [](const Tone &t) { return t.frequency < band ? t.amplitude : 0.0; };
        for (const Tone &t : expected) {
            measured.push_back(soundprobes::toneAt(x, t.frequency, offset).real());
            cross += measured.back() * heardAs(t);
            norm += heardAs(t) * heardAs(t);
        }
        const double scale = cross / norm;
        double heard = 0.0;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const double want = scale * heardAs(expected[i]);
            QVERIFY2(std::abs(measured[i] - want) <=
                         0.01 * std::abs(want) + 2e-4 * scale * strongest,
                     qPrintable(QString::number(expected[i].frequency)));
            heard += measured[i] * measured[i] / 2;
        }
        QVERIFY2(std::abs(meanSquare - heard) <= 0.01 * meanSquare,
                 qPrintable(QString::number(heard)));
        QVERIFY(std::abs(mean) < 1e-3);
        const double peak = largest(x, false);
        QVERIFY2(peak <= limit && peak >= 0.9 * level, qPrintable(QString::number(peak)));
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
            for (const float v : render(g, i < gaps.size() ? gaps[i] : 3 * fade))
                all.push_back(v);
        }
        const double step = largest(all, true);
        QVERIFY2(step <= ownStep + limit / fade,
                 qPrintable(QStringLiteral("step %1, own %2").arg(step).arg(ownStep)));
        QVERIFY(largest(all, false) <= limit);
        QVERIFY(g.isQuiet() == (rows.last() < 0));
        // What sounds in the end is the last change, whatever came between.
        const double last = rows.last() < 0 ? 0.0 : power(steady(spectrumOf(rows.last())));
        QVERIFY(std::abs(power(render(g, rate)) - last) <= 0.01 * last);
    }

    // A start rises over 20 ms: half way through it the tone is at half its level, after it
    // at its whole level. One line at 750 Hz: 64 samples a period.
    void startRisesOver20ms()
    {
        sound::ToneGenerator g(rate);
        g.setSpectrum(spectrumOf(amOne));
        const std::vector<float> x = render(g, 2 * fade);
        const auto period = [&x](int k) {
            return largest(std::vector<float>(x.begin() + 64 * k, x.begin() + 64 * (k + 1)), false);
        };
        const double full = largest(steady(spectrumOf(amOne)), false);
        QVERIFY2(std::abs(period(7) - 0.5 * full) <= 0.04 * full,
                 qPrintable(QString::number(period(7))));
        QVERIFY2(std::abs(period(16) - full) <= 1e-3 * full,
                 qPrintable(QString::number(period(16))));
    }

    // Every clip rises from and ends in silence, however short: a clip shorter than both fades
    // shares its length between them; one of a single sample is silent.
    void clipsEndInSilence()
    {
        for (const double seconds : {0.00002, 0.001, 0.01, 0.039, 0.041, 0.5}) {
            const std::vector<std::int16_t> clip =
                sound::renderClip(spectrumOf(trainDense), seconds, rate);
            const QString length = QString::number(seconds);
            QVERIFY2(clip.size() == std::size_t(std::lround(seconds * rate)), qPrintable(length));
            const int ramp = std::max(1, std::min(fade, int(clip.size()) / 2));
            QVERIFY2(clip.back() == 0 && std::abs(clip.front()) <= 0.55 * 32767 / ramp,
                     qPrintable(length));
            int loudest = 0;
            for (const std::int16_t v : clip)
                loudest = std::max(loudest, std::abs(int(v)));
            QVERIFY2(seconds < 0.01 || loudest > 6000, qPrintable(length));
        }
    }

    // Read back at fixed header offsets: mono 16-bit at the rate, the samples of the state, three
    // seconds unless told otherwise.
    void wavReadsBack_data()
    {
        QTest::addColumn<QStringList>("arguments"); // of the command line; none: from the window
        QTest::addColumn<double>("seconds");
        QTest::newRow("window") << QStringList() << 0.5;
        const QStringList state{"--demo", "pulse-train", "--set", "tau=1,T=25"};
        QTest::newRow("command line") << state + QStringList{"--seconds", "0.5"} << 0.5;
        QTest::newRow("command line, default length") << state << 3.0;
    }
    void wavReadsBack()
    {
        QFETCH(QStringList, arguments);
        QFETCH(double, seconds);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("train.wav"));
        if (!arguments.isEmpty()) {
            QProcess veltarn;
            veltarn.start(QStringLiteral(VELTARN_EXECUTABLE),
                          QStringList{"-platform", "offscreen:configfile=" VELTARN_TEST_SCREEN,
                                      "--export", path} +
                              arguments);
            QVERIFY(veltarn.waitForFinished(60000));
            QVERIFY2(veltarn.exitCode() == 0, veltarn.readAllStandardError().constData());
        } else {
            QString error;
            QVERIFY2(sound::writeWindowSound(*opened(trainDense), path, seconds, &error),
                     qPrintable(error));
        }
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray b = f.readAll();
        const int count = int(seconds * rate);
        QCOMPARE(b.size(), 44 + 2 * count);
        QVERIFY(b.startsWith("RIFF") && b.mid(8, 8) == "WAVEfmt " && b.mid(36, 4) == "data");
        QCOMPARE(
            (QList<quint32>{le(b, 4, 4), le(b, 16, 4), le(b, 20, 2), le(b, 22, 2), le(b, 24, 4),
                            le(b, 28, 4), le(b, 32, 2), le(b, 34, 2), le(b, 40, 4)}),
            (QList<quint32>{quint32(b.size() - 8), 16, 1, 1, rate, 2 * rate, 2, 16,
                            quint32(2 * count)}));
        const std::vector<std::int16_t> expected =
            sound::renderClip(spectrumOf(trainDense), seconds, rate);
        for (std::size_t i = 0; i < expected.size(); ++i)
            QVERIFY2(std::int16_t(le(b, 44 + 2 * int(i), 2)) == expected[i],
                     qPrintable(QString::number(i)));
        QVERIFY(std::abs(expected.front()) < 100 && std::abs(expected.back()) < 100);
        int loudest = 0; // the sound's own peak, at the full scale of 16 bits
        for (const std::int16_t v : expected)
            loudest = std::max(loudest, std::abs(int(v)));
        const double peak = 32767 * largest(steady(spectrumOf(trainDense)), false);
        QVERIFY2(std::abs(loudest - peak) <= 0.005 * peak, qPrintable(QString::number(loudest)));
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

    // Without a sound output the button is disabled with the reason in its tooltip; a click does
    // nothing and the toggle (the S key) shows the reason as a notice on the window.
    void soundButton_data()
    {
        QTest::addColumn<int>("window");
        for (int i = 0; i < int(std::size(windows)); ++i)
            QTest::newRow(windows[i].name) << i;
    }
    void soundButton()
    {
        QFETCH(int, window);
        std::unique_ptr<QWidget> w(windows[window].open());
        auto *button = w->findChild<QPushButton *>(QStringLiteral("sound"));
        for (const char *socket : {"/run/pulse/native", "/var/run/pulse/native"})
            if (QFileInfo::exists(QLatin1String(socket)))
                QSKIP("this machine runs a system-wide sound service");
        QVERIFY(button->isCheckable() && !button->isEnabled());
        QVERIFY(button->toolTip().contains(QStringLiteral("Нет звукового выхода")));
        sound::Controller *c = sound::controllerOf(w.get());
        QSignalSpy changes(c, &sound::Controller::playingChanged);
        QSignalSpy notices(c, &sound::Controller::noticeShown);
        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(notices.isEmpty());
        c->toggle();
        QVERIFY(!c->hasOutput() && !button->isChecked() && !c->isPlaying() && changes.isEmpty());
        QCOMPARE(notices.size(), 1);
        QCOMPARE(notices[0][0].toString(), button->toolTip());
        const auto *notice = w->findChild<QLabel *>(QLatin1String(veltarn::noticeName));
        QVERIFY(notice && notice->text() == button->toolTip());
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
