#include "plotprobes.h"
#include "shape/dependencesignal.h"
#include "shape/fielddependencefuncdynamic.h"
#include "shape/fielddependencespecdynamic.h"

#include <climits>

using namespace testsupport;
using Func = fieldDependenceFuncDynamic;
using Spec = fieldDependenceSpecDynamic;
// (T, τ1, τ2): coefficients by harmonic (to 0.005), frequencyScale
using Train = std::tuple<int, int, int, QMap<int, double>, double>;
// From (T, τ1, τ2), slots 0, 1, 2 ask for T, τ1, τ2, 3, 4, 5 are their "Репер" buttons; heard,
// then (T, τ1, τ2) held
using Request = std::tuple<QList<int>, int, int, QStringList, QString>;
Q_DECLARE_METATYPE(Train)
Q_DECLARE_METATYPE(Request)

namespace
{

dependenceSignal trapezoids(int period, int tau1, int tau2)
{
    dependenceSignal s;
    std::tie(s.period, s.tau1, s.tau2) = std::make_tuple(period, tau1, tau2);
    s.computeCoefficients();
    return s;
}

void request(Func &func, int slot, int value)
{
    switch (slot) {
    case 0:
        return func.periodValueChanged(value);
    case 1:
        return func.tau1ValueChanged(value);
    case 2:
        return func.tau2ValueChanged(value);
    case 3:
        return func.reperPeriod();
    case 4:
        return func.repertau1();
    default:
        return func.repertau2();
    }
}

// Brings the live signal plot to (T, τ1, τ2) in an order the rules allow from any accepted state.
void setLive(Func &func, int period, int tau1, int tau2)
{
    for (const QPoint &p : {QPoint(0, 20), {2, 0}, {1, tau1}, {2, tau2}, {0, period}})
        request(func, p.x(), p.y());
}

QString held(const dependenceSignal &s)
{
    return QStringLiteral("%1 %2 %3").arg(s.period).arg(s.tau1).arg(s.tau2);
}

// Trapezoids 60 pixels above the axis row cy: a flat top 15·τ2 wide, flanks down to a base 15·τ1
// wide, repeated every 15·T pixels; one line at τ1 = τ2 = T.
void verifyTrapezoids(const QImage &img, int cy, int period, int tau1, int tau2)
{
    const int cx = 300, top = cy - 60, topHalf = draw::toPixel(7.5 * tau2);
    const int baseHalf = draw::toPixel(7.5 * tau1), midFlank = (topHalf + baseHalf) / 2;
    const bool flanks = tau2 < period;
    for (int c = cx - 15 * period; c <= cx + 15 * period; c += 15 * period) {
        if (c - baseHalf < 5 || c + baseHalf + 5 > img.width())
            continue; // not wholly in the picture
        QCOMPARE(spans(img, top, c - topHalf, c + topHalf, Qt::darkBlue), flanks);
        QCOMPARE(columnHas(img, c - midFlank, top + 25, top + 35, Qt::darkBlue) +
                     columnHas(img, c + midFlank, top + 25, top + 35, Qt::darkBlue),
                 flanks ? 2 : 0);
        QVERIFY(!pixelIs(img, c + baseHalf + 4, top + 30, Qt::darkBlue));
    }
    QCOMPARE(pixelIs(img, cx + draw::toPixel(7.5 * period), cy, Qt::darkBlue), flanks); // a gap
    QCOMPARE(spans(img, top, 0, 599, Qt::darkBlue), !flanks);
}

} // namespace

class TestShape : public QObject
{
    Q_OBJECT

private slots:
    // The worked numbers of the reference; the level τ1 = τ2 = T, rectangles (the branch without
    // τ1 − τ2) and triangles (no negative harmonic); frequencyScale is π/T over the literal
    // 0.1963495; no period or no pulse, no spectrum. The live plots draw each train.
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
        const dependenceSignal s = trapezoids(period, tau1, tau2);
        QCOMPARE(s.coefficients.size(), std::size_t(200));
        for (auto [n, value] : expected.asKeyValueRange())
            QVERIFY2(fuzzy(s.coefficients[n], value, 0.005), qPrintable(QString::number(n)));
        QVERIFY2(fuzzy(s.frequencyScale, scale, 5e-8),
                 qPrintable(QString::number(s.frequencyScale)));
        for (double c : s.coefficients)
            QVERIFY(std::isfinite(c) && ((period > 0 && tau1 > 0) || c == 0) &&
                    (tau2 > 0 || c > -1e-12));
        Func func;
        Spec spec; // takes what it hears, even without anything to show
        setLive(func, period, tau1, tau2);
        spec.periodValueChanged(period);
        spec.tau1ValueChanged(tau1);
        spec.tau2ValueChanged(tau2);
        if (period > 0 && tau1 > 0) {
            verifyTrapezoids(grabPlot(func), 150, period, tau1, tau2);
            verifyLineSpectrum(grabPlot(spec), 200, s);
        } else {
            VERIFY_PIXEL(grabPlot(spec), 10, 200, Qt::darkBlue); // every dot on the axis
        }
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
        setLive(func, start[0], start[1], start[2]);
        QStringList announced;
        listen(announced, func, &Func::periodChanged, "period");
        listen(announced, func, &Func::tau1Changed, "tau1");
        listen(announced, func, &Func::tau2Changed, "tau2");
        request(func, slot, value);
        QCOMPARE(announced, heard);
        QCOMPARE(held(func.parameters()), after);
    }
};

VELTARN_TEST_MAIN(TestShape)
#include "test_shape.moc"
