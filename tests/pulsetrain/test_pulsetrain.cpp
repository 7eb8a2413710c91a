#include "draw/pixelframe.h"
#include "plotprobes.h"
#include "pulsetrain/fielddynamicfuncperiodic.h"
#include "pulsetrain/fielddynamicspecperiodic.h"
#include "pulsetrain/pulsetrainsignal.h"

#include <climits>

using namespace testsupport;
using Func = fieldDynamicFuncPeriodic;
using Spec = fieldDynamicSpecPeriodic;
// (τ, T): harmonics 0 and 1 in pixels (·15), signs of harmonics 1, 2, … ('0': none), frequencyScale
using Train = std::tuple<int, int, int, int, QString, double>;
// From (T, τ), slot 0 asks for T, 1 for τ, 2 and 3 are "Репер" T and τ; heard, then (T, τ) held
using Request = std::tuple<QList<int>, int, int, QStringList, QString>;
Q_DECLARE_METATYPE(Train)
Q_DECLARE_METATYPE(Request)

namespace
{
template <typename Plot> void request(Plot &plot, int slot, int value)
{
    if (slot < 2)
        slot == 0 ? plot.periodValueChanged(value) : plot.lengthValueChanged(value);
    else
        slot == 2 ? plot.reperPeriod() : plot.reperLength();
}

template <typename Plot> QString held(const Plot &plot)
{
    return QStringLiteral("%1 %2").arg(plot.heldPeriod()).arg(plot.heldLength());
}
} // namespace

class TestPulseTrain : public QObject
{
    Q_OBJECT

private slots:
    // The sign changes after every multiple of T/τ; τ = T/2 leaves no even harmonic, τ = T only
    // harmonic 0; frequencyScale is 2π/T over the literal 0.448798; no period, no spectrum.
    void trains_data()
    {
        QTest::addColumn<Train>("t");
        QTest::newRow("14/3") << Train{3, 14, 48, 89, "++++-----++++0----+++++", 1.0000022};
        QTest::newRow("14/7") << Train{7, 14, 112, 143, "+0-0+0-0+0-0+0-0", 1.0000022};
        QTest::newRow("10/3") << Train{3, 10, 67, 115, "+++---+++0", 1.4000030};
        QTest::newRow("20/9") << Train{9, 20, 101, 141, "++--++-", 0.7000015};
        QTest::newRow("5/1") << Train{1, 5, 45, 84, "++++0----0", 2.8000059};
        QTest::newRow("10/10") << Train{10, 10, 225, 0, "0000000000", 1.4000030};
        QTest::newRow("T = 0") << Train{3, 0, 0, 0, "0000", 0};
        QTest::newRow("T < 0") << Train{3, -3, 0, 0, "0000", 0};
    }
    void trains()
    {
        QFETCH(Train, t);
        const auto &[length, period, pixels0, pixels1, signs, scale] = t;
        pulseTrainSignal s;
        s.setParameters(length, period);
        QCOMPARE(s.coefficients.size(), std::size_t(200));
        QCOMPARE(draw::toPixel(s.coefficients[0] * 15), pixels0);
        QCOMPARE(draw::toPixel(s.coefficients[1] * 15), pixels1);
        QString seen;
        for (int n = 1; n <= signs.size(); ++n)
            seen += s.coefficients[n] > 1e-9 ? '+' : s.coefficients[n] < -1e-9 ? '-' : '0';
        QCOMPARE(seen, signs);
        QVERIFY2(fuzzy(s.frequencyScale, scale, 1e-7),
                 qPrintable(QString::number(s.frequencyScale)));
        for (double c : s.coefficients)
            QVERIFY(std::isfinite(c) && (period > 0 || c == 0));
    }

    // Each request is answered with the value held, accepted or not; the live spectrum keeps
    // 1 ≤ τ ≤ T silently; a "Репер" button moves the other parameter when it must.
    void requests_data()
    {
        QTest::addColumn<Request>("r");
        const QList<int> ref{14, 3};
        QTest::newRow("T down to τ") << Request{ref, 0, 3, {"period 3"}, "3 3"};
        QTest::newRow("T below τ") << Request{ref, 0, 2, {"period 14"}, "14 3"};
        QTest::newRow("T negative") << Request{ref, 0, INT_MIN, {"period 14"}, "14 3"};
        QTest::newRow("τ up to T") << Request{ref, 1, 14, {"length 14"}, "14 14"};
        QTest::newRow("τ above T") << Request{ref, 1, 15, {"length 3"}, "14 3"};
        QTest::newRow("τ zero") << Request{ref, 1, 0, {"length 3"}, "14 3"};
        QTest::newRow("τ huge") << Request{ref, 1, INT_MAX, {"length 3"}, "14 3"};
        QTest::newRow("T, long τ") << Request{{25, 20}, 2, 0, {"length 14", "period 14"}, "14 14"};
        QTest::newRow("T, short τ") << Request{{25, 14}, 2, 0, {"period 14"}, "14 14"};
        QTest::newRow("τ, short T") << Request{{1, 1}, 3, 0, {"period 3", "length 3"}, "3 3"};
        QTest::newRow("τ, long T") << Request{{20, 9}, 3, 0, {"length 3"}, "20 3"};
    }
    void requests()
    {
        QFETCH(Request, r);
        const auto &[start, slot, value, heard, after] = r;
        Func func;
        Spec spec;
        drive::pulses(func, start[0], start[1]);
        drive::pulses(spec, start[0], start[1]);
        QStringList announced;
        listen(announced, func, &Func::lengthChanged, "length");
        listen(announced, func, &Func::periodChanged, "period");
        request(func, slot, value);
        request(spec, slot, value);
        QCOMPARE(announced, heard);
        QCOMPARE(held(func), after);
        if (slot < 2) // a "Репер" slot of the spectrum restores its own parameter only
            QCOMPARE(held(spec), after);
    }
};

VELTARN_TEST_MAIN(TestPulseTrain)
#include "test_pulsetrain.moc"
