#include "modulation/amplitudemodulatedsignal.h"
#include "modulation/fieldamplitudefundynamic.h"
#include "modulation/fieldamplitudefunreper.h"
#include "modulation/fieldamplitudespecdynamic.h"
#include "modulation/fieldamplitudespecreper.h"
#include "modulation/modulatedsignal.h"
#include "testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSlider>

#include <climits>
#include <cmath>

namespace
{

const QColor darkBlue(Qt::darkBlue);
const QColor red(Qt::red);
const QSize plotSize(600, 400); // signal axis at row 200, spectrum axis at row 300

using Getter = double (modulatedSignal::*)() const;

// One parameter row of the window and the model value it drives.
struct Row {
    const char *slider;
    const char *whole;
    const char *point;
    const char *hundredths;
    const char *button;
    Getter value;
    int referencePosition;
};
const Row rows[] = {
    {"MSlider", "m", "dot1", "mx", "reperM", &modulatedSignal::depth, 50},
    {"omegaMSlider", "omegaM", "dot2", "omegaMx", "reperomegaM", &modulatedSignal::omegaM, 75},
    {"omegaNSlider", "omegaN", "dot3", "omegaNx", "reperomegaN", &modulatedSignal::omegaN, 750},
};

template <typename T> T *child(QWidget &w, const char *name)
{
    T *c = w.findChild<T *>(QLatin1String(name));
    Q_ASSERT(c);
    return c;
}

QString readout(QWidget &w, const Row &r)
{
    return child<QLabel>(w, r.whole)->text() + ' ' + child<QLabel>(w, r.point)->text() + ' ' +
           child<QLabel>(w, r.hundredths)->text();
}

// A slider position written as a value with two decimals: 5 -> "0 . 05", 805 -> "8 . 05".
QString twoDecimals(int position)
{
    const QString digits = QString::number(position).rightJustified(3, '0');
    return digits.chopped(2) + QStringLiteral(" . ") + digits.right(2);
}

// Every emission of the live signal plot, as "signal(value)", in order.
void recordEmissions(fieldAmplitudeFunDynamic &f, QStringList &log)
{
    using F = fieldAmplitudeFunDynamic;
    const std::pair<void (F::*)(int), const char *> signalsOfF[] = {
        {&F::mChanged, "mChanged"},
        {&F::mxChanged, "mxChanged"},
        {&F::ScrollmChanged, "ScrollmChanged"},
        {&F::omegaNChanged, "omegaNChanged"},
        {&F::ScrollomegaNChanged, "ScrollomegaNChanged"},
        {&F::omegaNxChanged, "omegaNxChanged"},
        {&F::omegaMChanged, "omegaMChanged"},
        {&F::ScrollomegaMChanged, "ScrollomegaMChanged"},
        {&F::omegaMxChanged, "omegaMxChanged"}};
    for (const auto &[signal, name] : signalsOfF)
        QObject::connect(&f, signal, &f, [&log, name = QString::fromLatin1(name)](int v) {
            log << QStringLiteral("%1(%2)").arg(name).arg(v);
        });
}

// Rows covered by pixels of the given colour in the whole picture, as (top, bottom).
std::pair<int, int> rowsOf(const QImage &img, const QColor &colour)
{
    int top = img.height(), bottom = -1;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (testsupport::pixelIs(img, x, y, colour)) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    return {top, bottom};
}

bool isDark(const QColor &c)
{
    return c.red() < 110 && c.green() < 110 && c.blue() < 110;
}

// Pixels of a kind in one picture but not in the other, outside the rows skipped; `countInB`
// receives how many of the kind `b` has there.
template <typename Kind>
int mismatches(const QImage &a, const QImage &b, Kind isOfKind, int *countInB = nullptr,
               int skipTop = -1, int skipBottom = -1)
{
    int n = 0, inB = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width() && (y < skipTop || y > skipBottom); ++x) {
            inB += isOfKind(b.pixelColor(x, y));
            n += isOfKind(a.pixelColor(x, y)) != isOfKind(b.pixelColor(x, y));
        }
    if (countInB)
        *countInB = inB;
    return n;
}

auto near(const QColor &colour)
{
    return [colour](const QColor &c) { return testsupport::near(c, colour, 40); };
}

// Lays the window out before its platform window exists: the offscreen platform warns when a
// shown window's minimum size changes.
void show(QWidget &w)
{
    w.layout()->activate();
    w.show();
}

template <typename Plot> QImage grabPlot(Plot &plot, QSize size = plotSize)
{
    plot.setFont(testsupport::plotFont());
    return testsupport::grab(plot, size);
}

} // namespace

class TestModulation : public QObject
{
    Q_OBJECT

private slots:
    void modelStartsAtTheReference()
    {
        const modulatedSignal s;
        QCOMPARE(s.amplitude(), 5.0);
        QCOMPARE(s.depth(), 0.5);
        QCOMPARE(s.omegaM(), 0.75);
        QCOMPARE(s.omegaN(), 7.5);
        QCOMPARE(s.lines()[0], 2.5);
        QCOMPARE(s.lines()[1], 10.0);
        QCOMPARE(s.lines()[2], 2.5);
    }

    void linesFollowTheDepthWhenComputed_data()
    {
        QTest::addColumn<double>("depth");
        QTest::newRow("none") << 0.0;
        QTest::newRow("0.37") << 0.37;
        QTest::newRow("full") << 1.0;
    }
    void linesFollowTheDepthWhenComputed()
    {
        QFETCH(double, depth);
        modulatedSignal s;
        s.setDepth(depth);
        QCOMPARE(s.lines()[0], 2.5); // nothing recomputed yet
        s.computeLines();
        QVERIFY(testsupport::fuzzy(s.lines()[0], 5.0 * depth, 1e-12));
        QCOMPARE(s.lines()[1], 10.0);
        QVERIFY(testsupport::fuzzy(s.lines()[2], 5.0 * depth, 1e-12));
    }

    void value_data()
    {
        QTest::addColumn<double>("t");
        QTest::addColumn<double>("depth");
        QTest::addColumn<double>("omegaM");
        QTest::addColumn<double>("omegaN");
        QTest::addColumn<double>("expected");
        QTest::newRow("crest at t = 0") << 0.0 << 0.5 << 0.75 << 7.5 << 7.5;
        QTest::newRow("depth 0") << 0.0 << 0.0 << 0.75 << 7.5 << 5.0;
        QTest::newRow("trough of both") << M_PI << 0.5 << 1.0 << 1.0 << -2.5;
        QTest::newRow("full depth touches axis") << M_PI << 1.0 << 1.0 << 3.0 << 0.0;
        QTest::newRow("no modulation") << 2 * M_PI / 7.5 << 0.5 << 0.0 << 7.5 << 7.5;
        QTest::newRow("carrier zero") << M_PI / 15 << 0.5 << 0.75 << 7.5 << 0.0;
    }
    void value()
    {
        QFETCH(double, t);
        QFETCH(double, depth);
        QFETCH(double, omegaM);
        QFETCH(double, omegaN);
        QFETCH(double, expected);
        modulatedSignal s;
        s.setDepth(depth);
        s.setOmegaM(omegaM);
        s.setOmegaN(omegaN);
        QVERIFY(testsupport::fuzzy(s.value(t), expected, 1e-12));
    }

    void slotsEmitIntegerPartThenHundredths_data()
    {
        QTest::addColumn<QByteArray>("slot");
        QTest::addColumn<int>("position");
        QTest::addColumn<QStringList>("emitted");
        QTest::addColumn<double>("stored");
        QTest::newRow("depth 100") << QByteArray("mValueChanged") << 100
                                   << QStringList{"mChanged(1)", "mxChanged(0)"} << 1.0;
        QTest::newRow("depth 37") << QByteArray("mValueChanged") << 37
                                  << QStringList{"mChanged(0)", "mxChanged(37)"} << 0.37;
        QTest::newRow("carrier 805")
            << QByteArray("omegaNValueChanged") << 805
            << QStringList{"omegaNChanged(8)", "omegaNxChanged(5)"} << 8.05;
        QTest::newRow("modulation 5")
            << QByteArray("omegaMValueChanged") << 5
            << QStringList{"omegaMChanged(0)", "omegaMxChanged(5)"} << 0.05;
        // Beyond the sliders: the hundredths stay below 100 and keep the sign of the value.
        QTest::newRow("depth 150") << QByteArray("mValueChanged") << 150
                                   << QStringList{"mChanged(1)", "mxChanged(50)"} << 1.5;
        QTest::newRow("depth -5") << QByteArray("mValueChanged") << -5
                                  << QStringList{"mChanged(0)", "mxChanged(-5)"} << -0.05;
        QTest::newRow("carrier INT_MIN")
            << QByteArray("omegaNValueChanged") << INT_MIN
            << QStringList{"omegaNChanged(-21474836)", "omegaNxChanged(-48)"} << INT_MIN / 100.0;
    }
    void slotsEmitIntegerPartThenHundredths()
    {
        QFETCH(QByteArray, slot);
        QFETCH(int, position);
        QFETCH(QStringList, emitted);
        QFETCH(double, stored);
        fieldAmplitudeFunDynamic f;
        QStringList log;
        recordEmissions(f, log);
        QVERIFY(QMetaObject::invokeMethod(&f, slot.constData(), Q_ARG(int, position)));
        QCOMPARE(log, emitted);
        const modulatedSignal &m = f.signalModel();
        const double held = slot.startsWith('m')        ? m.depth()
                            : slot.startsWith("omegaN") ? m.omegaN()
                                                        : m.omegaM();
        QVERIFY(testsupport::fuzzy(held, stored, 1e-12));
    }

    void reperSlotsEmitThenScroll_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("emitted");
        QTest::newRow("depth") << 0
                               << QStringList{"mChanged(0)", "mxChanged(50)", "ScrollmChanged(50)"};
        QTest::newRow("modulation")
            << 1
            << QStringList{"omegaMChanged(0)", "omegaMxChanged(75)", "ScrollomegaMChanged(75)"};
        QTest::newRow("carrier") << 2
                                 << QStringList{"omegaNChanged(7)", "omegaNxChanged(50)",
                                                "ScrollomegaNChanged(750)"};
    }
    void reperSlotsEmitThenScroll()
    {
        QFETCH(int, row);
        QFETCH(QStringList, emitted);
        const Row &r = rows[row];
        fieldAmplitudeFunDynamic f;
        f.mValueChanged(3);
        f.omegaMValueChanged(199);
        f.omegaNValueChanged(501);
        const modulatedSignal moved = f.signalModel();
        QStringList log;
        recordEmissions(f, log);
        QVERIFY(QMetaObject::invokeMethod(&f, r.button));
        QCOMPARE(log, emitted);
        for (const Row &other : rows) {
            const double expected =
                &other == &r ? other.referencePosition / 100.0 : (moved.*other.value)();
            QCOMPARE((f.signalModel().*other.value)(), expected);
        }
    }

    // The window's live spectrum rebuilds any int the signal plot receives, from its two parts.
    void spectrumRebuildsAnyValue_data()
    {
        QTest::addColumn<int>("position");
        for (int v : {0, 29, 57, 100, 199, 805, -1, -250, 123456789, INT_MAX, INT_MIN})
            QTest::addRow("%d", v) << v;
    }
    void spectrumRebuildsAnyValue()
    {
        QFETCH(int, position);
        amplitudeModulatedSignal w;
        auto &f = *child<fieldAmplitudeFunDynamic>(w, "Func");
        auto &s = *child<fieldAmplitudeSpecDynamic>(w, "Spec");
        f.mValueChanged(position);
        f.omegaMValueChanged(position);
        f.omegaNValueChanged(position);
        const double tolerance = 1e-12 * std::max(1.0, std::abs(position / 100.0));
        QVERIFY(testsupport::fuzzy(s.signalModel().depth(), position / 100.0, tolerance));
        QVERIFY(testsupport::fuzzy(s.signalModel().omegaM(), position / 100.0, tolerance));
        QVERIFY(testsupport::fuzzy(s.signalModel().omegaN(), position / 100.0, tolerance));
        // Extreme parameters still paint, clipped.
        const QImage signal = grabPlot(f);
        const QImage spectrum = grabPlot(s);
        VERIFY_PIXEL(signal, 5, plotSize.height() / 2, Qt::black);
        VERIFY_PIXEL(spectrum, 5, 3 * plotSize.height() / 4, Qt::black);
    }

    void windowStartsAtTheReference()
    {
        amplitudeModulatedSignal w;
        QCOMPARE(w.objectName(), QStringLiteral("amplitudeModulatedSignal"));
        QCOMPARE(w.windowTitle(), QStringLiteral("Form"));
        QCOMPARE(w.palette().color(QPalette::Window), QColor(245, 245, 255));
        QCOMPARE(child<QLabel>(w, "label")->text(), QStringLiteral("Глубина модуляци "));
        QCOMPARE(child<QLabel>(w, "label_3")->text(), QStringLiteral("Частота модуляции"));
        QCOMPARE(child<QLabel>(w, "label_2")->text(), QStringLiteral("Несущая частота   "));
        QCOMPARE(readout(w, rows[0]), QStringLiteral("0 . 50"));
        QCOMPARE(readout(w, rows[1]), QStringLiteral("0 . 75"));
        QCOMPARE(readout(w, rows[2]), QStringLiteral("7 . 50"));
        for (const Row &r : rows)
            QCOMPARE(child<QSlider>(w, r.slider)->value(), r.referencePosition);
    }

    void readoutsAndSpectrumFollowEverySliderPosition_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("lowestFifthHighest");
        QTest::newRow("depth") << 0 << QStringList{"0 . 00", "0 . 05", "1 . 00"};
        QTest::newRow("modulation") << 1 << QStringList{"0 . 00", "0 . 05", "2 . 00"};
        QTest::newRow("carrier") << 2 << QStringList{"5 . 00", "5 . 05", "9 . 00"};
    }
    void readoutsAndSpectrumFollowEverySliderPosition()
    {
        QFETCH(int, row);
        QFETCH(QStringList, lowestFifthHighest);
        const Row &r = rows[row];
        amplitudeModulatedSignal w;
        QSlider *slider = child<QSlider>(w, r.slider);
        const auto *spec = child<fieldAmplitudeSpecDynamic>(w, "Spec");
        const auto *func = child<fieldAmplitudeFunDynamic>(w, "Func");
        QStringList shown;
        for (int v = slider->minimum(); v <= slider->maximum(); ++v) {
            slider->setValue(v);
            QCOMPARE(readout(w, r), twoDecimals(v));
            QVERIFY2(testsupport::fuzzy((spec->signalModel().*r.value)(), v / 100.0, 1e-9),
                     qPrintable(QString::number(v)));
            QCOMPARE((func->signalModel().*r.value)(), v / 100.0);
            if (v == slider->minimum() || v == slider->minimum() + 5 || v == slider->maximum())
                shown << readout(w, r);
        }
        QCOMPARE(shown, lowestFifthHighest);
    }

    void reperRestoresOneParameter_data()
    {
        QTest::addColumn<int>("row");
        QTest::newRow("depth") << 0;
        QTest::newRow("modulation") << 1;
        QTest::newRow("carrier") << 2;
    }
    void reperRestoresOneParameter()
    {
        QFETCH(int, row);
        amplitudeModulatedSignal w;
        show(w);
        const int moved[] = {20, 150, 620};
        for (int i = 0; i < 3; ++i)
            child<QSlider>(w, rows[i].slider)->setValue(moved[i]);
        const auto *spec = child<fieldAmplitudeSpecDynamic>(w, "Spec");

        QTest::mouseClick(child<QPushButton>(w, rows[row].button), Qt::LeftButton);
        for (int i = 0; i < 3; ++i) {
            const Row &r = rows[i];
            const int expected = i == row ? r.referencePosition : moved[i];
            QCOMPARE(child<QSlider>(w, r.slider)->value(), expected);
            QCOMPARE(readout(w, r), twoDecimals(expected));
            QVERIFY(testsupport::fuzzy((spec->signalModel().*r.value)(), expected / 100.0, 1e-9));
        }

        QSignalSpy sliderMoves(child<QSlider>(w, rows[row].slider), &QSlider::valueChanged);
        QTest::mouseClick(child<QPushButton>(w, rows[row].button), Qt::LeftButton);
        QCOMPARE(sliderMoves.count(), 0);
        QCOMPARE(readout(w, rows[row]), twoDecimals(rows[row].referencePosition));
    }

    void pageStepsFromTheKeyboard_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("step");
        QTest::newRow("depth") << 0 << 10;
        QTest::newRow("modulation") << 1 << 20;
        QTest::newRow("carrier") << 2 << 40;
    }
    void pageStepsFromTheKeyboard()
    {
        QFETCH(int, row);
        QFETCH(int, step);
        const Row &r = rows[row];
        amplitudeModulatedSignal w;
        show(w);
        QSlider *slider = child<QSlider>(w, r.slider);
        slider->setFocus();
        QCOMPARE(w.focusWidget(), slider);
        QTest::keyClick(w.focusWidget(), Qt::Key_PageUp);
        QCOMPARE(slider->value(), r.referencePosition + step);
        QCOMPARE(readout(w, r), twoDecimals(r.referencePosition + step));
        QTest::keyClick(w.focusWidget(), Qt::Key_PageDown);
        QTest::keyClick(w.focusWidget(), Qt::Key_PageDown);
        QCOMPARE(slider->value(), r.referencePosition - step);
        QCOMPARE(readout(w, r), twoDecimals(r.referencePosition - step));
    }

    void referencePicturesNeverChange()
    {
        amplitudeModulatedSignal w;
        w.resize(900, 700);
        show(w);
        QWidget *funReper = child<QWidget>(w, "FunReper");
        QWidget *specReper = child<QWidget>(w, "SpecReper");
        const QImage fun = funReper->grab().toImage();
        const QImage spec = specReper->grab().toImage();
        for (const Row &r : rows)
            child<QSlider>(w, r.slider)->setValue(child<QSlider>(w, r.slider)->minimum());
        QTest::mouseClick(child<QPushButton>(w, "reperM"), Qt::LeftButton);
        QCOMPARE(funReper->grab().toImage(), fun);
        QCOMPARE(specReper->grab().toImage(), spec);
    }

    void mainMenuButtonCloses()
    {
        amplitudeModulatedSignal w;
        show(w);
        QTest::mouseClick(child<QPushButton>(w, "pushButton"), Qt::LeftButton);
        QVERIFY(!w.isVisible());
    }

    void curveExtent_data()
    {
        QTest::addColumn<int>("depthPosition");
        QTest::addColumn<int>("below");
        QTest::addColumn<int>("aboveAtLeast");
        // Below the axis the crest at t = 0 is exact; above, the sampled troughs fall short of
        // the envelope by a few pixels at full depth.
        QTest::newRow("depth 0") << 0 << 75 << 74;
        QTest::newRow("depth 1") << 100 << 150 << 140;
    }
    void curveExtent()
    {
        QFETCH(int, depthPosition);
        QFETCH(int, below);
        QFETCH(int, aboveAtLeast);
        fieldAmplitudeFunDynamic f;
        f.mValueChanged(depthPosition);
        const QImage img = grabPlot(f);
        const int mid = plotSize.height() / 2;
        const auto [top, bottom] = rowsOf(img, darkBlue);
        // Coordinates are pixel corners under antialiasing: a crest at row r darkens rows
        // up to r − 1 fully.
        QVERIFY2(bottom >= mid + below - 1 && bottom <= mid + below + 1,
                 qPrintable(QString::number(bottom)));
        QVERIFY2(top >= mid - below - 2 && top <= mid - aboveAtLeast,
                 qPrintable(QString::number(top)));
        // Positive values lie below the axis: the curve starts at its crest, under the axis.
        QVERIFY(testsupport::columnHas(img, 11, mid + below - 20, mid + below + 2, darkBlue));
        QVERIFY(!testsupport::columnHas(img, 11, 0, mid - 10, darkBlue));
    }

    void fullDepthEnvelopeTouchesTheAxis()
    {
        fieldAmplitudeFunDynamic f;
        f.mValueChanged(100);
        const QImage img = grabPlot(f);
        // cos(0.75·t) = −1 at t = 4π/3, x = 10 + 30·4π/3 ≈ 135.
        const int mid = plotSize.height() / 2;
        QVERIFY(testsupport::columnHas(img, 135, mid - 3, mid + 3, darkBlue));
        QVERIFY(!testsupport::columnHas(img, 135, 0, mid - 5, darkBlue));
        QVERIFY(!testsupport::columnHas(img, 135, mid + 5, plotSize.height() - 1, darkBlue));
    }

    // Lines at x = 60·(ω − 3) + 10, 5 pixels wide, topped by a dot of radius 5.
    void spectrumLines_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("tip");
        QTest::newRow("lower side") << plotSize << 235 << 300 - 37;
        QTest::newRow("carrier") << plotSize << 280 << 300 - 150;
        QTest::newRow("upper side") << plotSize << 325 << 300 - 37;
        QTest::newRow("lower window, carrier") << QSize(500, 240) << 280 << 180 - 150;
    }
    void spectrumLines()
    {
        QFETCH(QSize, size);
        QFETCH(int, x);
        QFETCH(int, tip);
        fieldAmplitudeSpecDynamic s;
        fieldAmplitudeSpecReper reper;
        for (const QImage &img : {grabPlot(s, size), grabPlot(reper, size)}) {
            const int base = 3 * size.height() / 4;
            VERIFY_PIXEL(img, x - 2, base - 3, red);
            VERIFY_PIXEL(img, x + 2, base - 3, red);
            QVERIFY(!testsupport::pixelIs(img, x - 3, base - 3, red));
            QVERIFY(!testsupport::pixelIs(img, x + 3, base - 3, red));
            VERIFY_PIXEL(img, x, tip + 7, red);
            VERIFY_PIXEL(img, x, tip, darkBlue);
            VERIFY_PIXEL(img, x, tip - 4, darkBlue);
            QVERIFY(!testsupport::pixelIs(img, x, tip - 7, darkBlue));
            QVERIFY(!testsupport::pixelIs(img, x, tip - 7, red));
        }
    }

    void coincidingLinesAtZeroModulation()
    {
        fieldAmplitudeSpecDynamic s;
        s.omegaMValueChanged(0);
        s.omegaMxValueChanged(0);
        const QImage img = grabPlot(s);
        VERIFY_PIXEL(img, 280, 263, darkBlue); // the side dot, drawn over the carrier line
        VERIFY_PIXEL(img, 280, 150, darkBlue); // the carrier dot
        VERIFY_PIXEL(img, 280, 200, red);
        QVERIFY(!testsupport::columnHas(img, 235, 150, 298, red));
        QVERIFY(!testsupport::columnHas(img, 325, 150, 298, red));
    }

    void depthZeroPutsSideDotsOnTheAxis()
    {
        fieldAmplitudeSpecDynamic s;
        s.mValueChanged(0);
        s.mxValueChanged(0);
        const QImage img = grabPlot(s);
        VERIFY_PIXEL(img, 235, 296, darkBlue);
        VERIFY_PIXEL(img, 325, 304, darkBlue);
        QVERIFY(!testsupport::columnHas(img, 235, 200, 293, red));
    }

    // The live and reference pictures differ only in caption and background.
    void referenceDrawsTheLivePicture()
    {
        fieldAmplitudeFunDynamic fun;
        fieldAmplitudeFunReper funReper;
        QCOMPARE(mismatches(grabPlot(fun), grabPlot(funReper), near(darkBlue)), 0);
        fieldAmplitudeSpecDynamic spec;
        fieldAmplitudeSpecReper specReper;
        const QImage live = grabPlot(spec);
        const QImage reference = grabPlot(specReper);
        QCOMPARE(mismatches(live, reference, near(darkBlue)), 0);
        QCOMPARE(mismatches(live, reference, near(red)), 0);
    }

    // The labels, painted alone on white at the positions of the lines they explain, coincide
    // with the reference spectrum's dark pixels away from the axis.
    void referenceLabels_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("shift");
        QTest::addColumn<bool>("matches");
        QTest::newRow("600x400") << plotSize << 0 << true;
        QTest::newRow("700x300") << QSize(700, 300) << 0 << true;
        QTest::newRow("two pixels off is seen") << plotSize << 2 << false;
    }
    void referenceLabels()
    {
        QFETCH(QSize, size);
        QFETCH(int, shift);
        QFETCH(bool, matches);
        fieldAmplitudeSpecReper reper;
        const QImage img = grabPlot(reper, size);
        const int base = 3 * size.height() / 4;
        const int w = size.width();
        const QChar omega(0x03C9), bigOmega(0x03A9);
        const QString dash(QChar(0x2014));
        const struct {
            QString text;
            int x, y;
        } labels[] = {
            {QStringLiteral("Реперный спектр"), w - 200, 30},
            {QString(omega), w - 30, base + 30},
            {"A*m", 217, base - 37 - 41}, // 37.5 + 40 above the axis, truncated
            {dash, 228, base - 37 - 31},
            {"2", 229, base - 37 - 21},
            {"A", 274, base - 150 - 20},
            {"A*m", 307, base - 37 - 41},
            {dash, 318, base - 37 - 31},
            {"2", 319, base - 37 - 21},
            {bigOmega + QStringLiteral("-") + omega, 215, base + 35},
            {QString(bigOmega), 275, base + 20},
            {bigOmega + QStringLiteral("+") + omega, 305, base + 35},
        };
        QImage expected(size, QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::white);
        {
            QPainter p(&expected);
            p.setFont(testsupport::plotFont());
            p.setPen(QPen(Qt::black, 3.0));
            for (const auto &l : labels)
                p.drawText(QPoint(l.x + shift, l.y), l.text);
        }
        int dark = 0;
        // The axis and its arrowhead are no label.
        const int wrong = mismatches(img, expected, isDark, &dark, base - 6, base + 6);
        QVERIFY(dark > 200);
        QCOMPARE(wrong <= dark / 20, matches);
    }
};

VELTARN_TEST_MAIN(TestModulation)
#include "test_modulation.moc"
