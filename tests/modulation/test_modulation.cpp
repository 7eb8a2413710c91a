#include "draw/plotpainting.h"
#include "modulation/amplitudemodulatedsignal.h"
#include "modulation/fieldamplitudefundynamic.h"
#include "modulation/fieldamplitudefunreper.h"
#include "modulation/fieldamplitudespecdynamic.h"
#include "modulation/fieldamplitudespecreper.h"
#include "plotprobes.h"

#include <QLabel>
#include <QMetaMethod>
#include <QPushButton>
#include <QSlider>

#include <climits>

using namespace testsupport;
using M = modulatedSignal;

const QColor darkBlue(Qt::darkBlue), red(Qt::red);
const QSize plotSize(600, 400); // signal axis at row 200, spectrum axis at row 300

// One parameter row of the window: slider, readout labels, button, the value it drives, the
// slider's range, reference position and page step, and the readout at the top of the range.
struct Row {
    const char *slider, *whole, *hundredths, *button;
    double (M::*value)() const;
    int lowest, highest, reference, pageStep;
    const char *top;
};
const Row rows[] = {
    {"MSlider", "m", "mx", "reperM", &M::depth, 0, 100, 50, 10, "1 . 00"},
    {"omegaMSlider", "omegaM", "omegaMx", "reperomegaM", &M::omegaM, 0, 200, 75, 20, "2 . 00"},
    {"omegaNSlider", "omegaN", "omegaNx", "reperomegaN", &M::omegaN, 500, 900, 750, 40, "9 . 00"},
};

class TestModulation : public QObject
{
    Q_OBJECT

private slots:
    void model()
    {
        // t, m, ωM, ωN, f(t): the reference crest, both troughs, the carrier at zero.
        const double cases[][5] = {{0.0, 0.5, 0.75, 7.5, 7.5},
                                   {M_PI, 0.37, 1.0, 1.0, -3.15},
                                   {M_PI / 15, 0.0, 0.75, 7.5, 0.0}};
        for (const auto &[t, depth, omegaM, omegaN, value] : cases) {
            M s;
            s.setDepth(depth);
            s.setOmegaM(omegaM);
            s.setOmegaN(omegaN);
            QVERIFY2(fuzzy(s.value(t), value, 1e-12), qPrintable(QString::number(value)));
            s.computeLines(); // A·m, 2A, A·m
            QVERIFY((s.lines() == std::array<double, 3>{5.0 * depth, 10.0, 5.0 * depth}));
        }
    }

    // Beyond the sliders (150, -5, INT_MIN) the hundredths stay below 100, signed; plots paint.
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
            const QImage signal = grabPlot(*func, plotSize), spectrum = grabPlot(*spec, plotSize);
            QVERIFY(pixelIs(signal, 5, 200, Qt::black, 0) &&
                    pixelIs(spectrum, 5, 300, Qt::black, 0));
        }
    }

    // Every slider position reaches readouts and live spectrum; page steps; each "Репер" restores
    // its own row only; the reference pictures never change.
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
        QWidget *references[] = {w.findChild<QWidget *>("FunReper"),
                                 w.findChild<QWidget *>("SpecReper")};
        const QImage pictures[] = {references[0]->grab().toImage(),
                                   references[1]->grab().toImage()};
        for (const Row &r : rows) {
            auto *slider = w.findChild<QSlider *>(r.slider);
            QCOMPARE(readout(r), shown(r.reference));
            for (int v = r.lowest; v <= r.highest; ++v) {
                slider->setValue(v);
                QCOMPARE(readout(r), shown(v));
                QVERIFY2(fuzzy((spec.*r.value)(), v / 100.0, 1e-9), qPrintable(readout(r)));
            }
            QCOMPARE(readout(r), QString(r.top));
            QTest::keyClick(slider, Qt::Key_PageDown);
            QCOMPARE(slider->value(), r.highest - r.pageStep);
        }
        for (int k = 0; k < 3; ++k) {
            QTest::mouseClick(w.findChild<QPushButton *>(rows[k].button), Qt::LeftButton);
            for (int i = 0; i < 3; ++i) {
                const Row &r = rows[i];
                const int expected = i <= k ? r.reference : r.highest - r.pageStep;
                QCOMPARE(w.findChild<QSlider *>(r.slider)->value(), expected);
                QCOMPARE(readout(r), shown(expected));
                QVERIFY(fuzzy((spec.*r.value)(), expected / 100.0, 1e-9));
            }
        }
        QCOMPARE(references[0]->grab().toImage(), pictures[0]);
        QCOMPARE(references[1]->grab().toImage(), pictures[1]);
    }

    // At ωM = 0 the side lines coincide with the carrier: one red line of 150·(1 + m) pixels
    // (A(1 + m)·gain·15) topped by its dot, no other dot on it.
    void spectrumAtZeroModulationFrequency()
    {
        const QSize size(600, 600);
        const int base = 450, x = 280; // the carrier ωN = 7.5
        for (const int hundredths : {0, 50, 100}) {
            const double m = hundredths / 100.0;
            fieldAmplitudeSpecDynamic live;
            live.mValueChanged(hundredths / 100);
            live.mxValueChanged(hundredths % 100);
            live.omegaMValueChanged(0);
            live.omegaMxValueChanged(0);
            const QImage img = grabPlot(live, size);
            const int tip = base - draw::toPixel(150 * (1 + m));
            const QString where = QStringLiteral("m = %1").arg(m);
            QVERIFY2(pixelIs(img, x, tip + 7, red, 0) && pixelIs(img, x, tip - 4, darkBlue, 0),
                     qPrintable(where));
            QVERIFY2(!pixelIs(img, x, tip - 7, darkBlue) && !pixelIs(img, x, tip - 7, red),
                     qPrintable(where));
            QVERIFY2(!columnHas(img, x, tip + 7, base - 3, darkBlue), qPrintable(where));
            for (int y = tip + 7; y <= base - 3; ++y)
                QVERIFY2(pixelIs(img, x - 2, y, red, 0) && pixelIs(img, x + 2, y, red, 0),
                         qPrintable(where + QStringLiteral(", row %1").arg(y)));
        }
    }

    // The curve spans ±75 pixels at depth 0, ±150 at depth 1, ±112.5 at the reference, starting
    // at its crest below the axis; the sampled troughs above fall a few pixels short. Antialiased
    // coordinates are pixel corners: a crest at row r darkens rows up to r − 1.
    void signalAndSpectrumPictures()
    {
        fieldAmplitudeFunDynamic flat, full;
        fieldAmplitudeFunReper reference;
        flat.mValueChanged(0);
        full.mValueChanged(100);
        QWidget *plots[] = {&flat, &full, &reference};
        const int extents[][2] = {{75, 74}, {150, 140}, {112, 105}};
        for (int i = 0; i < 3; ++i) {
            const auto [below, above] = extents[i];
            const QImage img = grabPlot(*plots[i], plotSize);
            QVERIFY(rowHas(img, 199 + below, darkBlue) && !rowHas(img, 201 + below, darkBlue));
            QVERIFY(rowHas(img, 200 - above, darkBlue) && !rowHas(img, 197 - below, darkBlue));
            QVERIFY(columnHas(img, 11, 180 + below, 202 + below, darkBlue));
            QVERIFY(!columnHas(img, 11, 0, 190, darkBlue));
        }
        // A line at frequency ω stands at x = 60·(ω − 3) + 10, 5 pixels wide, topped by a dot of
        // radius 5 (neither antialiased: exact colours), in the live and in the reference spectrum,
        // on an axis at 3/4 of the height.
        const int cases[][4] = {
            {600, 400, 235, 37}, {600, 400, 280, 150}, {600, 400, 325, 37}, {500, 240, 280, 150}};
        for (const auto &[width, height, x, length] : cases) {
            fieldAmplitudeSpecDynamic live;
            fieldAmplitudeSpecReper reper;
            for (const QImage &img :
                 {grabPlot(live, {width, height}), grabPlot(reper, {width, height})}) {
                const int base = 3 * height / 4, tip = base - length;
                QVERIFY(pixelIs(img, x - 2, base - 3, red, 0) &&
                        pixelIs(img, x + 2, base - 3, red, 0));
                QVERIFY(!pixelIs(img, x - 3, base - 3, red) && !pixelIs(img, x + 3, base - 3, red));
                QVERIFY(pixelIs(img, x, tip + 7, red, 0) && pixelIs(img, x, tip - 4, darkBlue, 0));
                QVERIFY(!pixelIs(img, x, tip - 7, darkBlue) && !pixelIs(img, x, tip - 7, red));
            }
        }
    }
};

VELTARN_TEST_MAIN(TestModulation)
#include "test_modulation.moc"
