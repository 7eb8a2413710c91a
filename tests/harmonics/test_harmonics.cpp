#include "draw/plotpainting.h"
#include "harmonics/fieldfunc.h"
#include "harmonics/fieldfuncharmonictrapeze.h"
#include "harmonics/fieldfuncharmonictriangle.h"
#include "harmonics/fieldspec.h"
#include "harmonics/fieldspecharmonictrapeze.h"
#include "harmonics/fieldspecharmonictriangle.h"
#include "harmonics/harmonic.h"
#include "harmonics/harmonictrapeze.h"
#include "harmonics/harmonictriangle.h"
#include "harmonics/rectanglesignal.h"
#include "harmonics/trapezesignal.h"
#include "harmonics/trianglesignal.h"
#include "literalmerge.h"
#include "testsupport.h"

#include <QGroupBox>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

namespace
{

enum Kind { Rectangle, Triangle, Trapeze };
const QColor green(Qt::green), red(Qt::red), darkBlue(Qt::darkBlue), black(Qt::black);

// The window, plot or model of one of the three demonstrations.
template <typename Base, typename Rect, typename Tri, typename Trap>
std::unique_ptr<Base> make(int kind)
{
    if (kind == Rectangle)
        return std::make_unique<Rect>();
    if (kind == Triangle)
        return std::make_unique<Tri>();
    return std::make_unique<Trap>();
}
const auto makeWindow = make<QWidget, harmonic, harmonicTriangle, harmonicTrapeze>;
const auto makeModel = make<synthesisModel, rectangleSignal, triangleSignal, trapezeSignal>;

// Plots on their own, for pictures (inside a window that is not shown, the layout would
// resize them back).
template <typename Base, typename... Kinds> std::unique_ptr<Base> makePlot(int kind)
{
    auto plot = make<Base, Kinds...>(kind);
    plot->setFont(testsupport::plotFont());
    return plot;
}
const auto makeSignalPlot =
    makePlot<synthesisPlot, FieldFunc, fieldFuncHarmonicTriangle, fieldFuncHarmonicTrapeze>;
const auto makeSpectrum =
    makePlot<synthesisSpectrum, FieldSpec, fieldSpecHarmonicTriangle, fieldSpecHarmonicTrapeze>;
const auto makeLiteralPlot =
    makePlot<synthesisPlot, literalMerge<FieldFunc>, literalMerge<fieldFuncHarmonicTriangle>,
             literalMerge<fieldFuncHarmonicTrapeze>>;

// The sum of the first n terms at time t of the series each demonstration shows.
double partialSum(int kind, int n, double t)
{
    double sum = 0.0;
    const auto model = makeModel(kind);
    for (int k = 0; k < n; ++k)
        sum += kind != Rectangle ? model->harmonicValue(t, k)
               : k % 2 == 0      ? 0.0
                            : (k % 4 == 1 ? 12 : -12) / (M_PI * k) * std::cos(0.4 * M_PI * k * t);
    return sum;
}

double distanceFromSum(const synthesisPlot &plot, int kind, int n, const std::vector<double> &s)
{
    double d = 0.0;
    for (int i = 0; i < synthesisPlot::sampleCount; ++i)
        d = std::max(d, std::abs(s[std::size_t(i)] - partialSum(kind, n, plot.sampleTime(i))));
    return d;
}

// A plot that is not shown runs no frame timer: every grab paints one frame of the glide.
QImage settle(QWidget &plot, QSize size)
{
    for (int i = 0; i < 40; ++i)
        testsupport::grab(plot, size);
    return testsupport::grab(plot, size);
}

// The column x shows `colour` within two pixels of the row that value v maps to.
bool curveAt(const QImage &img, int x, int axisRow, double v, const QColor &colour)
{
    const int y = axisRow - static_cast<int>(20 * v);
    return testsupport::columnHas(img, x, y - 2, y + 2, colour);
}

bool imageHas(const QImage &img, const QColor &colour)
{
    for (int x = 0; x < img.width(); ++x)
        if (testsupport::columnHas(img, x, 0, img.height() - 1, colour, 20))
            return true;
    return false;
}

class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *w) { w->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        count += e->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

class TestHarmonics : public QObject
{
    Q_OBJECT

    std::unique_ptr<QWidget> window;
    QPushButton *add = nullptr, *sum = nullptr, *reper = nullptr;
    QLabel *counter = nullptr;
    synthesisPlot *func = nullptr;
    synthesisSpectrum *spec = nullptr;

    void open(int kind)
    {
        window = makeWindow(kind);
        add = window->findChild<QPushButton *>("addHarmonic");
        sum = window->findChild<QPushButton *>("sum");
        reper = window->findChild<QPushButton *>("reper");
        counter = window->findChild<QLabel *>("label_6");
        func = window->findChild<synthesisPlot *>("Func");
        spec = window->findChild<synthesisSpectrum *>("Spec");
        QVERIFY(add && sum && reper && counter && func && spec);
        window->resize(1200, 900);
        // The offscreen platform takes no new size limits once the window exists.
        window->ensurePolished();
        window->layout()->activate();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void click(QPushButton *button)
    {
        QVERIFY(!button->isHidden());
        QTest::mouseClick(button, Qt::LeftButton);
    }
    void addAndSum(int times)
    {
        for (int i = 0; i < times; ++i) {
            click(add);
            click(sum);
        }
    }
    static void kinds()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("rectangular") << int(Rectangle);
        QTest::newRow("triangular") << int(Triangle);
        QTest::newRow("trapezoidal") << int(Trapeze);
    }

private slots:
    void cleanup() { window.reset(); }

    void coefficients_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("k");
        QTest::addColumn<double>("coefficient"); // unscaled
        QTest::addColumn<double>("scaled");      // the table entry
        QTest::newRow("rect 1") << int(Rectangle) << 1 << 6 / M_PI << 7.639437;
        QTest::newRow("rect 3") << int(Rectangle) << 3 << -2 / M_PI << -2.546479;
        QTest::newRow("rect 11") << int(Rectangle) << 11 << -6 / (11 * M_PI) << -0.694494;
        QTest::newRow("rect 19") << int(Rectangle) << 19 << -6 / (19 * M_PI) << -0.402076;
        QTest::newRow("tri 0") << int(Triangle) << 0 << 2.0 << 6.0;
        QTest::newRow("tri 1") << int(Triangle) << 1 << 2.7357 << 8.2071;
        QTest::newRow("tri 2") << int(Triangle) << 2 << 0.6839 << 2.0517;
        QTest::newRow("tri 5") << int(Triangle) << 5 << 0.1094 << 0.3282;
        QTest::newRow("trap 0") << int(Trapeze) << 0 << 3.0 << 7.5;
        QTest::newRow("trap 1") << int(Trapeze) << 1 << 3.6476 << 9.119;
        QTest::newRow("trap 3") << int(Trapeze) << 3 << -0.8106 << -2.0265;
        QTest::newRow("trap 15") << int(Trapeze) << 15 << -0.0324 << -0.081;
    }
    void coefficients()
    {
        QFETCH(int, kind);
        QFETCH(int, k);
        QFETCH(double, coefficient);
        QFETCH(double, scaled);
        const auto model = makeModel(kind);
        QCOMPARE(model->coefficients().size(), std::size_t(20));
        QVERIFY(testsupport::fuzzy(model->coefficient(k), coefficient, 1e-4));
        QVERIFY(testsupport::fuzzy(model->coefficients()[std::size_t(k)], scaled, 1e-3));
        for (int j = 1; j < 20; ++j) // the harmonics that vanish
            QCOMPARE(std::abs(model->coefficient(j)) < 1e-12, j % (kind == Triangle ? 3 : 2) == 0);
    }

    void rectangleValue_data()
    {
        QTest::addColumn<double>("t");
        QTest::addColumn<double>("expected");
        QTest::newRow("T/4 belongs to the top") << 1.25 << 3.0;
        QTest::newRow("-T/4 belongs to the top") << -1.25 << 3.0;
        QTest::newRow("just past T/4") << 1.2500001 << -3.0;
        QTest::newRow("-T/2") << -2.5 << -3.0;
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

    // The ideal signal under a fresh plot, probed dx pixels either side of the vertical axis
    // (rectangular plateaus at ±60 pixels with edges at about cx − 62 and cx + 61; triangles and
    // trapezoids 120 pixels high), and the period ticks.
    void idealSignal_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("dx");
        QTest::addColumn<double>("value");
        QTest::newRow("rect central plateau") << int(Rectangle) << 30 << 3.0;
        QTest::newRow("rect edge") << int(Rectangle) << 61 << 1.0;
        QTest::newRow("rect next plateau") << int(Rectangle) << 120 << -3.0;
        QTest::newRow("tri falling edge") << int(Triangle) << 50 << 3.0;
        QTest::newRow("tri gap") << int(Triangle) << 150 << 0.0;
        QTest::newRow("tri rising edge") << int(Triangle) << 275 << 4.5;
        QTest::newRow("trap top") << int(Trapeze) << 25 << 6.0;
        QTest::newRow("trap falling edge") << int(Trapeze) << 75 << 3.0;
        QTest::newRow("trap gap") << int(Trapeze) << 150 << 0.0;
        QTest::newRow("trap next top") << int(Trapeze) << 275 << 6.0;
    }
    void idealSignal()
    {
        QFETCH(int, kind);
        QFETCH(int, dx);
        QFETCH(double, value);
        const auto func = makeSignalPlot(kind);
        const QImage img = testsupport::grab(*func, QSize(1000, 500));
        const int axis = kind == Rectangle ? 250 : 400;
        const int tick = kind == Rectangle ? 250 : 300;
        QVERIFY(curveAt(img, 500 + dx, axis, value, darkBlue));
        // Truncation toward zero puts the rectangular edges a pixel further out on the left.
        QVERIFY(curveAt(img, 500 - dx - (kind == Rectangle), axis, value, darkBlue));
        VERIFY_PIXEL(img, 500 + tick, axis - 3, black);
        VERIFY_PIXEL(img, 500 - tick, axis + 3, black);
        QVERIFY(!testsupport::pixelIs(img, 500 + tick, axis - 8, black));
        QVERIFY(!imageHas(img, red) && !imageHas(img, green));
    }

    // Harmonic n alone (green at t = 0 and half its period on), then the glide onto the sum of
    // terms 0 … n (red).
    void harmonicThenSum_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("term");
        QTest::addColumn<int>("halfPeriod"); // pixels
        QTest::newRow("rect 0 is red on the axis") << int(Rectangle) << 0 << 0.0 << 100;
        QTest::newRow("rect 1") << int(Rectangle) << 1 << 12 / M_PI << 125;
        QTest::newRow("rect 3") << int(Rectangle) << 3 << -4 / M_PI << 41;
        QTest::newRow("tri 0") << int(Triangle) << 0 << 2.0 << 100;
        QTest::newRow("tri 1") << int(Triangle) << 1 << 2.7357 << 150;
        QTest::newRow("trap 0") << int(Trapeze) << 0 << 3.0 << 100;
        QTest::newRow("trap 1") << int(Trapeze) << 1 << 3.6476 << 150;
        QTest::newRow("trap 3") << int(Trapeze) << 3 << -0.8106 << 50;
    }
    void harmonicThenSum()
    {
        QFETCH(int, kind);
        QFETCH(int, n);
        QFETCH(double, term);
        QFETCH(int, halfPeriod);
        const auto func = makeSignalPlot(kind);
        for (int k = 0; k < n; ++k) {
            func->addHarmonic();
            func->getSum();
        }
        const QSize size(1000, 500);
        settle(*func, size);
        func->addHarmonic();
        QImage img = testsupport::grab(*func, size);
        const int axis = kind == Rectangle ? 250 : 400;
        const QColor shownAs = n == 0 && kind == Rectangle ? red : green;
        const double previous = partialSum(kind, n, 0.0);
        QVERIFY(curveAt(img, 502, axis, term, shownAs));
        QVERIFY(curveAt(img, 498, axis, term, shownAs));
        QVERIFY(curveAt(img, 500 + halfPeriod, axis, n == 0 ? term : -term, shownAs));
        if (n > 0)
            QVERIFY(curveAt(img, 502, axis, previous, red));
        func->getSum();
        img = settle(*func, size);
        QVERIFY(curveAt(img, 502, axis, previous + term, red));
        QVERIFY(curveAt(img, 498, axis, previous + term, red));
        QVERIFY(!imageHas(img, green)); // the harmonic lies under the sum
    }

    // Signed line heights in pixels as listed, the highlighted ones magenta with a red disc.
    void spectrumLines_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("k");
        QTest::addColumn<double>("height");
        const double r = 4 * 6 / M_PI * 20; // rectangular: 4A/(πk) value units
        QTest::newRow("rect 1") << int(Rectangle) << 1 << r;
        QTest::newRow("rect 3") << int(Rectangle) << 3 << -r / 3;
        QTest::newRow("rect 7") << int(Rectangle) << 7 << -r / 7;
        QTest::newRow("rect 11") << int(Rectangle) << 11 << -r / 11;
        QTest::newRow("rect 15") << int(Rectangle) << 15 << -r / 15;
        QTest::newRow("rect 17") << int(Rectangle) << 17 << r / 17;
        QTest::newRow("tri 0") << int(Triangle) << 0 << 120.0;
        QTest::newRow("tri 1") << int(Triangle) << 1 << 164.1;
        QTest::newRow("tri 2") << int(Triangle) << 2 << 41.0;
        QTest::newRow("trap 1") << int(Trapeze) << 1 << 182.4;
        QTest::newRow("trap 3") << int(Trapeze) << 3 << -40.5;
        QTest::newRow("trap 9") << int(Trapeze) << 9 << -4.5;
    }
    void spectrumLines()
    {
        QFETCH(int, kind);
        QFETCH(int, k);
        QFETCH(double, height);
        const auto spec = makeSpectrum(kind);
        const QSize size(1000, 400);
        const int axis = kind == Rectangle ? 250 : 320;
        const int x = 10 + 50 * k;
        const int tip = axis - static_cast<int>(height);
        QImage img = testsupport::grab(*spec, size);
        VERIFY_PIXEL(img, x, tip, black);
        // Nothing where the tip would be on the other side of the axis (for a short line, just
        // beyond its disc on the axis side).
        const int otherSide =
            std::abs(height) >= 10 ? axis + int(height) : tip + (height > 0 ? 10 : -10);
        QVERIFY(k == 0 || !testsupport::pixelIs(img, x, otherSide, black));
        for (int i = 0; i <= k; ++i)
            spec->moveSpec();
        img = testsupport::grab(*spec, size);
        VERIFY_PIXEL(img, x, tip, red);
        if (std::abs(height) > 20)
            VERIFY_PIXEL(img, x, (axis + tip) / 2, QColor(Qt::magenta));
        VERIFY_PIXEL(img, x + 50, axis, black); // line k + 1 is not highlighted
        spec->reper();
        VERIFY_PIXEL(testsupport::grab(*spec, size), x, tip, black);
    }

    // The frequency axis is 50 pixels below the middle in the rectangular spectrum and four
    // fifths down in the others; the harmonic numbers follow it.
    void spectrumAxisRow_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("axis");
        QTest::newRow("rect 400") << int(Rectangle) << 400 << 250;
        QTest::newRow("rect 501") << int(Rectangle) << 501 << 300;
        QTest::newRow("trap 333") << int(Trapeze) << 333 << 266;
    }
    void spectrumAxisRow()
    {
        QFETCH(int, kind);
        QFETCH(int, height);
        QFETCH(int, axis);
        const auto spec = makeSpectrum(kind);
        const QImage img = testsupport::grab(*spec, QSize(1000, height));
        VERIFY_PIXEL(img, 985, axis, black);
        VERIFY_PIXEL(img, 985, axis - 20, draw::gridColour);
        QVERIFY(!testsupport::pixelIs(img, 985, axis - 10, black));
        VERIFY_PIXEL(img, 10, axis - 30, black); // the vertical axis at x = 10
        const int numbers = axis + (kind == Rectangle ? 80 : 40);
        QVERIFY(testsupport::columnHas(img, 258, numbers - 14, numbers, black)); // "5"
    }

    void forms_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QStringList>("texts"); // title, then its object name, menu button name
        QTest::newRow("rectangular")
            << int(Rectangle) << QSize(1021, 180)
            << QStringList{"Формирование прямоугольного сигнала из гармоник спектра.\nОсцилляции "
                           "Гиббса",
                           "Title", "pushButton"};
        QTest::newRow("triangular")
            << int(Triangle) << QSize(800, 600)
            << QStringList{"Формирование треугольного сигнала из гармоник спектра", "label",
                           "pushButton_2"};
        QTest::newRow("trapezoidal")
            << int(Trapeze) << QSize(815, 527)
            << QStringList{"Формирование трапециевидного сигнала из гармоник спектра", "label",
                           "pushButton"};
    }
    void forms()
    {
        QFETCH(int, kind);
        QFETCH(QSize, size);
        QFETCH(QStringList, texts);
        QCOMPARE(makeWindow(kind)->size(), size);
        open(kind);
        QCOMPARE(window->windowTitle(), QString("Form"));
        QCOMPARE(window->font().pointSize(), 14);
        QVERIFY(window->font().bold());
        // Only the trapezoidal window keeps the default background.
        QCOMPARE(window->autoFillBackground(), kind != Trapeze);
        if (kind != Trapeze)
            QCOMPARE(window->palette().color(QPalette::Window), QColor(245, 245, 255));
        const auto *title = window->findChild<QLabel *>(texts[1]);
        QCOMPARE(title->text(), texts[0]);
        QCOMPARE(title->font().pointSize(), 18);
        auto *menu = window->findChild<QPushButton *>(texts[2]);
        QCOMPARE(menu->text(), QString("Главное меню"));
        QVERIFY(menu->font().italic());
        QCOMPARE(sum->text(), QString("Просуммировать"));
        QCOMPARE(add->text(), QString("Добавить гармонику"));
        QCOMPARE(reper->text(), QString("Репер"));
        QCOMPARE(window->findChild<QLabel *>("label_2")->text(), QString("Сумма N = "));
        QCOMPARE(window->findChild<QLabel *>("label_3")->text(), QString("гармоник"));
        QCOMPARE(counter->text(), QString("0"));
        QCOMPARE(counter->font().pointSize(), 20);
        QVERIFY(counter->font().bold());
        // "Добавить гармонику" covers "Просуммировать".
        QCOMPARE(window->findChild<QGroupBox *>("groupBox")->childAt(100, 15), add);
        QVERIFY(!window->testAttribute(Qt::WA_DeleteOnClose));
        menu->click();
        QVERIFY(window->isHidden());
    }

    void buttonDance_data() { kinds(); }
    void buttonDance()
    {
        QFETCH(int, kind);
        open(kind);
        for (int n = 1; n <= 20; ++n) {
            click(add);
            QVERIFY(add->isHidden());
            QCOMPARE(spec->highlightedLines(), n);
            click(sum);
            QVERIFY(!add->isHidden());
            QCOMPARE(counter->text(), QString::number(n));
        }
        QTRY_VERIFY(!func->isAnimating());
        QVERIFY(distanceFromSum(*func, kind, 20, func->displayedSum()) < 1e-3);
        // At the limit the buttons still alternate and the spectrum still counts; nothing else.
        const std::vector<double> shown = func->displayedSum();
        const std::vector<double> harmonic = *func->displayedHarmonic();
        addAndSum(2);
        QCOMPARE(counter->text(), QString("20"));
        QCOMPARE(spec->highlightedLines(), 22);
        QVERIFY(!func->isAnimating());
        QCOMPARE(func->displayedSum(), shown);
        QCOMPARE(*func->displayedHarmonic(), harmonic);
    }

    // Each window keeps its own order where a click reaches several receivers: whether
    // "Добавить гармонику" is back, and the spectrum cleared, when the counter hears of it.
    void connectionOrder_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("addShownAtSum");
        QTest::addColumn<bool>("addShownAtReper");
        QTest::addColumn<bool>("spectrumClearedAtReper");
        QTest::newRow("rectangular") << int(Rectangle) << true << false << false;
        QTest::newRow("triangular") << int(Triangle) << false << true << true;
        QTest::newRow("trapezoidal") << int(Trapeze) << true << false << false;
    }
    void connectionOrder()
    {
        QFETCH(int, kind);
        QFETCH(bool, addShownAtSum);
        QFETCH(bool, addShownAtReper);
        QFETCH(bool, spectrumClearedAtReper);
        open(kind);
        std::vector<std::array<bool, 2>> seen;
        connect(func, &synthesisPlot::sumOfHarmonicChanged, this, [&] {
            seen.push_back({!add->isHidden(), spec->highlightedLines() == 0});
        });
        click(add);
        click(sum);
        click(add);
        click(reper);
        QCOMPARE(seen.size(), std::size_t(2));
        QCOMPARE(seen[0][0], addShownAtSum);
        QCOMPARE(seen[1][0], addShownAtReper);
        QCOMPARE(seen[1][1], spectrumClearedAtReper);
    }

    // "Репер" in the middle of a glide stops it and clears both curves; the next harmonic is
    // term 0 again.
    void reperDuringMerge_data() { kinds(); }
    void reperDuringMerge()
    {
        QFETCH(int, kind);
        open(kind);
        addAndSum(2);
        func->repaint(); // one frame of the glide
        QVERIFY(func->isMerging() && func->isAnimating());
        click(reper);
        QCOMPARE(counter->text(), QString("0"));
        QCOMPARE(spec->highlightedLines(), 0);
        QVERIFY(!func->isMerging() && !func->isAnimating() && !func->displayedHarmonic());
        QCOMPARE(func->displayedSum(), std::vector<double>(synthesisPlot::sampleCount, 0.0));
        const QImage img = func->grab().toImage();
        QVERIFY(!imageHas(img, red) && !imageHas(img, green));
        click(add);
        QVERIFY(distanceFromSum(*func, kind, 1, *func->displayedHarmonic()) < 1e-12);
    }

    // A harmonic added before the glide settles leaves the red sum part-way; the next sum
    // carries both curves on to the exact partial sum.
    void addBeforeMergeSettles_data() { kinds(); }
    void addBeforeMergeSettles()
    {
        QFETCH(int, kind);
        open(kind);
        addAndSum(2);
        func->repaint();
        click(add);
        const std::vector<double> partWay = func->displayedSum();
        QVERIFY(distanceFromSum(*func, kind, 2, partWay) > 0.01);
        func->repaint();
        QTest::qWait(50);
        QCOMPARE(func->displayedSum(), partWay);
        click(sum);
        QTRY_VERIFY(!func->isAnimating());
        QVERIFY(distanceFromSum(*func, kind, 3, func->displayedSum()) < 1e-3);
        QVERIFY(distanceFromSum(*func, kind, 3, *func->displayedHarmonic()) < 1e-3);
    }

    // The covered "Просуммировать" takes keyboard focus before any harmonic was added.
    void keyboardOnCoveredSum_data() { kinds(); }
    void keyboardOnCoveredSum()
    {
        QFETCH(int, kind);
        open(kind);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        for (int round = 0; round < 2; ++round) { // at the start and after "Репер"
            sum->setFocus();
            QVERIFY(sum->hasFocus());
            QTest::keyClick(sum, Qt::Key_Space);
            QCOMPARE(counter->text(), QString("1"));
            QTRY_VERIFY(!func->isAnimating());
            QVERIFY(distanceFromSum(*func, kind, 1, func->displayedSum()) < 1e-3);
            QVERIFY(distanceFromSum(*func, kind, 1, *func->displayedHarmonic()) < 1e-3);
            click(reper);
        }
    }

    // The production paint takes the ten glide steps and draws once; the literal paint erases
    // and draws after every step. Frame after frame their pictures are the same to the pixel.
    void paintMatchesLiteralMerge_data() { kinds(); }
    void paintMatchesLiteralMerge()
    {
        QFETCH(int, kind);
        const auto production = makeSignalPlot(kind);
        const auto literal = makeLiteralPlot(kind);
        const QSize size(1000, 450);
        const auto same = [&](const char *when, int k) {
            const QImage a = testsupport::grab(*production, size);
            const QImage b = testsupport::grab(*literal, size);
            QVERIFY2(a == b, qPrintable(QStringLiteral("%1, harmonic %2").arg(when).arg(k)));
        };
        for (int k = 0; k < 20; ++k) {
            for (synthesisPlot *plot : {production.get(), literal.get()})
                plot->addHarmonic();
            same("after adding", k);
            for (synthesisPlot *plot : {production.get(), literal.get()})
                plot->getSum();
            for (int frame = 0; frame < 3; ++frame)
                same("merging", k);
        }
        QVERIFY(production->isMerging());
    }

    // Frames are requested only while the curves move, and never while the window is hidden.
    void framesOnlyWhileMoving_data() { kinds(); }
    void framesOnlyWhileMoving()
    {
        QFETCH(int, kind);
        open(kind);
        PaintCounter paints(func);
        QTest::qWait(100);
        QCOMPARE(paints.count, 0);
        addAndSum(2);
        QVERIFY(func->isAnimating());
        window->hide();
        QVERIFY(!func->isAnimating());
        QTest::qWait(50);
        QVERIFY(!func->isAnimating());
        window->show(); // its first paint asks for the next frame
        QTRY_VERIFY(distanceFromSum(*func, kind, 2, func->displayedSum()) < 1e-3);
        QTRY_VERIFY(!func->isAnimating());
        QVERIFY(paints.count > 2);
        paints.count = 0;
        QTest::qWait(100);
        QCOMPARE(paints.count, 0);
    }
};

VELTARN_TEST_MAIN(TestHarmonics)
#include "test_harmonics.moc"
