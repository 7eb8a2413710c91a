#include "sound/soundcontroller.h"
#include "sound/tonegenerator.h"
#include "soundprobes.h"
#include "testsupport.h"
#include "workshop/periodicsignal.h"
#include "workshop/signalsources.h"
#include "workshop/signalworkshop.h"
#include "workshop/workshopplot.h"

#include <QBuffer>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <complex>
#include <functional>

namespace
{
using namespace workshop;
using testsupport::fuzzy;
using Term = std::complex<double>; // A_k·e^{iφ_k}
const double pi = std::acos(-1.0);

Term polar(double a, double phase)
{
    return std::polar(a, phase);
}

// The closed-form term k of each preset's series.
Term closedForm(Preset preset, int k)
{
    const bool odd = k % 2 == 1, even = k % 2 == 0;
    switch (preset) {
    case Preset::Sine:
        return k == 1 ? polar(1.0, -pi / 2) : 0.0;
    case Preset::Square:
        return odd ? polar(4.0 / (pi * k), -pi / 2) : 0.0;
    case Preset::Triangle:
        return odd ? polar(8.0 / (pi * pi * k * k), 0.0) : 0.0;
    case Preset::Sawtooth:
        return k == 0 ? 0.0 : polar(2.0 / (pi * k), pi / 2);
    case Preset::HalfWave:
        if (k == 0)
            return 1.0 / pi;
        if (k == 1)
            return polar(0.5, -pi / 2);
        return even ? polar(2.0 / (pi * (k * k - 1)), pi) : 0.0;
    case Preset::FullWave: {
        if (k == 0)
            return 2.0 / pi;
        const int m = k / 2;
        return even ? polar(4.0 / (pi * (4.0 * m * m - 1)), pi) : 0.0;
    }
    case Preset::Pulses:
        return k == 0 ? 0.25 : 2.0 * std::sin(pi * k / 4) / (pi * k);
    case Preset::Noise:
        break;
    }
    return 0.0;
}

// The largest distance between the series and the closed form, in parts of its largest term.
double worstTerm(const Series &s, Preset preset)
{
    double largest = 0.0, worst = 0.0;
    for (int k = 0; k < harmonicCount; ++k)
        largest = std::max(largest, std::abs(closedForm(preset, k)));
    for (int k = 0; k < harmonicCount; ++k) {
        const Term got = polar(s.amplitude[std::size_t(k)], s.phase[std::size_t(k)]);
        worst = std::max(worst, std::abs(got - closedForm(preset, k)));
    }
    return worst / largest;
}

Samples changed(const Samples &a, const Samples &b)
{
    Samples indices;
    for (std::size_t n = 0; n < a.size(); ++n)
        if (a[n] != b[n])
            indices.push_back(double(n));
    return indices;
}

// A mouse event with the left button held, as a drag sends it.
void mouse(QWidget *w, QEvent::Type type, QPoint at)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held =
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, at, w->mapToGlobal(at), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

Loaded readBytes(const QByteArray &bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return readCsv(buffer);
}
} // namespace

Q_DECLARE_METATYPE(workshop::Preset)

class TestWorkshop : public QObject
{
    Q_OBJECT

private slots:
    // Every preset, and a formula writing it, against its series in closed form, k = 0 … 49,
    // within 0.1 % of the largest term; amplitudes and phases at once, as A·e^{iφ}.
    void presetSeries_data()
    {
        QTest::addColumn<Preset>("preset");
        QTest::addColumn<QString>("formula");
        QTest::newRow("sine") << Preset::Sine << "sin(2*pi*t)";
        QTest::newRow("square") << Preset::Square << "sign(sin(2*pi*t))";
        QTest::newRow("triangle") << Preset::Triangle << "abs(4*t-2)-1";
        QTest::newRow("sawtooth") << Preset::Sawtooth << "2*t-1";
        QTest::newRow("half-wave") << Preset::HalfWave << "max(sin(2*pi*t), 0)";
        QTest::newRow("full-wave") << Preset::FullWave << "abs(sin(2*pi*t))";
        QTest::newRow("pulses") << Preset::Pulses << "(sign(0.125-t)+1)/2 + (sign(t-0.875)+1)/2";
    }
    void presetSeries()
    {
        QFETCH(Preset, preset);
        QFETCH(QString, formula);
        const Series s = seriesOf(presetSamples(preset));
        QVERIFY2(worstTerm(s, preset) < 1e-3, qPrintable(QString::number(worstTerm(s, preset))));
        for (int k = 1; k < harmonicCount; ++k) {
            QVERIFY(s.amplitude[std::size_t(k)] >= 0.0);
            QVERIFY(s.phase[std::size_t(k)] > -pi && s.phase[std::size_t(k)] <= pi);
        }
        const Loaded typed = parseFormula(formula);
        QVERIFY2(typed.error.isEmpty(), qPrintable(typed.error));
        QVERIFY(worstTerm(seriesOf(typed.samples), preset) < 1e-3);
        // The whole series sums back to the signal where it is smooth.
        const Samples sum = partialSum(s, harmonicCount);
        QCOMPARE(sum.size(), std::size_t(sampleCount));
    }

    // The noise is the same every time, spans [−1, 1] and its ids and titles are the combo's.
    void presetTable()
    {
        QCOMPARE(presetSamples(Preset::Noise), presetSamples(Preset::Noise));
        const Samples noise = presetSamples(Preset::Noise);
        QVERIFY(*std::max_element(noise.begin(), noise.end()) <= 1.0);
        QVERIFY(*std::max_element(noise.begin(), noise.end()) > 0.99);
        QCOMPARE(presetNames().size(), std::size_t(8));
        QCOMPARE(findPreset("half-wave")->preset, Preset::HalfWave);
        QCOMPARE(QString::fromUtf8(findPreset("noise")->title), QString("Шум"));
        QVERIFY(!findPreset("Square") && !findPreset(""));
    }

    // A partial sum of a series is its own terms summed; the sine's one harmonic is the sine.
    void partialSums()
    {
        const Series s = seriesOf(presetSamples(Preset::Triangle));
        for (const int count : {0, 1, 4, 50}) {
            const Samples sum = partialSum(s, count);
            for (const int n : {0, 700, 2048, 4095}) {
                double expected = 0.0;
                for (int k = 0; k < count; ++k)
                    expected += s.term(double(n) / sampleCount, k);
                QVERIFY(testsupport::fuzzy(sum[std::size_t(n)], expected, 1e-5));
            }
        }
        const Samples sine = presetSamples(Preset::Sine);
        const Samples one = partialSum(seriesOf(sine), 2);
        for (std::size_t n = 0; n < sine.size(); n += 97)
            QVERIFY(testsupport::fuzzy(one[n], sine[n], 1e-5));
    }

    // Gibbs: the square's partial sum over 49 harmonics passes its levels by 9 % of the jump;
    // the mean-square error falls as harmonics come in; a smooth signal has no overshoot to
    // show, a zero signal no error.
    void convergenceReadouts()
    {
        const Samples square = presetSamples(Preset::Square);
        const Series s = seriesOf(square);
        const Convergence at49 = convergence(square, partialSum(s, 49));
        QVERIFY2(std::abs(at49.overshoot - 9.0) < 0.5, qPrintable(QString::number(at49.overshoot)));
        const Convergence sawtooth =
            convergence(presetSamples(Preset::Sawtooth),
                        partialSum(seriesOf(presetSamples(Preset::Sawtooth)), 49));
        QVERIFY2(std::abs(sawtooth.overshoot - 9.0) < 0.5,
                 qPrintable(QString::number(sawtooth.overshoot)));
        double previous = 101.0;
        for (const int count : {0, 2, 4, 10, 49}) {
            const double error = convergence(square, partialSum(s, count)).error;
            QVERIFY(error < previous);
            previous = error;
        }
        QCOMPARE(convergence(square, Samples(sampleCount, 0.0)).error, 100.0);
        // 8/π² of the power lies in the first harmonic.
        QVERIFY(testsupport::fuzzy(convergence(square, partialSum(s, 2)).error,
                                   100.0 * (1.0 - 8.0 / (pi * pi)), 0.05));
        const Samples triangle = presetSamples(Preset::Triangle);
        QVERIFY(convergence(triangle, partialSum(seriesOf(triangle), 5)).overshoot < 0.0);
        QVERIFY(convergence(Samples(sampleCount, 0.0), Samples(sampleCount, 0.0)).error < 0.0);
    }

    // A stroke changes exactly the samples whose times it passes, each onto the line drawn,
    // across the period's end too; a press alone sets the nearest sample; a stroke longer than a
    // period changes every sample once.
    void strokes()
    {
        const Samples before(sampleCount, 0.3);
        Samples s = before;
        QCOMPARE(drawStroke(s, 0.5, 1.0, 0.25, -1.0), 1025);
        const Samples touched = changed(before, s);
        QCOMPARE(touched.size(), std::size_t(1025));
        QCOMPARE(touched.front(), 1024.0);
        QCOMPARE(touched.back(), 2048.0);
        QCOMPARE(s[1024], -1.0);
        QCOMPARE(s[1536], 0.0);
        QCOMPARE(s[2048], 1.0);
        s = before;
        QCOMPARE(drawStroke(s, 0.999, 2.0, 1.001, 2.0), 9);
        QCOMPARE(changed(before, s), (Samples{0, 1, 2, 3, 4, 4092, 4093, 4094, 4095}));
        QCOMPARE(s[0], 2.0);
        QCOMPARE(s[4092], 2.0);
        QCOMPARE(s[4091], 0.3);
        QCOMPARE(s[5], 0.3);
        s = before;
        QCOMPARE(drawStroke(s, 0.30001, 3.0, 0.30001, 3.0), 1);
        QCOMPARE(changed(before, s), Samples{1229});
        s = before;
        QCOMPARE(drawStroke(s, -0.5, 1.0, 1.7, 1.0), sampleCount);
        QCOMPARE(s, Samples(sampleCount, 1.0));
        s = before;
        QCOMPARE(drawStroke(s, 410.2 / sampleCount, 1.0, 410.7 / sampleCount, 1.0), 0);
        QCOMPARE(s, before);
    }

    // Formulas: the functions and constants promised; every refused formula says what and
    // where, and gives no samples.
    void formulas()
    {
        const Loaded all = parseFormula("sqrt(abs(cos(2*pi*t))) + exp(-t) + min(t, 0.5) + "
                                        "max(t, e/10) + floor(3*t) + sign(t - 0.5)");
        QVERIFY2(all.error.isEmpty(), qPrintable(all.error));
        const double t = 0.75;
        QVERIFY(testsupport::fuzzy(
            all.samples[3072],
            std::sqrt(std::abs(std::cos(2 * pi * t))) + std::exp(-t) + 0.5 + t + 2.0 + 1.0, 1e-12));
        QCOMPARE(parseFormula("  2 ").samples, Samples(sampleCount, 2.0));
    }
    void refusedFormulas_data()
    {
        QTest::addColumn<QString>("formula");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown name") << "sin(2*pi*x)"
                                      << "неизвестное имя «x» в позиции 10";
        QTest::newRow("unknown function") << "2*foo(t)"
                                          << "неизвестное имя «foo» в позиции 3";
        QTest::newRow("unclosed") << "sin(2*pi*t"
                                  << "скобк";
        QTest::newRow("cut short") << "2*"
                                   << "обрывается";
        QTest::newRow("syntax") << "2**t"
                                << "ошибка в записи формулы";
        QTest::newRow("too many arguments") << "sin(t, 1)"
                                            << "число аргументов";
        QTest::newRow("pole") << "1/(t-0.5)"
                              << "не определено при t = 0.5";
        QTest::newRow("root of negative") << "sqrt(t-0.25)"
                                          << "не определено при t = 0";
        QTest::newRow("empty") << "   "
                               << "формула пуста";
    }
    void refusedFormulas()
    {
        QFETCH(QString, formula);
        QFETCH(QString, message);
        const Loaded l = parseFormula(formula);
        QVERIFY(l.samples.empty());
        QVERIFY2(l.error.startsWith("F(t): ") && l.error.contains(message), qPrintable(l.error));
    }

    // A saved signal reads back exactly; rows at any spacing are joined by straight lines, across
    // the period's end as well.
    void csvRoundTrip()
    {
        const Samples noise = presetSamples(Preset::Noise);
        QCOMPARE(readBytes(csvOf(noise)).samples, noise);
        QTemporaryDir dir;
        QFile file(dir.filePath("signal.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\xEF\xBB\xBFt,f\r\n0.25,1\r\n0.75,-1\r\n\r\n");
        file.close();
        const Loaded l = readCsv(file.fileName());
        QVERIFY2(l.error.isEmpty(), qPrintable(l.error));
        QCOMPARE(l.samples[1024], 1.0);
        QCOMPARE(l.samples[2048], 0.0);
        QCOMPARE(l.samples[3072], -1.0);
        QCOMPARE(l.samples[0], 0.0);
        QCOMPARE(l.samples[3584], -0.5);
        QVERIFY(!readCsv(dir.filePath("missing.csv")).error.isEmpty());
    }
    void refusedCsv_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("not UTF-8") << QByteArray("t,f\n0,1\n0.5,\xff\n") << "UTF-8";
        QTest::newRow("no header") << QByteArray("0,1\n0.5,2\n") << "строка 1: ожидается заголовок";
        QTest::newRow("empty") << QByteArray() << "строка 1:";
        QTest::newRow("missing column")
            << QByteArray("t,f\n0,1\n0.5\n") << "строка 3: ожидается два";
        QTest::newRow("extra column")
            << QByteArray("t,f\n0,1,2\n0.5,1\n") << "строка 2: ожидается два";
        QTest::newRow("not a number") << QByteArray("t,f\n0,1\n0.5,abc\n") << "строка 3: f «abc»";
        QTest::newRow("infinite") << QByteArray("t,f\n0,inf\n0.5,1\n") << "строка 2: f «inf»";
        QTest::newRow("t not a number") << QByteArray("t,f\n0,1\n0x1,1\n") << "строка 3: t «0x1»";
        QTest::newRow("t decreasing")
            << QByteArray("t,f\n0.5,1\n0.25,1\n") << "строка 3: t = 0.25 не больше";
        QTest::newRow("t repeated")
            << QByteArray("t,f\n0.5,1\n0.5,1\n") << "строка 3: t = 0.5 не больше";
        QTest::newRow("t past the period")
            << QByteArray("t,f\n0,1\n1.5,1\n") << "строка 3: t = 1.5 вне";
        QTest::newRow("t negative")
            << QByteArray("t,f\n-0.1,1\n0.5,1\n") << "строка 2: t = -0.1 вне";
        QTest::newRow("one row") << QByteArray("t,f\n0.5,1\n") << "не меньше двух";
        QTest::newRow("too large")
            << QByteArray("t,f\n0,1\n0.5,1\n").append(QByteArray(largestFile, ' '))
            << "больше 10 МБ";
    }
    void refusedCsv()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const Loaded l = readBytes(bytes);
        QVERIFY(l.samples.empty());
        QVERIFY2(l.error.contains(message), qPrintable(l.error));
    }

    // The window: each source replaces the signal and starts the synthesis over; every refused
    // one leaves signal and synthesis as they were and says why; a formula line refused is red
    // until a signal is accepted.
    void windowSources()
    {
        signalWorkshop w;
        w.resize(1200, 900);
        auto *add = w.findChild<QPushButton *>("addHarmonic");
        auto *sum = w.findChild<QPushButton *>("sum");
        auto *func = w.findChild<workshopPlot *>("Func");
        auto *spec = w.findChild<workshopSpectrum *>("Spec");
        auto *formula = w.findChild<QLineEdit *>("formula");
        const auto *counter = w.findChild<QLabel *>("label_6");
        QCOMPARE(w.signal(), presetSamples(Preset::Sine));
        // The eight presets, the microphone and a sound file.
        QCOMPARE(w.findChild<QComboBox *>("preset")->count(), 10);
        const auto twoSummed = [&] {
            for (int i = 0; i < 2; ++i) {
                add->click();
                sum->click();
            }
            QCOMPARE(counter->text(), QString("2"));
        };
        twoSummed();
        w.choosePreset(3);
        QCOMPARE(w.signal(), presetSamples(Preset::Sawtooth));
        QCOMPARE(w.series().amplitude, spec->shownSeries().amplitude);
        QVERIFY(counter->text() == "0" && func->harmonicsSummed() == 0 && !add->isHidden());
        QCOMPARE(spec->highlightedLines(), 0);

        twoSummed();
        const QColor ground = formula->palette().color(QPalette::Base);
        for (const char *bad : {"sin(2*pi*y)", "1/t", "sin("}) {
            formula->setText(bad);
            QVERIFY(!w.applyFormula());
            QCOMPARE(w.signal(), presetSamples(Preset::Sawtooth));
            QCOMPARE(counter->text(), QString("2"));
            QVERIFY(w.message().startsWith("F(t): "));
            QVERIFY(formula->palette().color(QPalette::Base) != ground);
        }
        QTemporaryDir dir;
        const QString badFile = dir.filePath("bad.csv");
        QFile f(badFile);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("t,f\n0,1\n0.5,x\n");
        f.close();
        QVERIFY(!w.openFile(badFile));
        QCOMPARE(w.message(), QString("bad.csv: строка 3: f «x» - не число"));
        QVERIFY(!w.saveFile(dir.filePath("no/such/folder/s.csv")));
        QVERIFY(!QFile::exists(dir.filePath("no/such/folder/s.csv")));
        QCOMPARE(w.signal(), presetSamples(Preset::Sawtooth));
        QCOMPARE(counter->text(), QString("2"));

        formula->setText("cos(2*pi*t)");
        QTest::keyClick(formula, Qt::Key_Return);
        QVERIFY(w.message().isEmpty());
        QCOMPARE(formula->palette().color(QPalette::Base), ground);
        QCOMPARE(counter->text(), QString("0"));
        QVERIFY(fuzzy(w.series().amplitude[1], 1.0, 1e-6));
        QVERIFY(fuzzy(w.series().phase[1], 0.0, 1e-6));

        w.choosePreset(7);
        const QString saved = dir.filePath("noise.csv");
        QVERIFY(w.saveFile(saved));
        w.findChild<QPushButton *>("clear")->click();
        QCOMPARE(w.signal(), Samples(sampleCount, 0.0));
        QVERIFY(w.openFile(saved));
        QCOMPARE(w.signal(), presetSamples(Preset::Noise));
    }

    // A stroke redraws only the columns where the signal moved, and the picture is the one a
    // plot given the stroked signal afresh paints, pixel for pixel, at either pixel ratio: steep
    // zigzags, a stroke across the period's end, a single point, a cleared signal.
    void strokedPictures()
    {
        for (const int ratio : {1, 2}) {
            const auto picture = [ratio](workshopPlot &plot) {
                QImage img(plot.size() * ratio, QImage::Format_ARGB32_Premultiplied);
                img.setDevicePixelRatio(ratio);
                img.fill(Qt::transparent);
                plot.render(&img);
                return img;
            };
            const auto fresh = [&](const Samples &signal) {
                workshopPlot plot;
                plot.setFont(testsupport::plotFont());
                plot.resize(613, 301);
                plot.setSignal(signal, seriesOf(signal));
                return picture(plot);
            };
            workshopPlot live;
            live.setFont(testsupport::plotFont());
            live.resize(613, 301);
            Samples signal = presetSamples(Preset::Square);
            live.setSignal(signal, seriesOf(signal));
            QImage before = picture(live);
            std::vector<std::function<void(Samples &)>> strokes = {
                [](Samples &s) { drawStroke(s, 0.95, 0.3, 1.07, -2.0); },
                [](Samples &s) { drawStroke(s, 0.5, 2.0, 0.5, 2.0); },
                [](Samples &s) { s.assign(s.size(), 0.0); },
            };
            // A zigzag across the whole period, its redrawn columns cutting through every
            // caption, tick and grid line.
            for (int n = 0; n < 50; ++n)
                strokes.push_back([n](Samples &s) {
                    drawStroke(s, n / 50.0, n % 2 ? 2.0 : -2.0, (n + 1) / 50.0, n % 2 ? -2.0 : 2.0);
                });
            for (const auto &stroke : strokes) {
                stroke(signal);
                live.setSignal(signal, seriesOf(signal));
                const QImage after = picture(live);
                QVERIFY(after != before);
                QVERIFY(after == fresh(signal));
                before = after;
            }
        }
    }

    // Pressing and dragging on the signal plot changes exactly the samples under the stroke, to
    // the values under the mouse; dragging the top of an amplitude line changes exactly that
    // amplitude, and the signal becomes the sum of the edited spectrum.
    void windowMouse()
    {
        signalWorkshop w;
        w.resize(1200, 900);
        w.ensurePolished(); // the offscreen platform takes no new size limits once shown
        w.layout()->activate();
        w.setMinimumSize(w.minimumSize());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.choosePreset(1);
        auto *func = w.findChild<workshopPlot *>("Func");
        const Samples before = w.signal();
        const QPoint a = func->pixelOf(1.25, 1.5), b = func->pixelOf(1.5, -0.5);
        mouse(func, QEvent::MouseButtonPress, a);
        mouse(func, QEvent::MouseMove, b);
        mouse(func, QEvent::MouseButtonRelease, b);
        const QPointF pa = func->signalPoint(a), pb = func->signalPoint(b);
        Samples expected = before;
        drawStroke(expected, pa.x(), pa.y(), pa.x(), pa.y());
        drawStroke(expected, pa.x(), pa.y(), pb.x(), pb.y());
        QCOMPARE(w.signal(), expected);
        const Samples touched = changed(before, w.signal());
        QVERIFY(touched.size() > 900 && touched.size() < 1100);
        QVERIFY(std::abs(touched.front() - 1024) < 10 && std::abs(touched.back() - 2048) < 10);
        QVERIFY(fuzzy(w.signal()[1024], 1.5, 0.05) && fuzzy(w.signal()[2047], -0.5, 0.05));
        QCOMPARE(w.series().amplitude, seriesOf(expected).amplitude);

        auto *spec = w.findChild<workshopSpectrum *>("Spec");
        const Series series = w.series();
        const QPoint tip = spec->amplitudeTip(3);
        const int target = spec->amplitudeRow() - int(spec->amplitudeScale() * 0.75);
        mouse(spec, QEvent::MouseButtonPress, tip + QPoint(3, -4));
        mouse(spec, QEvent::MouseMove, QPoint(tip.x(), target));
        mouse(spec, QEvent::MouseButtonRelease, QPoint(tip.x(), target));
        for (int k = 0; k < harmonicCount; ++k) {
            const double a3 = (spec->amplitudeRow() - target) / spec->amplitudeScale();
            QCOMPARE(w.series().amplitude[std::size_t(k)],
                     k == 3 ? a3 : series.amplitude[std::size_t(k)]);
            QCOMPARE(w.series().phase[std::size_t(k)], series.phase[std::size_t(k)]);
        }
        QCOMPARE(w.signal(), partialSum(w.series(), harmonicCount));
        // A press beside every line's top takes none.
        const Series edited = w.series();
        mouse(spec, QEvent::MouseButtonPress, spec->amplitudeTip(5) + QPoint(0, 40));
        mouse(spec, QEvent::MouseMove, spec->amplitudeTip(5) + QPoint(0, 80));
        QCOMPARE(w.series().amplitude, edited.amplitude);
    }

    // The sound is the partial sum: its lines at k · 220 Hz have the plotted amplitudes (to 1 % of
    // the largest), whatever their phases; nothing else sounds.
    void soundIsThePartialSum()
    {
        signalWorkshop w;
        w.choosePreset(4); // half-wave: lines at phases -π/2 and π, and zeros
        for (int k = 0; k < 9; ++k) {
            w.findChild<QPushButton *>("addHarmonic")->click();
            w.findChild<QPushButton *>("sum")->click();
        }
        const sound::Spectrum s = sound::controllerOf(&w)->spectrum();
        QCOMPARE(s.fundamental, 220.0);
        sound::ToneGenerator generator(soundprobes::rate);
        generator.setSpectrum(s);
        std::vector<float> samples(std::size_t(2 * soundprobes::rate));
        generator.render(samples.data(), int(samples.size()));
        const std::vector<float> steady(samples.begin() + soundprobes::rate, samples.end());
        std::vector<double> heard;
        for (int k = 1; k < 12; ++k)
            heard.push_back(std::abs(soundprobes::toneAt(steady, 220.0 * k, soundprobes::rate)));
        const double scale = heard[0] / w.series().amplitude[1];
        for (int k = 1; k < 12; ++k) {
            const double plotted = k < 9 ? w.series().amplitude[std::size_t(k)] : 0.0;
            QVERIFY2(std::abs(heard[std::size_t(k - 1)] / scale - plotted) <
                         0.01 * w.series().amplitude[1],
                     qPrintable(QString::number(k)));
        }
    }

    // Gibbs in the window: 49 harmonics of the square read about 9 % of the jump.
    void windowReadouts()
    {
        signalWorkshop w;
        w.choosePreset(1);
        auto *add = w.findChild<QPushButton *>("addHarmonic");
        auto *sum = w.findChild<QPushButton *>("sum");
        const auto *overshoot = w.findChild<QLabel *>("overshoot");
        QCOMPARE(overshoot->text(), QString("0.0 %"));
        QCOMPARE(w.findChild<QLabel *>("error")->text(), QString("100.0 %"));
        w.choosePreset(2); // no jump
        QCOMPARE(overshoot->text(), QString("—"));
        w.choosePreset(1);
        for (int k = 0; k < 49; ++k) {
            add->click();
            sum->click();
        }
        QVERIFY(std::abs(w.convergence().overshoot - 9.0) < 0.5);
        QCOMPARE(overshoot->text(), QString::number(w.convergence().overshoot, 'f', 1) + " %");
        QCOMPARE(w.findChild<QLabel *>("error")->text(),
                 QString::number(w.convergence().error, 'f', 1) + " %");
    }
};

VELTARN_TEST_MAIN(TestWorkshop)
#include "test_workshop.moc"
