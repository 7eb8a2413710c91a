#include "draw/plotpainting.h"
#include "harmonics/fieldfunc.h"
#include "harmonics/fieldfuncharmonictrapeze.h"
#include "harmonics/fieldfuncharmonictriangle.h"
#include "harmonics/fieldspec.h"
#include "harmonics/fieldspecharmonictrapeze.h"
#include "harmonics/fieldspecharmonictriangle.h"
#include "harmonics/rectanglesignal.h"
#include "harmonics/trapezesignal.h"
#include "harmonics/trianglesignal.h"
#include "testsupport.h"

#include <cmath>
#include <memory>

namespace
{

const QColor green(Qt::green);
const QColor red(Qt::red);
const QColor darkBlue(Qt::darkBlue);
const QColor magenta(Qt::magenta);
const QColor black(Qt::black);

enum Kind { Rectangle, Triangle, Trapeze };

std::unique_ptr<synthesisPlot> makeSignalPlot(int kind)
{
    std::unique_ptr<synthesisPlot> plot;
    if (kind == Rectangle)
        plot = std::make_unique<FieldFunc>();
    else if (kind == Triangle)
        plot = std::make_unique<fieldFuncHarmonicTriangle>();
    else
        plot = std::make_unique<fieldFuncHarmonicTrapeze>();
    plot->setFont(testsupport::plotFont());
    return plot;
}

std::unique_ptr<synthesisSpectrum> makeSpectrum(int kind)
{
    std::unique_ptr<synthesisSpectrum> plot;
    if (kind == Rectangle)
        plot = std::make_unique<FieldSpec>();
    else if (kind == Triangle)
        plot = std::make_unique<fieldSpecHarmonicTriangle>();
    else
        plot = std::make_unique<fieldSpecHarmonicTrapeze>();
    plot->setFont(testsupport::plotFont());
    return plot;
}

// A plot that is not shown runs no frame timer: every grab paints one frame of the glide.
QImage settle(QWidget &plot, QSize size)
{
    for (int i = 0; i < 40; ++i)
        testsupport::grab(plot, size);
    return testsupport::grab(plot, size);
}

// Presses "Добавить гармонику" and "Просуммировать" on the plot alone, `sums` times.
void addAndSum(synthesisPlot &plot, int sums)
{
    for (int i = 0; i < sums; ++i) {
        plot.addHarmonic();
        plot.getSum();
    }
}

bool imageHas(const QImage &img, const QColor &colour)
{
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (testsupport::pixelIs(img, x, y, colour, 20))
                return true;
    return false;
}

// The column x has `colour` within two pixels of the row the value v maps to.
bool curveAt(const QImage &img, int x, int axisRow, double v, const QColor &colour)
{
    const int y = axisRow - static_cast<int>(20 * v);
    return testsupport::columnHas(img, x, y - 2, y + 2, colour);
}

} // namespace

class TestHarmonics : public QObject
{
    Q_OBJECT

private slots:
    void coefficientTables_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("k");
        QTest::addColumn<double>("coefficient"); // unscaled, as listed
        QTest::addColumn<double>("scaled");      // the table entry
        const double a = 6.0 / M_PI;             // rectangular: ±A/(πk)
        QTest::newRow("rect 0") << int(Rectangle) << 0 << 0.0 << 0.0;
        QTest::newRow("rect 1") << int(Rectangle) << 1 << a << 7.639437;
        QTest::newRow("rect 2") << int(Rectangle) << 2 << 0.0 << 0.0;
        QTest::newRow("rect 3") << int(Rectangle) << 3 << -a / 3 << -2.546479;
        QTest::newRow("rect 5") << int(Rectangle) << 5 << a / 5 << 1.527887;
        QTest::newRow("rect 11") << int(Rectangle) << 11 << -a / 11 << -0.694494;
        QTest::newRow("rect 17") << int(Rectangle) << 17 << a / 17 << 0.449379;
        QTest::newRow("rect 19") << int(Rectangle) << 19 << -a / 19 << -0.402076;
        QTest::newRow("tri 0") << int(Triangle) << 0 << 2.0 << 6.0;
        QTest::newRow("tri 1") << int(Triangle) << 1 << 2.7357 << 3 * 2.7357;
        QTest::newRow("tri 2") << int(Triangle) << 2 << 0.6839 << 3 * 0.6839;
        QTest::newRow("tri 3") << int(Triangle) << 3 << 0.0 << 0.0;
        QTest::newRow("tri 4") << int(Triangle) << 4 << 0.1710 << 3 * 0.1710;
        QTest::newRow("tri 5") << int(Triangle) << 5 << 0.1094 << 3 * 0.1094;
        QTest::newRow("trap 0") << int(Trapeze) << 0 << 3.0 << 7.5;
        QTest::newRow("trap 1") << int(Trapeze) << 1 << 3.6476 << 2.5 * 3.6476;
        QTest::newRow("trap 3") << int(Trapeze) << 3 << -0.8106 << 2.5 * -0.8106;
        QTest::newRow("trap 5") << int(Trapeze) << 5 << 0.1459 << 2.5 * 0.1459;
        QTest::newRow("trap 9") << int(Trapeze) << 9 << -0.0901 << 2.5 * -0.0901;
        QTest::newRow("trap 15") << int(Trapeze) << 15 << -0.0324 << 2.5 * -0.0324;
        QTest::newRow("trap 19") << int(Trapeze) << 19 << 0.0101 << 2.5 * 0.0101;
    }
    void coefficientTables()
    {
        QFETCH(int, kind);
        QFETCH(int, k);
        QFETCH(double, coefficient);
        QFETCH(double, scaled);
        std::unique_ptr<synthesisModel> model;
        if (kind == Rectangle)
            model = std::make_unique<rectangleSignal>();
        else if (kind == Triangle)
            model = std::make_unique<triangleSignal>();
        else
            model = std::make_unique<trapezeSignal>();
        QCOMPARE(model->coefficients().size(), std::size_t(20));
        QVERIFY2(testsupport::fuzzy(model->coefficient(k), coefficient, 1e-4),
                 qPrintable(QString::number(model->coefficient(k))));
        QVERIFY2(testsupport::fuzzy(model->coefficients()[std::size_t(k)], scaled, 1e-4),
                 qPrintable(QString::number(model->coefficients()[std::size_t(k)])));
    }

    // Every third triangular harmonic and every even trapezoidal one vanish.
    void vanishingHarmonics()
    {
        const triangleSignal triangle;
        const trapezeSignal trapeze;
        const rectangleSignal rectangle;
        for (int k = 1; k < 20; ++k) {
            QCOMPARE(std::abs(triangle.coefficient(k)) < 1e-12, k % 3 == 0);
            QCOMPARE(std::abs(trapeze.coefficient(k)) < 1e-12, k % 2 == 0);
            QCOMPARE(std::abs(rectangle.coefficient(k)) < 1e-12, k % 2 == 0);
            QVERIFY(triangle.coefficient(k) > -1e-12);
        }
        QVERIFY(testsupport::fuzzy(triangle.harmonicValue(3.0, 1), -triangle.coefficient(1)));
        QVERIFY(testsupport::fuzzy(trapeze.harmonicValue(1.5, 1), 0.0));
    }

    void rectangleValue_data()
    {
        QTest::addColumn<double>("t");
        QTest::addColumn<double>("expected");
        QTest::newRow("0") << 0.0 << 3.0;
        QTest::newRow("T/4 belongs to the top") << 1.25 << 3.0;
        QTest::newRow("-T/4 belongs to the top") << -1.25 << 3.0;
        QTest::newRow("just past T/4") << 1.2500001 << -3.0;
        QTest::newRow("just before -T/4") << -1.2500001 << -3.0;
        QTest::newRow("T/2") << 2.5 << -3.0;
        QTest::newRow("-T/2") << -2.5 << -3.0;
        QTest::newRow("one period on") << 5.5 << 3.0;
        QTest::newRow("3T/4") << 3.75 << 3.0;
        QTest::newRow("far right") << 1000001.0 << 3.0;
        QTest::newRow("far left") << -1000002.0 << -3.0;
        QTest::newRow("beyond stepping") << 1e300 << 3.0;
    }
    void rectangleValue()
    {
        QFETCH(double, t);
        QFETCH(double, expected);
        QCOMPARE(rectangleSignal().value(t), expected);
    }

    // Grid, axes, ticks and the ideal rectangular wave: the central plateau at cy − 60 between
    // its edges at about cx − 62 and cx + 61, the next plateau at cy + 60.
    void rectangularBackground()
    {
        auto plot = makeSignalPlot(Rectangle);
        const QImage img = testsupport::grab(*plot, QSize(1000, 400));
        const int cx = 500;
        const int cy = 200;
        VERIFY_PIXEL(img, cx + 30, cy - 60, darkBlue);
        VERIFY_PIXEL(img, cx - 30, cy - 60, darkBlue);
        VERIFY_PIXEL(img, cx + 61, cy + 20, darkBlue);
        VERIFY_PIXEL(img, cx - 62, cy + 20, darkBlue);
        QVERIFY(!testsupport::pixelIs(img, cx + 70, cy - 60, darkBlue));
        QVERIFY(!testsupport::pixelIs(img, cx + 55, cy + 20, darkBlue));
        VERIFY_PIXEL(img, cx + 120, cy + 60, darkBlue);
        VERIFY_PIXEL(img, cx - 120, cy + 60, darkBlue);
        VERIFY_PIXEL(img, cx + 250, cy - 3, black); // period ticks
        VERIFY_PIXEL(img, cx - 250, cy + 3, black);
        QVERIFY(!testsupport::pixelIs(img, cx + 250, cy - 8, black));
        VERIFY_PIXEL(img, cx + 150, cy - 20, draw::gridColour);
        QVERIFY(!imageHas(img, red));
        QVERIFY(!imageHas(img, green));
    }

    void rectangularHarmonicsAndSum()
    {
        auto plot = makeSignalPlot(Rectangle);
        const QSize size(1000, 400);
        const int cx = 500;
        const int cy = 200;
        plot->addHarmonic(); // term 0 is zero: a red line on the time axis
        QImage img = testsupport::grab(*plot, size);
        VERIFY_PIXEL(img, cx + 100, cy, red);
        VERIFY_PIXEL(img, cx - 100, cy, red);
        plot->getSum();
        plot->addHarmonic(); // (12/π)·cos(2πt/5): 76 pixels at t = 0, period 250 pixels
        img = testsupport::grab(*plot, size);
        QVERIFY(curveAt(img, cx + 2, cy, 12 / M_PI, green));
        QVERIFY(curveAt(img, cx - 2, cy, 12 / M_PI, green));
        QVERIFY(curveAt(img, cx + 125, cy, -12 / M_PI, green));
        QVERIFY(curveAt(img, cx + 250, cy, 12 / M_PI, green));
        VERIFY_PIXEL(img, cx + 100, cy, red); // the sum so far stays on the axis
        plot->getSum();
        img = settle(*plot, size);
        QVERIFY(curveAt(img, cx + 2, cy, 12 / M_PI, red));
        QVERIFY(curveAt(img, cx + 125, cy, -12 / M_PI, red));
        QVERIFY(!imageHas(img, green)); // the harmonic lies under the sum
        plot->addHarmonic();
        plot->getSum();
        plot->addHarmonic(); // −(4/π)·cos(6πt/5): 25 pixels below the axis at t = 0
        img = testsupport::grab(*plot, size);
        QVERIFY(curveAt(img, cx + 2, cy, -4 / M_PI, green));
        QVERIFY(curveAt(img, cx - 2, cy, -4 / M_PI, green));
        QCOMPARE(plot->harmonicsSummed(), 3);
    }

    void pulseTrainBackground_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("t");
        QTest::addColumn<double>("value"); // of the ideal signal at t
        // Triangles: peaks of 6 at 0, ±6, …; zero from 2 to 4.
        QTest::newRow("tri falling edge") << int(Triangle) << 1.0 << 3.0;
        QTest::newRow("tri zero gap") << int(Triangle) << 3.0 << 0.0;
        QTest::newRow("tri rising edge") << int(Triangle) << 5.5 << 4.5;
        QTest::newRow("tri next falling") << int(Triangle) << 7.0 << 3.0;
        // Trapezoids: tops from −1 to 1 and 5 to 7, edges 1…2 and 4…5, zero from 2 to 4.
        QTest::newRow("trap top") << int(Trapeze) << 0.5 << 6.0;
        QTest::newRow("trap falling edge") << int(Trapeze) << 1.5 << 3.0;
        QTest::newRow("trap zero gap") << int(Trapeze) << 3.0 << 0.0;
        QTest::newRow("trap rising edge") << int(Trapeze) << 4.5 << 3.0;
        QTest::newRow("trap next top") << int(Trapeze) << 5.5 << 6.0;
    }
    void pulseTrainBackground()
    {
        QFETCH(int, kind);
        QFETCH(double, t);
        QFETCH(double, value);
        auto plot = makeSignalPlot(kind);
        const QImage img = testsupport::grab(*plot, QSize(1000, 500));
        const int x0 = 500;
        const int y0 = 400; // four fifths of the height
        const int dx = static_cast<int>(50 * t);
        QVERIFY(curveAt(img, x0 + dx, y0, value, darkBlue));
        QVERIFY(curveAt(img, x0 - dx, y0, value, darkBlue));
        // Half a grid row off the outline is background or grid.
        QVERIFY(
            !testsupport::pixelIs(img, x0 + dx, y0 - static_cast<int>(20 * value) - 10, darkBlue));
        VERIFY_PIXEL(img, x0 + 300, y0 + 3, black); // ticks at ±T = ±300 pixels
        VERIFY_PIXEL(img, x0 - 300, y0 - 3, black);
    }

    void pulseTrainHarmonicsAndSum_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("a0");
        QTest::addColumn<double>("a1");
        QTest::newRow("triangle") << int(Triangle) << 2.0 << 2.7357;
        QTest::newRow("trapeze") << int(Trapeze) << 3.0 << 3.6476;
    }
    void pulseTrainHarmonicsAndSum()
    {
        QFETCH(int, kind);
        QFETCH(double, a0);
        QFETCH(double, a1);
        auto plot = makeSignalPlot(kind);
        const QSize size(1000, 500);
        const int x0 = 500;
        const int y0 = 400;
        plot->addHarmonic(); // the constant term, in green
        QImage img = testsupport::grab(*plot, size);
        QVERIFY(curveAt(img, x0 + 100, y0, a0, green));
        QVERIFY(curveAt(img, x0 - 100, y0, a0, green));
        QVERIFY(!imageHas(img, red));
        plot->getSum();
        img = settle(*plot, size);
        QVERIFY(curveAt(img, x0 + 100, y0, a0, red));
        plot->addHarmonic(); // a1·cos(πt/3): period 300 pixels
        img = testsupport::grab(*plot, size);
        QVERIFY(curveAt(img, x0 + 2, y0, a1, green));
        QVERIFY(curveAt(img, x0 + 150, y0, -a1, green));
        QVERIFY(curveAt(img, x0 + 300, y0, a1, green));
        plot->getSum();
        img = settle(*plot, size);
        QVERIFY(curveAt(img, x0 + 2, y0, a0 + a1, red));
        QVERIFY(curveAt(img, x0 - 2, y0, a0 + a1, red));
    }

    // Term 3 of the trapezoid is the first negative one: 16 pixels below the axis at t = 0.
    void trapezoidalThirdHarmonic()
    {
        auto plot = makeSignalPlot(Trapeze);
        addAndSum(*plot, 3);
        plot->addHarmonic();
        const QImage img = testsupport::grab(*plot, QSize(1000, 500));
        QVERIFY(curveAt(img, 502, 400, -0.8106, green));
    }

    void spectrumLines_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("k");
        QTest::addColumn<double>("height"); // pixels above the axis, negative below
        const double r = 4 * 6 / M_PI * 20; // rectangular: 4A/(πk) value units
        QTest::newRow("rect 1") << int(Rectangle) << 1 << r;
        QTest::newRow("rect 3") << int(Rectangle) << 3 << -r / 3;
        QTest::newRow("rect 5") << int(Rectangle) << 5 << r / 5;
        QTest::newRow("rect 7") << int(Rectangle) << 7 << -r / 7;
        QTest::newRow("rect 11") << int(Rectangle) << 11 << -r / 11;
        QTest::newRow("rect 15") << int(Rectangle) << 15 << -r / 15;
        QTest::newRow("rect 17") << int(Rectangle) << 17 << r / 17;
        QTest::newRow("tri 0") << int(Triangle) << 0 << 120.0;
        QTest::newRow("tri 1") << int(Triangle) << 1 << 164.1;
        QTest::newRow("tri 2") << int(Triangle) << 2 << 41.0;
        QTest::newRow("tri 4") << int(Triangle) << 4 << 10.3;
        QTest::newRow("trap 0") << int(Trapeze) << 0 << 150.0;
        QTest::newRow("trap 1") << int(Trapeze) << 1 << 182.4;
        QTest::newRow("trap 3") << int(Trapeze) << 3 << -40.5;
        QTest::newRow("trap 9") << int(Trapeze) << 9 << -4.5;
        QTest::newRow("trap 15") << int(Trapeze) << 15 << -1.6;
    }
    void spectrumLines()
    {
        QFETCH(int, kind);
        QFETCH(int, k);
        QFETCH(double, height);
        auto plot = makeSpectrum(kind);
        const QSize size(1000, 400);
        const int axis = kind == Rectangle ? 200 + 50 : 4 * 400 / 5;
        const int x = 10 + 50 * k;
        const int tip = axis - static_cast<int>(height);
        QImage img = testsupport::grab(*plot, size);
        VERIFY_PIXEL(img, x, tip, black);
        if (std::abs(height) > 20 && k > 0) { // line 0 stands on the vertical axis
            VERIFY_PIXEL(img, x, (axis + tip) / 2, black);
            QVERIFY(!testsupport::pixelIs(img, x, tip + (height > 0 ? -12 : 12), black));
        }
        // Nothing where the tip would be on the other side of the axis; for a short line,
        // nothing just beyond its disc on the axis side.
        const int otherSide = std::abs(height) >= 10 ? axis + static_cast<int>(height)
                                                     : tip + (height > 0 ? 10 : -10);
        if (k > 0)
            QVERIFY(!testsupport::pixelIs(img, x, otherSide, black));
        for (int i = 0; i <= k; ++i)
            plot->moveSpec();
        img = testsupport::grab(*plot, size);
        VERIFY_PIXEL(img, x, tip, red);
        if (std::abs(height) > 20)
            VERIFY_PIXEL(img, x, (axis + tip) / 2, magenta);
        VERIFY_PIXEL(img, 10 + 50 * (k + 1), axis, black); // line k + 1 is not highlighted
        plot->reper();
        img = testsupport::grab(*plot, size);
        VERIFY_PIXEL(img, x, tip, black);
        QCOMPARE(plot->highlightedLines(), 0);
    }

    // The frequency axis follows the height: 50 pixels below the middle for the rectangular
    // spectrum, four fifths down for the others; captions below it move along.
    void spectrumAxisRow_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("axis");
        QTest::newRow("rect 400") << int(Rectangle) << 400 << 250;
        QTest::newRow("rect 501") << int(Rectangle) << 501 << 300;
        QTest::newRow("tri 400") << int(Triangle) << 400 << 320;
        QTest::newRow("trap 333") << int(Trapeze) << 333 << 266;
    }
    void spectrumAxisRow()
    {
        QFETCH(int, kind);
        QFETCH(int, height);
        QFETCH(int, axis);
        auto plot = makeSpectrum(kind);
        const QImage img = testsupport::grab(*plot, QSize(1000, height));
        VERIFY_PIXEL(img, 985, axis, black);
        VERIFY_PIXEL(img, 985, axis - 20, draw::gridColour);
        QVERIFY(!testsupport::pixelIs(img, 985, axis - 10, black));
        VERIFY_PIXEL(img, 10, axis - 30, black); // the vertical axis at x = 10
        const int numbers = axis + (kind == Rectangle ? 80 : 40);
        QVERIFY(testsupport::columnHas(img, 258, numbers - 14, numbers, black)); // "5"
    }
};

VELTARN_TEST_MAIN(TestHarmonics)
#include "test_harmonics.moc"
