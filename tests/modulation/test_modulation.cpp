#include "modulation/amplitudemodulatedsignal.h"
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
