#include "draw/pixelframe.h"
#include "plotprobes.h"
#include "shape/dependencesignal.h"
#include "shape/fielddependencefuncdynamic.h"
#include "shape/fielddependencefuncreper.h"
#include "shape/fielddependencespecdynamic.h"
#include "shape/fielddependencespecreper.h"
#include "shape/signaldependence.h"
#include "testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSlider>

#include <climits>

namespace
{

const QColor signalBlue(Qt::darkBlue);
const QColor lineRed(Qt::red);
const QSize plotSize(600, 300);

dependenceSignal trapezoids(double period, double tau1, double tau2)
{
    dependenceSignal s;
    s.period = period;
    s.tau1 = tau1;
    s.tau2 = tau2;
    s.computeCoefficients();
    return s;
}

// Brings the live signal plot to (T, τ1, τ2) through its own slots, in an order the rules allow
// from any accepted state.
void setLive(fieldDependenceFuncDynamic &func, int period, int tau1, int tau2)
{
    func.periodValueChanged(20);
    func.tau2ValueChanged(0);
    func.tau1ValueChanged(tau1);
    func.tau2ValueChanged(tau2);
    func.periodValueChanged(period);
}

} // namespace

class TestShape : public QObject
{
    Q_OBJECT

    struct Window {
        signalDependence w;
        QSlider *period = w.findChild<QSlider *>("periodSlider");
        QSlider *tau1 = w.findChild<QSlider *>("tau1Slider");
        QSlider *tau2 = w.findChild<QSlider *>("tau2Slider");
        QLabel *periodLCD = w.findChild<QLabel *>("periodLCD");
        QLabel *tau1LCD = w.findChild<QLabel *>("tau1LCD");
        QLabel *tau2LCD = w.findChild<QLabel *>("tau2LCD");
        QPushButton *reperPeriod = w.findChild<QPushButton *>("reperPeriod");
        QPushButton *reperTau1 = w.findChild<QPushButton *>("reperTau1");
        QPushButton *reperTau2 = w.findChild<QPushButton *>("reperTau2");
        fieldDependenceFuncDynamic *func = w.findChild<fieldDependenceFuncDynamic *>("Func");
        fieldDependenceSpecDynamic *spec = w.findChild<fieldDependenceSpecDynamic *>("Spec");

        void set(int T, int t1, int t2) const
        {
            period->setValue(20);
            tau2->setValue(0);
            tau1->setValue(t1);
            tau2->setValue(t2);
            period->setValue(T);
        }

        // Sliders, readouts and both live plots all hold (T, τ1, τ2).
        void verifyHolds(int T, int t1, int t2) const
        {
            QCOMPARE(QList<int>({period->value(), tau1->value(), tau2->value()}),
                     QList<int>({T, t1, t2}));
            QCOMPARE(QStringList({periodLCD->text(), tau1LCD->text(), tau2LCD->text()}),
                     QStringList({QString::number(T), QString::number(t1), QString::number(t2)}));
            for (const dependenceSignal *s : {&func->parameters(), &spec->parameters()}) {
                QCOMPARE(s->period, double(T));
                QCOMPARE(s->tau1, double(t1));
                QCOMPARE(s->tau2, double(t2));
            }
        }
    };

private slots:
    void referenceCoefficients_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("expected");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("mean") << 0 << 3.5 << 1e-12;
        QTest::newRow("1") << 1 << 6.45 << 0.005;
        QTest::newRow("4") << 4 << 0.95 << 0.005;
        QTest::newRow("5") << 5 << -0.57 << 0.005;
    }
    void referenceCoefficients()
    {
        QFETCH(int, n);
        QFETCH(double, expected);
        QFETCH(double, tolerance);
        const dependenceSignal s = trapezoids(16, 4, 3);
        QCOMPARE(s.coefficients.size(), std::size_t(200));
        QVERIFY2(testsupport::fuzzy(s.coefficients[n], expected, tolerance),
                 qPrintable(QString::number(s.coefficients[n])));
        QVERIFY(testsupport::fuzzy(s.frequencyScale, 1.0000002, 1e-7));
        QVERIFY(testsupport::fuzzy(trapezoids(20, 4, 3).frequencyScale * 20, 16, 1e-4));
    }

    void trianglesHaveNoNegativeHarmonic()
    {
        for (int T = 1; T <= 20; ++T)
            for (int tau1 = 1; tau1 <= T; ++tau1)
                for (double c : trapezoids(T, tau1, 0).coefficients)
                    QVERIFY(c > -1e-12);
    }

    // Equal durations take the rectangular formula, which is where the trapezoid's coefficient
    // tends as the flanks grow steep.
    void rectanglesAreTheLimitOfSteepTrapezoids()
    {
        const dependenceSignal rectangle = trapezoids(16, 5, 5);
        const dependenceSignal steep = trapezoids(16, 5, 5 - 1e-6);
        for (int n = 0; n < 200; ++n) {
            QVERIFY(std::isfinite(rectangle.coefficients[n]));
            QVERIFY(testsupport::fuzzy(rectangle.coefficients[n], steep.coefficients[n], 1e-5));
        }
        const dependenceSignal level = trapezoids(16, 16, 16);
        QCOMPARE(level.coefficients[0], 16.0);
        for (int n = 1; n < 200; ++n)
            QVERIFY(std::abs(level.coefficients[n]) < 1e-9);
    }

    void periodWithoutLengthHasNoSpectrum()
    {
        for (const dependenceSignal &s : {trapezoids(0, 0, 0), trapezoids(-4, 2, 1)}) {
            QCOMPARE(s.frequencyScale, 0.0);
            for (double c : s.coefficients)
                QCOMPARE(c, 0.0);
        }
    }

    // τ2 ≤ τ1 ≤ T, not τ1 = τ2 = 0; every request is answered with the value held.
    void rulesOfTheSignalPlot_data()
    {
        QTest::addColumn<QList<int>>("start");
        QTest::addColumn<int>("which");
        QTest::addColumn<int>("value");
        QTest::addColumn<QList<int>>("held");
        const QList<int> ref{16, 4, 3};
        QTest::newRow("period up") << ref << 0 << 20 << QList<int>{20, 4, 3};
        QTest::newRow("period to τ1") << ref << 0 << 4 << QList<int>{4, 4, 3};
        QTest::newRow("period below τ1") << ref << 0 << 3 << ref;
        QTest::newRow("period zero") << ref << 0 << 0 << ref;
        QTest::newRow("period negative") << ref << 0 << INT_MIN << ref;
        QTest::newRow("τ1 up to period") << ref << 1 << 16 << QList<int>{16, 16, 3};
        QTest::newRow("τ1 above period") << ref << 1 << 17 << ref;
        QTest::newRow("τ1 below τ2") << ref << 1 << 2 << ref;
        QTest::newRow("τ1 zero with τ2 zero")
            << QList<int>{16, 4, 0} << 1 << 0 << QList<int>{16, 4, 0};
        QTest::newRow("τ1 zero") << ref << 1 << 0 << ref;
        QTest::newRow("τ2 to τ1") << ref << 2 << 4 << QList<int>{16, 4, 4};
        QTest::newRow("τ2 zero") << ref << 2 << 0 << QList<int>{16, 4, 0};
        QTest::newRow("τ2 above τ1") << ref << 2 << 5 << ref;
        QTest::newRow("τ2 negative") << ref << 2 << -1 << ref;
    }
    void rulesOfTheSignalPlot()
    {
        QFETCH(QList<int>, start);
        QFETCH(int, which);
        QFETCH(int, value);
        QFETCH(QList<int>, held);
        fieldDependenceFuncDynamic func;
        setLive(func, start[0], start[1], start[2]);
        QSignalSpy periods(&func, &fieldDependenceFuncDynamic::periodChanged);
        QSignalSpy tau1s(&func, &fieldDependenceFuncDynamic::tau1Changed);
        QSignalSpy tau2s(&func, &fieldDependenceFuncDynamic::tau2Changed);
        QSignalSpy *spies[] = {&periods, &tau1s, &tau2s};
        if (which == 0)
            func.periodValueChanged(value);
        else if (which == 1)
            func.tau1ValueChanged(value);
        else
            func.tau2ValueChanged(value);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(spies[i]->count(), i == which ? 1 : 0);
        QCOMPARE(spies[which]->at(0).at(0).toInt(), held[which]);
        const dependenceSignal &s = func.parameters();
        QCOMPARE(QList<double>({s.period, s.tau1, s.tau2}),
                 QList<double>({double(held[0]), double(held[1]), double(held[2])}));
    }

    void reperSignalOrder_data()
    {
        QTest::addColumn<QList<int>>("start");
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QList<int>>("after");
        QTest::newRow("period, long pulse")
            << QList<int>{20, 20, 18} << 0 << QStringList{"tau1 16", "tau2 16", "period 16"}
            << QList<int>{16, 16, 16};
        QTest::newRow("period, long base")
            << QList<int>{20, 18, 10} << 0 << QStringList{"tau1 16", "period 16"}
            << QList<int>{16, 16, 10};
        QTest::newRow("τ1, short period")
            << QList<int>{2, 2, 2} << 1 << QStringList{"period 4", "tau1 4"} << QList<int>{4, 4, 2};
        QTest::newRow("τ1, long top")
            << QList<int>{20, 9, 7} << 1 << QStringList{"tau2 4", "tau1 4"} << QList<int>{20, 4, 4};
        QTest::newRow("τ2, short base")
            << QList<int>{16, 1, 1} << 2 << QStringList{"tau1 3", "tau2 3"} << QList<int>{16, 3, 3};
        QTest::newRow("τ2, short period")
            << QList<int>{1, 1, 0} << 2 << QStringList{"period 3", "tau1 3", "tau2 3"}
            << QList<int>{3, 3, 3};
    }
    void reperSignalOrder()
    {
        QFETCH(QList<int>, start);
        QFETCH(int, button);
        QFETCH(QStringList, expected);
        QFETCH(QList<int>, after);
        fieldDependenceFuncDynamic func;
        setLive(func, start[0], start[1], start[2]);
        QStringList heard;
        const auto record = [this, &func, &heard](auto signal, const char *name) {
            connect(&func, signal, this,
                    [&heard, name](int v) { heard << QStringLiteral("%1 %2").arg(name).arg(v); });
        };
        record(&fieldDependenceFuncDynamic::periodChanged, "period");
        record(&fieldDependenceFuncDynamic::tau1Changed, "tau1");
        record(&fieldDependenceFuncDynamic::tau2Changed, "tau2");
        if (button == 0)
            func.reperPeriod();
        else if (button == 1)
            func.repertau1();
        else
            func.repertau2();
        QCOMPARE(heard, expected);
        const dependenceSignal &s = func.parameters();
        QCOMPARE(QList<double>({s.period, s.tau1, s.tau2}),
                 QList<double>({double(after[0]), double(after[1]), double(after[2])}));
    }

    void windowStartsAtTheReference()
    {
        Window win;
        win.verifyHolds(16, 4, 3);
        QCOMPARE(win.w.windowTitle(), QStringLiteral("Form"));
        QCOMPARE(win.w.findChild<QLabel *>("label_2")->text(),
                 QStringLiteral("1") + QString(11, QLatin1Char(' ')));
        QCOMPARE(win.period->minimum(), 0);
        QCOMPARE(win.tau2->maximum(), 20);
        QVERIFY(win.func->font().bold());
    }

    void refusedSliderMovesSnapBack_data()
    {
        QTest::addColumn<QList<int>>("start");
        QTest::addColumn<int>("slider");
        QTest::addColumn<int>("value");
        QTest::newRow("τ1 below τ2") << QList<int>{16, 4, 3} << 1 << 2;
        QTest::newRow("τ1 to zero, triangles") << QList<int>{16, 4, 0} << 1 << 0;
        QTest::newRow("τ1 to zero") << QList<int>{16, 1, 1} << 1 << 0;
        QTest::newRow("τ1 above period") << QList<int>{10, 4, 3} << 1 << 11;
        QTest::newRow("period below τ1") << QList<int>{16, 4, 3} << 0 << 3;
        QTest::newRow("period to zero") << QList<int>{1, 1, 0} << 0 << 0;
        QTest::newRow("τ2 above τ1") << QList<int>{16, 4, 3} << 2 << 5;
    }
    void refusedSliderMovesSnapBack()
    {
        QFETCH(QList<int>, start);
        QFETCH(int, slider);
        QFETCH(int, value);
        Window win;
        win.set(start[0], start[1], start[2]);
        win.verifyHolds(start[0], start[1], start[2]);
        QSlider *sliders[] = {win.period, win.tau1, win.tau2};
        sliders[slider]->setValue(value);
        win.verifyHolds(start[0], start[1], start[2]);
    }

    void reperButtonsMoveTheOthers()
    {
        Window win;
        win.set(2, 2, 2);
        win.reperTau1->click();
        win.verifyHolds(4, 4, 2);
        win.set(16, 1, 1);
        win.reperTau2->click();
        win.verifyHolds(16, 3, 3);
        win.set(20, 20, 18);
        win.reperPeriod->click();
        win.verifyHolds(16, 16, 16);
    }

    // Whatever the lecturer does, sliders, readouts and both live plots agree and keep the
    // rules; the reference pictures never change.
    void anySequenceKeepsEverythingInAgreement()
    {
        Window win;
        QWidget *funcReper = win.w.findChild<fieldDependenceFuncReper *>("FuncReper");
        QWidget *specReper = win.w.findChild<fieldDependenceSpecReper *>("SpecReper");
        const QImage funcBefore = testsupport::grab(*funcReper, plotSize);
        const QImage specBefore = testsupport::grab(*specReper, plotSize);

        QRandomGenerator random(1975);
        QSlider *sliders[] = {win.period, win.tau1, win.tau2};
        QPushButton *buttons[] = {win.reperPeriod, win.reperTau1, win.reperTau2};
        for (int step = 0; step < 500; ++step) {
            const int action = random.bounded(8);
            if (action < 6)
                sliders[action / 2]->setValue(random.bounded(0, 21));
            else
                buttons[random.bounded(3)]->click();
            const int T = win.period->value(), t1 = win.tau1->value(), t2 = win.tau2->value();
            QVERIFY(0 <= t2 && t2 <= t1 && t1 <= T && T <= 20 && t1 >= 1);
            win.verifyHolds(T, t1, t2);
        }
        QCOMPARE(testsupport::grab(*funcReper, plotSize), funcBefore);
        QCOMPARE(testsupport::grab(*specReper, plotSize), specBefore);
    }

    // Trapezoids 60 pixels above the axis: a flat top 15·τ2 wide, flanks down to a base 15·τ1
    // wide, repeated every 15·T pixels.
    void trapezoidsStandWhereTheGeometryPutsThem_data()
    {
        QTest::addColumn<QList<int>>("shape");
        QTest::newRow("reference") << QList<int>{16, 4, 3};
        QTest::newRow("triangles") << QList<int>{12, 6, 0};
        QTest::newRow("rectangles") << QList<int>{10, 4, 4};
    }
    void trapezoidsStandWhereTheGeometryPutsThem()
    {
        QFETCH(QList<int>, shape);
        const int T = shape[0], t1 = shape[1], t2 = shape[2];
        fieldDependenceFuncDynamic func;
        setLive(func, T, t1, t2);
        const QImage img = testsupport::grabPlot(func, plotSize);
        const int cx = 300, cy = 150, top = cy - 60;
        const int topHalf = draw::toPixel(7.5 * t2), baseHalf = draw::toPixel(7.5 * t1);
        const int midFlank = (topHalf + baseHalf) / 2;
        for (int k : {-1, 0, 1}) {
            const int c = cx + 15 * T * k;
            VERIFY_PIXEL(img, c, top, signalBlue);
            if (t2 > 0)
                VERIFY_PIXEL(img, c + topHalf - 2, top, signalBlue);
            QVERIFY(!testsupport::pixelIs(img, c + topHalf + 4, top - 3, signalBlue));
            QVERIFY(testsupport::columnHas(img, c + midFlank, top + 25, top + 35, signalBlue));
            QVERIFY(testsupport::columnHas(img, c - midFlank, top + 25, top + 35, signalBlue));
            QVERIFY(!testsupport::pixelIs(img, c + baseHalf + 4, top + 30, signalBlue));
        }
        VERIFY_PIXEL(img, cx + draw::toPixel(7.5 * T), cy, signalBlue); // the gap on the axis
    }

    void equalDurationsAndPeriodGiveOneLine()
    {
        fieldDependenceFuncDynamic func;
        setLive(func, 12, 12, 12);
        const QImage img = testsupport::grabPlot(func, plotSize);
        for (int x : {1, 150, 300, 480, 598})
            VERIFY_PIXEL(img, x, 90, signalBlue);
        for (int y : {100, 120, 150})
            QVERIFY2(!testsupport::rowHas(img, y, signalBlue), qPrintable(QString::number(y)));
    }

    // The τ1 arrow spans the base and the τ2 arrow the flat top of the central reference pulse;
    // the axis lies at three quarters of the height.
    void referenceDimensionMarks()
    {
        fieldDependenceFuncReper reper;
        const QImage img = testsupport::grabPlot(reper, plotSize);
        const int cx = 300, cy = 225, top = cy - 60;
        VERIFY_PIXEL(img, cx, top, signalBlue);
        VERIFY_PIXEL(img, cx + 240, top, signalBlue);
        QVERIFY(testsupport::columnHas(img, cx + 100, cy - 1, cy + 1, signalBlue));

        const int base = cy + 20, upper = top - 10;
        for (int x : {cx - 28, cx - 15, cx + 15, cx + 28})
            VERIFY_PIXEL(img, x, base, Qt::black);
        for (int x : {cx - 36, cx + 36})
            QVERIFY(!testsupport::pixelIs(img, x, base, Qt::black));
        for (int x : {cx - 21, cx - 10, cx + 10, cx + 21})
            VERIFY_PIXEL(img, x, upper, Qt::black);
        for (int x : {cx - 29, cx + 29})
            QVERIFY(!testsupport::pixelIs(img, x, upper, Qt::black));
        // Arrowheads point outwards: their strokes open towards the centre.
        QVERIFY(testsupport::columnHas(img, cx - 22, base - 6, base - 2, Qt::black));
        QVERIFY(testsupport::columnHas(img, cx + 22, base + 2, base + 6, Qt::black));
    }

    // Red lines and dark-blue dots at 10 + 20·n on the axis at two thirds (live) or three
    // quarters (reference) of the height.
    void spectrumLinesStandEveryTwentyPixels()
    {
        fieldDependenceSpecDynamic live;
        fieldDependenceSpecReper reper;
        const QImage liveImg = testsupport::grabPlot(live, plotSize);
        const std::vector<double> coefficients = trapezoids(16, 4, 3).coefficients;
        testsupport::verifyLineSpectrum(liveImg, 200, coefficients, {0, 1, 2, 3, 6, 7});
        testsupport::verifyLineSpectrum(testsupport::grabPlot(reper, plotSize), 225, coefficients,
                                        {0, 1, 2, 3, 6, 7});
    }

    void liveSpectrumFollowsWhatItHears()
    {
        fieldDependenceSpecDynamic spec;
        spec.periodValueChanged(20);
        const QImage img = testsupport::grabPlot(spec, plotSize);
        VERIFY_PIXEL(img, 10 + 16, 200 - 20, lineRed); // harmonic 1, 16 pixels from harmonic 0
        QVERIFY(!testsupport::pixelIs(img, 10 + 20, 200 - 20, lineRed));
        // A period nobody would announce still paints without a fault.
        spec.periodValueChanged(0);
        spec.tau1ValueChanged(0);
        spec.tau2ValueChanged(0);
        VERIFY_PIXEL(testsupport::grabPlot(spec, plotSize), 10, 200, signalBlue);
    }
};

VELTARN_TEST_MAIN(TestShape)
#include "test_shape.moc"
