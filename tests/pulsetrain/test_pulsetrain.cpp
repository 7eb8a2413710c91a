#include "draw/plotpainting.h"
#include "plotprobes.h"
#include "pulsetrain/fielddynamicfuncperiodic.h"
#include "pulsetrain/fielddynamicspecperiodic.h"
#include "pulsetrain/fieldreperfuncperiodic.h"
#include "pulsetrain/fieldreperspecperiodic.h"
#include "pulsetrain/periodicsignaldependences.h"
#include "pulsetrain/pulsetrainsignal.h"
#include "testsupport.h"

#include <QLabel>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSlider>

#include <climits>

namespace
{

const QColor signalBlue(Qt::blue);
const QColor lineRed(Qt::red);
const QColor dotBlue(Qt::darkBlue);
const QSize plotSize(600, 300);

pulseTrainSignal train(double length, double period)
{
    pulseTrainSignal s;
    s.setParameters(length, period);
    return s;
}

// Puts a live plot at (T, τ) through its own slots, widening the period first.
template <typename Plot> void setLive(Plot &plot, int period, int length)
{
    plot.periodValueChanged(25);
    plot.lengthValueChanged(length);
    plot.periodValueChanged(period);
}

} // namespace

class TestPulseTrain : public QObject
{
    Q_OBJECT

    struct Window {
        periodicSignalDependences w;
        QSlider *period = w.findChild<QSlider *>("periodhorizontalSlider");
        QSlider *length = w.findChild<QSlider *>("lengthhorizontalSlider");
        QLabel *periodLCD = w.findChild<QLabel *>("periodLCD");
        QLabel *lengthLCD = w.findChild<QLabel *>("legthLCD");
        QPushButton *periodReper = w.findChild<QPushButton *>("periodpushButton");
        QPushButton *lengthReper = w.findChild<QPushButton *>("lengthpushButton");
        fieldDynamicFuncPeriodic *func = w.findChild<fieldDynamicFuncPeriodic *>("dynamicFunc");
        fieldDynamicSpecPeriodic *spec = w.findChild<fieldDynamicSpecPeriodic *>("dynamicSpec");

        // Sliders, readouts and both live plots all hold (T, τ).
        void verifyHolds(int T, int tau) const
        {
            QCOMPARE(period->value(), T);
            QCOMPARE(length->value(), tau);
            QCOMPARE(periodLCD->text(), QString::number(T));
            QCOMPARE(lengthLCD->text(), QString::number(tau));
            QCOMPARE(func->heldPeriod(), double(T));
            QCOMPARE(func->heldLength(), double(tau));
            QCOMPARE(spec->heldPeriod(), double(T));
            QCOMPARE(spec->heldLength(), double(tau));
        }
    };

private slots:
    void referenceNumbers()
    {
        const pulseTrainSignal s = train(3, 14);
        QCOMPARE(s.coefficients.size(), std::size_t(200));
        QVERIFY(testsupport::fuzzy(s.frequencyScale, 1.0000022, 1e-7));
        QCOMPARE(draw::toPixel(s.coefficients[0] * 15), 48);
        QCOMPARE(draw::toPixel(s.coefficients[1] * 15), 89);
        QVERIFY(testsupport::fuzzy(train(3, 1).frequencyScale * 20, 280, 0.01));
        QVERIFY(testsupport::fuzzy(train(3, 25).frequencyScale * 20, 11.2, 0.01));
    }

    // The sign changes after every multiple of T/τ = 14/3 ≈ 4.67.
    void signsFollowTheEnvelope_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("sign");
        for (int n : {1, 4, 10, 13, 19, 23})
            QTest::addRow("%d", n) << n << 1;
        for (int n : {5, 6, 9, 15, 18})
            QTest::addRow("%d", n) << n << -1;
    }
    void signsFollowTheEnvelope()
    {
        QFETCH(int, n);
        QFETCH(int, sign);
        QVERIFY(train(3, 14).coefficients[n] * sign > 0.01);
    }

    void vanishingHarmonics()
    {
        const pulseTrainSignal half = train(7, 14);
        for (int n = 2; n < 200; n += 2)
            QVERIFY2(std::abs(half.coefficients[n]) < 1e-9, qPrintable(QString::number(n)));
        for (int n = 1; n < 200; n += 2)
            QVERIFY(std::abs(half.coefficients[n]) > 1e-3);

        const pulseTrainSignal full = train(25, 25);
        QCOMPARE(draw::toPixel(full.coefficients[0] * 15), 225);
        for (int n = 1; n < 200; ++n)
            QVERIFY(std::abs(full.coefficients[n]) < 1e-9);
    }

    void periodWithoutLengthHasNoSpectrum()
    {
        for (double T : {0.0, -3.0}) {
            const pulseTrainSignal s = train(3, T);
            QCOMPARE(s.frequencyScale, 0.0);
            for (double c : s.coefficients)
                QCOMPARE(c, 0.0);
        }
    }

    // Every request is answered with the value held, accepted or not; both live plots keep the
    // same rule 1 ≤ τ ≤ T.
    void rulesOfTheLivePlots_data()
    {
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("isPeriod");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("heldPeriod");
        QTest::addColumn<int>("heldLength");
        QTest::newRow("period above length") << 14 << 3 << true << 20 << 20 << 3;
        QTest::newRow("period equal to length") << 14 << 3 << true << 3 << 3 << 3;
        QTest::newRow("period below length") << 3 << 3 << true << 2 << 3 << 3;
        QTest::newRow("period zero") << 14 << 3 << true << 0 << 14 << 3;
        QTest::newRow("period negative") << 14 << 3 << true << INT_MIN << 14 << 3;
        QTest::newRow("length up to period") << 14 << 3 << false << 14 << 14 << 14;
        QTest::newRow("length above period") << 14 << 3 << false << 15 << 14 << 3;
        QTest::newRow("length zero") << 14 << 3 << false << 0 << 14 << 3;
        QTest::newRow("length negative") << 14 << 3 << false << -7 << 14 << 3;
        QTest::newRow("length huge") << 14 << 3 << false << INT_MAX << 14 << 3;
    }
    void rulesOfTheLivePlots()
    {
        QFETCH(int, period);
        QFETCH(int, length);
        QFETCH(bool, isPeriod);
        QFETCH(int, value);
        QFETCH(int, heldPeriod);
        QFETCH(int, heldLength);

        fieldDynamicFuncPeriodic func;
        fieldDynamicSpecPeriodic spec;
        setLive(func, period, length);
        setLive(spec, period, length);
        QSignalSpy periods(&func, &fieldDynamicFuncPeriodic::periodChanged);
        QSignalSpy lengths(&func, &fieldDynamicFuncPeriodic::lengthChanged);
        if (isPeriod) {
            func.periodValueChanged(value);
            spec.periodValueChanged(value);
        } else {
            func.lengthValueChanged(value);
            spec.lengthValueChanged(value);
        }
        QSignalSpy &answered = isPeriod ? periods : lengths;
        QCOMPARE(answered.count(), 1);
        QCOMPARE(answered.at(0).at(0).toInt(), isPeriod ? heldPeriod : heldLength);
        QCOMPARE((isPeriod ? lengths : periods).count(), 0);
        QCOMPARE(func.heldPeriod(), double(heldPeriod));
        QCOMPARE(func.heldLength(), double(heldLength));
        QCOMPARE(spec.heldPeriod(), double(heldPeriod));
        QCOMPARE(spec.heldLength(), double(heldLength));
    }

    void reperSignalOrder_data()
    {
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("periodButton");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("period, long pulse")
            << 25 << 20 << true << QStringList{"length 14", "period 14"};
        QTest::newRow("period, short pulse") << 25 << 14 << true << QStringList{"period 14"};
        QTest::newRow("length, short period")
            << 1 << 1 << false << QStringList{"period 3", "length 3"};
        QTest::newRow("length, long period") << 20 << 9 << false << QStringList{"length 3"};
    }
    void reperSignalOrder()
    {
        QFETCH(int, period);
        QFETCH(int, length);
        QFETCH(bool, periodButton);
        QFETCH(QStringList, expected);

        fieldDynamicFuncPeriodic func;
        setLive(func, period, length);
        QStringList heard;
        connect(&func, &fieldDynamicFuncPeriodic::periodChanged, this,
                [&heard](int v) { heard << QStringLiteral("period %1").arg(v); });
        connect(&func, &fieldDynamicFuncPeriodic::lengthChanged, this,
                [&heard](int v) { heard << QStringLiteral("length %1").arg(v); });
        periodButton ? func.reperPeriod() : func.reperLength();
        QCOMPARE(heard, expected);
    }

    void windowStartsAtTheReference()
    {
        Window win;
        win.verifyHolds(14, 3);
        QCOMPARE(win.w.objectName(), QStringLiteral("spectrumOfPeriodicSingal"));
        QCOMPARE(win.w.findChild<QLabel *>("periodlabel")->text(),
                 QStringLiteral("Период Т") + QString(24, QLatin1Char(' ')));
        QCOMPARE(win.period->pageStep(), 1);
        QCOMPARE(win.length->maximum(), 25);
        QCOMPARE(win.w.font().pointSize(), 14);
        QVERIFY(win.func->font().bold());
    }

    // A refused position snaps back, and everything stays at the value held before the move.
    void refusedSliderMovesSnapBack_data()
    {
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("movePeriod");
        QTest::addColumn<int>("value");
        QTest::newRow("period below length") << 3 << 3 << true << 2;
        QTest::newRow("period far below length") << 20 << 12 << true << 1;
        QTest::newRow("length above period") << 10 << 4 << false << 11;
        QTest::newRow("length to the end") << 14 << 3 << false << 25;
    }
    void refusedSliderMovesSnapBack()
    {
        QFETCH(int, period);
        QFETCH(int, length);
        QFETCH(bool, movePeriod);
        QFETCH(int, value);

        Window win;
        win.period->setValue(25);
        win.length->setValue(length);
        win.period->setValue(period);
        win.verifyHolds(period, length);
        (movePeriod ? win.period : win.length)->setValue(value);
        win.verifyHolds(period, length);
    }

    void reperButtonsMoveBothSliders()
    {
        Window win;
        win.period->setValue(25);
        win.length->setValue(20);
        win.periodReper->click();
        win.verifyHolds(14, 14);

        win.length->setValue(1);
        win.period->setValue(1);
        win.lengthReper->click();
        win.verifyHolds(3, 3);

        win.period->setValue(25);
        win.length->setValue(25);
        win.verifyHolds(25, 25);
    }

    // Whatever the lecturer does, sliders, readouts and both live plots agree and keep the rule;
    // the reference pictures never change.
    void anySequenceKeepsEverythingInAgreement()
    {
        Window win;
        QWidget *reperFunc = win.w.findChild<fieldReperFuncPeriodic *>("reperFunc");
        QWidget *reperSpec = win.w.findChild<fieldReperSpecPeriodic *>("reperSpec");
        const QImage funcBefore = testsupport::grab(*reperFunc, plotSize);
        const QImage specBefore = testsupport::grab(*reperSpec, plotSize);

        QRandomGenerator random(20240511);
        for (int step = 0; step < 400; ++step) {
            const int v = random.bounded(1, 26);
            switch (random.bounded(6)) {
            case 0:
            case 1:
                win.period->setValue(v);
                break;
            case 2:
            case 3:
                win.length->setValue(v);
                break;
            case 4:
                win.periodReper->click();
                break;
            default:
                win.lengthReper->click();
            }
            const int T = win.period->value();
            const int tau = win.length->value();
            QVERIFY(1 <= tau && tau <= T && T <= 25);
            win.verifyHolds(T, tau);
        }
        QCOMPARE(testsupport::grab(*reperFunc, plotSize), funcBefore);
        QCOMPARE(testsupport::grab(*reperSpec, plotSize), specBefore);
    }

    // Pulses 75 pixels above the axis, τ·10 pixels wide, centred on the vertical axis and
    // repeated every T·10 pixels.
    void pulsesStandWhereTheGeometryPutsThem_data()
    {
        QTest::addColumn<int>("period");
        QTest::addColumn<int>("length");
        QTest::newRow("reference") << 14 << 3;
        QTest::newRow("wide") << 20 << 9;
        QTest::newRow("narrow") << 5 << 1;
    }
    void pulsesStandWhereTheGeometryPutsThem()
    {
        QFETCH(int, period);
        QFETCH(int, length);
        fieldDynamicFuncPeriodic func;
        setLive(func, period, length);
        const QImage img = testsupport::grabPlot(func, plotSize);
        const int cx = 300, cy = 150, top = cy - 75, half = 5 * length;

        for (int k : {-1, 0, 1}) {
            const int centre = cx + 10 * period * k;
            VERIFY_PIXEL(img, centre, top, signalBlue);
            VERIFY_PIXEL(img, centre + half - 2, top, signalBlue);
            VERIFY_PIXEL(img, centre - half + 2, top, signalBlue);
            VERIFY_PIXEL(img, centre + half, cy - 30, signalBlue); // falling edge
            VERIFY_PIXEL(img, centre - half, cy - 30, signalBlue); // rising edge
            QVERIFY(!testsupport::pixelIs(img, centre + half + 3, cy - 30, signalBlue));
            QVERIFY(!testsupport::pixelIs(img, centre + half + 3, top, signalBlue));
        }
        VERIFY_PIXEL(img, cx + 5 * period, cy, signalBlue); // the gap lies on the axis
        QVERIFY(!testsupport::pixelIs(img, cx + 5 * period, top, signalBlue));
        VERIFY_PIXEL(img, cx, cy - 90, Qt::black); // vertical axis above the pulse
    }

    void equalLengthAndPeriodGiveAConstantLevel()
    {
        fieldDynamicFuncPeriodic func;
        setLive(func, 25, 25);
        const QImage img = testsupport::grabPlot(func, plotSize);
        for (int x : {2, 150, 300, 425, 597})
            VERIFY_PIXEL(img, x, 75, signalBlue);
        for (int y : {90, 120, 140})
            QVERIFY2(!testsupport::rowHas(img, y, signalBlue), qPrintable(QString::number(y)));
        VERIFY_PIXEL(img, 40, 150, Qt::black); // the axis is not covered by a gap
    }

    void referenceTrainHasItsAxisAtThreeQuarters()
    {
        fieldReperFuncPeriodic reper;
        const QImage img = testsupport::grabPlot(reper, plotSize);
        const int cx = 300, cy = 225;
        VERIFY_PIXEL(img, cx, cy - 75, signalBlue);
        VERIFY_PIXEL(img, cx + 140, cy - 75, signalBlue);
        VERIFY_PIXEL(img, cx + 15, cy - 30, signalBlue);
        VERIFY_PIXEL(img, cx + 8, cy, Qt::black); // the axis under the pulse
        VERIFY_PIXEL(img, cx + 70, cy, signalBlue);
        VERIFY_PIXEL(img, cx + 70, cy + 3, Qt::black); // tick of the half period
        QVERIFY(!testsupport::pixelIs(img, cx + 70, 150 - 30, signalBlue));
    }

    // Red lines and dark-blue dots at 10 + 20·n on the axis at two thirds (live) or three
    // quarters (reference) of the height.
    void spectrumLinesStandEveryTwentyPixels()
    {
        fieldDynamicSpecPeriodic live;
        fieldReperSpecPeriodic reper;
        const QImage liveImg = testsupport::grabPlot(live, plotSize);
        const std::vector<double> coefficients = train(3, 14).coefficients;
        testsupport::verifyLineSpectrum(liveImg, 200, coefficients, {0, 1, 2, 3, 6, 7, 11});
        testsupport::verifyLineSpectrum(testsupport::grabPlot(reper, plotSize), 225, coefficients,
                                        {0, 1, 2, 3, 6, 7, 11});
        VERIFY_PIXEL(liveImg, 10 + 20 * 14, 200, dotBlue); // a zero of the envelope
    }

    void spectrumFollowsThePeriod()
    {
        fieldDynamicSpecPeriodic spec;
        setLive(spec, 1, 1);
        const QImage img = testsupport::grabPlot(spec, plotSize);
        VERIFY_PIXEL(img, 10, 5, lineRed);         // harmonic 0 alone rises, 225 pixels up
        VERIFY_PIXEL(img, 10 + 280, 200, dotBlue); // harmonic 1 sits on the axis
        QVERIFY(!testsupport::pixelIs(img, 10 + 20, 200, dotBlue));
    }
};

VELTARN_TEST_MAIN(TestPulseTrain)
#include "test_pulsetrain.moc"
