#include "plotprobes.h"
#include "shape/dependencesignal.h"
#include "shape/fielddependencefuncdynamic.h"

#include <climits>

using namespace testsupport;
using Func = fieldDependenceFuncDynamic;
// (T, τ1, τ2): coefficients by harmonic (to 0.005), frequencyScale
using Train = std::tuple<int, int, int, QMap<int, double>, double>;
// From (T, τ1, τ2), slots 0, 1, 2 ask for T, τ1, τ2, 3, 4, 5 are their "Репер" buttons; heard,
// then (T, τ1, τ2) held
using Request = std::tuple<QList<int>, int, int, QStringList, QString>;
Q_DECLARE_METATYPE(Train)
Q_DECLARE_METATYPE(Request)

namespace
{
void request(Func &func, int slot, int value)
{
    using Ask = void (Func::*)(int);
    using Reper = void (Func::*)();
    if (slot < 3)
        (func.*std::array<Ask, 3>{&Func::periodValueChanged, &Func::tau1ValueChanged,
                                  &Func::tau2ValueChanged}[slot])(value);
    else
        (func.*
         std::array<Reper, 3>{&Func::reperPeriod, &Func::repertau1, &Func::repertau2}[slot - 3])();
}
} // namespace

class TestShape : public QObject
{
    Q_OBJECT

private slots:
    // The worked numbers of the reference; the level τ1 = τ2 = T, rectangles (the branch without
    // τ1 − τ2) and triangles (no negative harmonic); frequencyScale is π/T over the literal
    // 0.1963495; no period or no pulse, no spectrum.
    void trains_data()
    {
        QTest::addColumn<Train>("t");
        const double s16 = 1.0000002;
        QTest::newRow("16/4/3") << Train{
            16, 4, 3, {{0, 3.5}, {1, 6.45}, {4, 0.95}, {5, -0.57}}, s16};
        QTest::newRow("level") << Train{16, 16, 16, {{0, 16}, {1, 0}, {199, 0}}, s16};
        QTest::newRow("rectangles") << Train{16, 4, 4, {{1, 7.203}, {3, 2.401}, {4, 0}}, s16};
        QTest::newRow("triangles") << Train{16, 4, 0, {{0, 2}}, s16};
        QTest::newRow("T = 20") << Train{20, 4, 3, {{0, 2.8}}, 0.8000002};
        QTest::newRow("no pulse") << Train{16, 0, 0, {{0, 0}}, s16};
        QTest::newRow("T = 0") << Train{0, 0, 0, {{0, 0}}, 0};
        QTest::newRow("T < 0") << Train{-4, 2, 1, {{0, 0}}, 0};
    }
    void trains()
    {
        QFETCH(Train, t);
        const auto &[period, tau1, tau2, expected, scale] = t;
        dependenceSignal s;
        std::tie(s.period, s.tau1, s.tau2) = std::make_tuple(period, tau1, tau2);
        s.computeCoefficients();
        QCOMPARE(s.coefficients.size(), std::size_t(200));
        for (auto [n, value] : expected.asKeyValueRange())
            QVERIFY2(fuzzy(s.coefficients[n], value, 0.005), qPrintable(QString::number(n)));
        QVERIFY2(fuzzy(s.frequencyScale, scale, 5e-8),
                 qPrintable(QString::number(s.frequencyScale)));
        for (double c : s.coefficients)
            QVERIFY(std::isfinite(c) && ((period > 0 && tau1 > 0) || c == 0) &&
                    (tau2 > 0 || c > -1e-12));
    }

    // τ2 ≤ τ1 ≤ T, not τ1 = τ2 = 0; each request is answered with the value held. A "Репер"
    // button moves the others where the rules demand, announcing them first.
    void requests_data()
    {
        QTest::addColumn<Request>("r");
        const QList<int> ref{16, 4, 3};
        QTest::newRow("T to τ1") << Request{ref, 0, 4, {"period 4"}, "4 4 3"};
        QTest::newRow("T below τ1") << Request{ref, 0, 3, {"period 16"}, "16 4 3"};
        QTest::newRow("T negative") << Request{ref, 0, INT_MIN, {"period 16"}, "16 4 3"};
        QTest::newRow("τ1 up to T") << Request{ref, 1, 16, {"tau1 16"}, "16 16 3"};
        QTest::newRow("τ1 above T") << Request{ref, 1, 17, {"tau1 4"}, "16 4 3"};
        QTest::newRow("τ1 below τ2") << Request{ref, 1, 2, {"tau1 4"}, "16 4 3"};
        QTest::newRow("τ1 = τ2 = 0") << Request{{16, 4, 0}, 1, 0, {"tau1 4"}, "16 4 0"};
        QTest::newRow("τ2 to τ1") << Request{ref, 2, 4, {"tau2 4"}, "16 4 4"};
        QTest::newRow("τ2 zero") << Request{ref, 2, 0, {"tau2 0"}, "16 4 0"};
        QTest::newRow("τ2 above τ1") << Request{ref, 2, 5, {"tau2 3"}, "16 4 3"};
        QTest::newRow("τ2 negative") << Request{ref, 2, -1, {"tau2 3"}, "16 4 3"};
        QTest::newRow("T, long τ1, τ2")
            << Request{{20, 20, 18}, 3, 0, {"tau1 16", "tau2 16", "period 16"}, "16 16 16"};
        QTest::newRow("T, long τ1")
            << Request{{20, 18, 10}, 3, 0, {"tau1 16", "period 16"}, "16 16 10"};
        QTest::newRow("τ1, short T") << Request{{2, 2, 2}, 4, 0, {"period 4", "tau1 4"}, "4 4 2"};
        QTest::newRow("τ1, long τ2") << Request{{20, 9, 7}, 4, 0, {"tau2 4", "tau1 4"}, "20 4 4"};
        QTest::newRow("τ2, short τ1") << Request{{16, 1, 1}, 5, 0, {"tau1 3", "tau2 3"}, "16 3 3"};
        QTest::newRow("τ2, short T")
            << Request{{1, 1, 0}, 5, 0, {"period 3", "tau1 3", "tau2 3"}, "3 3 3"};
    }
    void requests()
    {
        QFETCH(Request, r);
        const auto &[start, slot, value, heard, after] = r;
        Func func;
        drive::trapezoids(func, start[0], start[1], start[2]);
        QStringList announced;
        listen(announced, func, &Func::periodChanged, "period");
        listen(announced, func, &Func::tau1Changed, "tau1");
        listen(announced, func, &Func::tau2Changed, "tau2");
        request(func, slot, value);
        QCOMPARE(announced, heard);
        const dependenceSignal &p = func.parameters();
        QCOMPARE(QStringLiteral("%1 %2 %3").arg(p.period).arg(p.tau1).arg(p.tau2), after);
    }
};

VELTARN_TEST_MAIN(TestShape)
#include "test_shape.moc"
