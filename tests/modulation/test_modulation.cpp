#include "modulation/amplitudemodulatedsignal.h"
#include "plotdrivers.h"
#include "plotprobes.h"

#include <QLabel>
#include <QMetaMethod>
#include <QPushButton>
#include <QSlider>

#include <climits>

using namespace testsupport;
using M = modulatedSignal;

// One parameter row of the window: slider, readout labels, button, the value it drives and its
// reference position.
const struct Row {
    const char *slider, *whole, *hundredths, *button;
    double (M::*value)() const;
    int reference;
} rows[] = {{"MSlider", "m", "mx", "reperM", &M::depth, 50},
            {"omegaMSlider", "omegaM", "omegaMx", "reperomegaM", &M::omegaM, 75},
            {"omegaNSlider", "omegaN", "omegaNx", "reperomegaN", &M::omegaN, 750}};

class TestModulation : public QObject
{
    Q_OBJECT

private slots:
    // Beyond the sliders (150, -5, INT_MIN) the hundredths stay below 100, signed.
    void slotsAnnounceIntegerPartThenHundredths()
    {
        using F = fieldAmplitudeFunDynamic;
        for (const auto &[slot, position, row, emitted, stored] :
             std::initializer_list<std::tuple<const char *, int, int, const char *, double>>{
                 {"mValueChanged", 100, 0, "mChanged(1) mxChanged(0)", 1.0},
                 {"omegaNValueChanged", 805, 2, "omegaNChanged(8) omegaNxChanged(5)", 8.05},
                 {"mValueChanged", 150, 0, "mChanged(1) mxChanged(50)", 1.5},
                 {"mValueChanged", -5, 0, "mChanged(0) mxChanged(-5)", -0.05},
                 {"omegaNValueChanged", INT_MIN, 2, "omegaNChanged(-21474836) omegaNxChanged(-48)",
                  INT_MIN / 100.0},
                 {"reperM", 0, 0, "mChanged(0) mxChanged(50) ScrollmChanged(50)", 0.5},
                 {"reperomegaN", 0, 2,
                  "omegaNChanged(7) omegaNxChanged(50) ScrollomegaNChanged(750)", 7.5}}) {
            amplitudeModulatedSignal w;
            auto *func = w.findChild<F *>("Func");
            auto *spec = w.findChild<fieldAmplitudeSpecDynamic *>("Spec");
            func->mValueChanged(3); // away from the reference, the sliders left where they are
            func->omegaNValueChanged(501);
            QStringList log;
            for (auto signal : {&F::mChanged, &F::mxChanged, &F::ScrollmChanged, &F::omegaNChanged,
                                &F::ScrollomegaNChanged, &F::omegaNxChanged, &F::omegaMChanged,
                                &F::ScrollomegaMChanged, &F::omegaMxChanged})
                connect(func, signal, this, [&log, signal](int v) {
                    log << QMetaMethod::fromSignal(signal).name() + QString("(%1)").arg(v);
                });
            QVERIFY(slot[0] == 'r' ? QMetaObject::invokeMethod(func, slot)
                                   : QMetaObject::invokeMethod(func, slot, Q_ARG(int, position)));
            QCOMPARE(log.join(' '), QString(emitted));
            const double tolerance = 1e-12 * std::max(1.0, std::abs(stored));
            QVERIFY(fuzzy((func->signalModel().*rows[row].value)(), stored, tolerance));
            QVERIFY(fuzzy((spec->signalModel().*rows[row].value)(), stored, tolerance));
        }
    }

    // On a plot wide enough, both signals run thirty time units: to column 910, and no further.
    void curvesSpanThirtyUnits()
    {
        fieldAmplitudeFunReper reference;
        fieldAmplitudeFunDynamic live;
        for (QWidget *plot : {static_cast<QWidget *>(&reference), static_cast<QWidget *>(&live)}) {
            const QImage img = grabPlot(*plot, {1000, 400});
            QVERIFY(columnShows(img, 905, Qt::darkBlue) && !columnShows(img, 915, Qt::darkBlue) &&
                    !columnShows(img, 990, Qt::darkBlue));
        }
    }

    // At m = 1 and ωM = 0 the signal swings A(1 + m) = 10 units and the one spectral line is 20
    // units tall. A full-HD plot (946x436) draws them at the fixed 15 pixels a unit; a plot too
    // low for that (498x280, full screen at 1024x768) just fits them: the curve between its
    // caption (25 rows) and the bottom edge, the line's dot (6 rows) below the top edge.
    void curvesFitLowPlots()
    {
        const auto strongRows = [](const QImage &img, const QColor &colour) {
            int first = img.height(), last = -1;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    if (near(img.pixelColor(x, y), colour, 10)) {
                        first = std::min(first, y);
                        last = std::max(last, y);
                    }
            return std::make_pair(first, last);
        };
        fieldAmplitudeFunDynamic signal;
        fieldAmplitudeSpecDynamic spectrum;
        drive::modulation(signal, 100, 0, 500);
        drive::modulation(spectrum, 100, 0, 500);

        const auto [top, bottom] = strongRows(grabPlot(signal, {946, 436}), Qt::darkBlue);
        QVERIFY2(std::abs(top - (218 - 150)) <= 2 && std::abs(bottom - (218 + 150)) <= 2,
                 qPrintable(QString("%1 %2").arg(top).arg(bottom)));
        const auto [lowTop, lowBottom] = strongRows(grabPlot(signal, {498, 280}), Qt::darkBlue);
        QVERIFY2(lowTop >= 25 && lowTop <= 28 && lowBottom <= 279 - 20,
                 qPrintable(QString("%1 %2").arg(lowTop).arg(lowBottom)));

        // The dot tops the line: 5 rows above its tip.
        QCOMPARE(strongRows(grabPlot(spectrum, {946, 436}), Qt::darkBlue).first, 327 - 300 - 5);
        const int dotTop = strongRows(grabPlot(spectrum, {498, 280}), Qt::darkBlue).first;
        QVERIFY2(dotTop >= 0 && dotTop <= 3, qPrintable(QString::number(dotTop)));
    }

    // Every slider position reaches readouts and live spectrum; each "Репер" restores its own row
    // only.
    void windowRows()
    {
        amplitudeModulatedSignal w;
        w.layout()->activate(); // before showing: the offscreen platform warns otherwise
        w.show();
        const auto readout = [&w](const Row &r) {
            return w.findChild<QLabel *>(r.whole)->text() + " . " +
                   w.findChild<QLabel *>(r.hundredths)->text();
        };
        const auto shown = [](int v) { return QString::asprintf("%d . %02d", v / 100, v % 100); };
        const auto &spec = w.findChild<fieldAmplitudeSpecDynamic *>("Spec")->signalModel();
        for (const Row &r : rows) {
            auto *slider = w.findChild<QSlider *>(r.slider);
            QCOMPARE(readout(r), shown(r.reference));
            for (int v = slider->minimum(); v <= slider->maximum(); ++v) {
                slider->setValue(v);
                QCOMPARE(readout(r), shown(v));
                QVERIFY2(fuzzy((spec.*r.value)(), v / 100.0, 1e-9), qPrintable(readout(r)));
            }
            QTest::keyClick(slider, Qt::Key_PageDown);
        }
        for (int k = 0; k < 3; ++k) {
            QTest::mouseClick(w.findChild<QPushButton *>(rows[k].button), Qt::LeftButton);
            for (int i = 0; i < 3; ++i) {
                const Row &r = rows[i];
                const auto *slider = w.findChild<QSlider *>(r.slider);
                const int expected = i <= k ? r.reference : slider->maximum() - slider->pageStep();
                QCOMPARE(slider->value(), expected);
                QCOMPARE(readout(r), shown(expected));
                QVERIFY(fuzzy((spec.*r.value)(), expected / 100.0, 1e-9));
            }
        }
    }
};

VELTARN_TEST_MAIN(TestModulation)
#include "test_modulation.moc"
