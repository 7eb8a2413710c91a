#include "harmonics/harmonic.h" // the windows' forms bring their plots' headers
#include "harmonics/harmonictrapeze.h"
#include "harmonics/harmonictriangle.h"
#include "harmonics/rectanglesignal.h"
#include "harmonics/trapezesignal.h"
#include "harmonics/trianglesignal.h"
#include "literalmerge.h"
#include "testsupport.h"

#include <algorithm>
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

// How far the samples s lie from the sum of the first n terms of the plot's series (the
// rectangular terms are 12/(πk)·cos(2πkt/5), twice its model's coefficients).
double distanceFromSum(const synthesisPlot &plot, int kind, int n, const std::vector<double> &s)
{
    const auto model = makeModel(kind);
    double d = 0.0;
    for (int i = 0; i < synthesisPlot::sampleCount; ++i) {
        double sum = 0.0;
        for (int k = 0; k < n; ++k)
            sum += (kind == Rectangle ? 2 : 1) * model->harmonicValue(plot.sampleTime(i), k);
        d = std::max(d, std::abs(s[std::size_t(i)] - sum));
    }
    return d;
}

// The column x shows `colour` within two pixels of the row that value v maps to.
bool curveAt(const QImage &img, int x, int axisRow, double v, const QColor &colour)
{
    const int y = axisRow - static_cast<int>(20 * v);
    return testsupport::columnHas(img, x, y - 2, y + 2, colour);
}

} // namespace

class TestHarmonics : public QObject
{
    Q_OBJECT

    int demo = Rectangle;
    int paints = 0; // of the signal plot, counted by eventFilter()
    std::unique_ptr<QWidget> window;
    QPushButton *add = nullptr, *sum = nullptr, *reper = nullptr;
    QLabel *counter = nullptr;
    synthesisPlot *func = nullptr;
    synthesisSpectrum *spec = nullptr;

    // The demonstration of the current row's kind, shown.
    void open()
    {
        QFETCH(int, kind);
        demo = kind;
        window = makeWindow(kind);
        add = window->findChild<QPushButton *>("addHarmonic");
        sum = window->findChild<QPushButton *>("sum");
        reper = window->findChild<QPushButton *>("reper");
        counter = window->findChild<QLabel *>("label_6");
        func = window->findChild<synthesisPlot *>("Func");
        spec = window->findChild<synthesisSpectrum *>("Spec");
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
    // The glide ends, its frames stopped, with both curves on the sum of the first n terms. A
    // frame timer that just fired leaves its repaint posted: deliver that before asking.
    bool settlesOn(int n)
    {
        const auto near = [&](const std::vector<double> &s) {
            return distanceFromSum(*func, demo, n, s) < 1e-3;
        };
        return QTest::qWaitFor([&] {
                   QCoreApplication::sendPostedEvents();
                   return !func->isAnimating() && near(func->displayedSum());
               }) &&
               func->displayedHarmonic() && near(*func->displayedHarmonic());
    }
    // Each window keeps its own connection order where a click reaches several receivers:
    // whether "Добавить гармонику" is back, and the spectrum cleared, when the counter hears.
    static void kinds()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("addShownAtSum");
        QTest::addColumn<bool>("addShownAtReper");
        QTest::addColumn<bool>("spectrumClearedAtReper");
        QTest::newRow("rectangular") << int(Rectangle) << true << false << false;
        QTest::newRow("triangular") << int(Triangle) << false << true << true;
        QTest::newRow("trapezoidal") << int(Trapeze) << true << false << false;
    }

public:
    bool eventFilter(QObject *, QEvent *e) override
    {
        paints += e->type() == QEvent::Paint;
        return false;
    }

private slots:
    void cleanup() { window.reset(); }

    // The models' tables against the listed values of the pictures' rows: the terms (for the
    // rectangle twice the coefficient) and the line heights (table entry · 20 pixels).
    void coefficients_data() { pictures_data(); }
    void coefficients()
    {
        QFETCH(int, kind);
        QFETCH(QList<double>, terms);
        QFETCH(QList<QPointF>, lines);
        const auto model = makeModel(kind);
        QCOMPARE(model->coefficients().size(), std::size_t(20));
        for (int n = 0; n < terms.size(); ++n)
            QVERIFY(testsupport::fuzzy((kind == Rectangle ? 2 : 1) * model->coefficient(n),
                                       terms[n], 1e-4));
        for (const QPointF &line : lines)
            QVERIFY(testsupport::fuzzy(20 * model->coefficients()[std::size_t(line.x())], line.y(),
                                       0.05));
        for (int j = 1; j < 20; ++j) // the harmonics that vanish
            QCOMPARE(std::abs(model->coefficient(j)) < 1e-12, j % (kind == Triangle ? 3 : 2) == 0);
    }

    // The jumps at ±T/4 belong to the top; times far from zero, 1e300 too, still return.
    void rectangleValue()
    {
        for (const double t : {1.25, -1.25, 3.75, 1000001.0, 1e300})
            QCOMPARE(rectangleSignal().value(t), 3.0);
        for (const double t : {1.2500001, -2.5, -1000002.0})
            QCOMPARE(rectangleSignal().value(t), -3.0);
    }

    // A fresh plot shows the ideal signal ({dx pixels right of the vertical axis, value}, and
    // mirrored) and the period ticks; then each listed term alone (green; the rectangular term 0
    // red before any sum) at t = 0 and half its period on, and the red sum once the glide ends.
    // The spectrum: signed line heights {k, pixels}; each added harmonic turns its line magenta
    // with a red disc, the next line staying black.
    void pictures_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<QPointF>>("ideal");
        QTest::addColumn<QList<double>>("terms");
        QTest::addColumn<QList<QPointF>>("lines");
        const double r = 20 * 7.639437; // the rectangular table: ±7.639437/k for odd k
        QTest::newRow("rectangular")
            << int(Rectangle) << QList<QPointF>{{30, 3}, {61, 1}, {120, -3}}
            << QList<double>{0, 12 / M_PI, 0, -4 / M_PI}
            << QList<QPointF>{{1, r},        {3, -r / 3},  {7, -r / 7},  {11, -r / 11},
                              {15, -r / 15}, {17, r / 17}, {19, -r / 19}};
        QTest::newRow("triangular")
            << int(Triangle) << QList<QPointF>{{50, 3}, {150, 0}, {275, 4.5}}
            << QList<double>{2.0, 2.7357}
            << QList<QPointF>{{0, 120}, {1, 164.1}, {2, 41}, {5, 6.564}};
        QTest::newRow("trapezoidal")
            << int(Trapeze) << QList<QPointF>{{25, 6}, {75, 3}, {150, 0}, {275, 6}}
            << QList<double>{3.0, 3.6476, 0, -0.8106}
            << QList<QPointF>{{1, 182.4}, {3, -40.5}, {9, -4.5}, {15, -1.62}};
    }
    void pictures()
    {
        QFETCH(int, kind);
        QFETCH(QList<QPointF>, ideal);
        QFETCH(QList<double>, terms);
        QFETCH(QList<QPointF>, lines);
        const auto func = makeSignalPlot(kind);
        const QSize size(1000, 500);
        const int axis = kind == Rectangle ? 250 : 400, period = kind == Rectangle ? 250 : 300;
        QImage img = testsupport::grab(*func, size);
        for (const QPointF &probe : ideal) {
            QVERIFY(curveAt(img, 500 + int(probe.x()), axis, probe.y(), darkBlue));
            // Truncation toward zero puts the rectangular edges a pixel further out on the left.
            QVERIFY(curveAt(img, 500 - int(probe.x()) - (kind == Rectangle), axis, probe.y(),
                            darkBlue));
        }
        VERIFY_PIXEL(img, 500 + period, axis - 3, black);
        VERIFY_PIXEL(img, 500 - period, axis + 3, black);
        for (const QColor &c : {red, green}) // no curve yet
            QVERIFY(!testsupport::columnHas(img, 560, 0, 499, c, 20));
        double previous = 0.0;
        for (int n = 0; n < terms.size(); ++n) {
            func->addHarmonic();
            img = testsupport::grab(*func, size);
            const QColor shownAs = n == 0 && kind == Rectangle ? red : green;
            const double term = terms[n];
            QVERIFY(curveAt(img, 502, axis, term, shownAs));
            QVERIFY(curveAt(img, 498, axis, term, shownAs));
            if (n == 0 || term != 0) // a vanishing term lies under the sum further out
                QVERIFY(curveAt(img, 500 + (n ? period / (2 * n) : 100), axis, n ? -term : term,
                                shownAs));
            QVERIFY(n == 0 || curveAt(img, 502, axis, previous, red));
            func->getSum();
            for (int frame = 0; frame < 40; ++frame) // unshown, it glides one frame a grab
                testsupport::grab(*func, size);
            img = testsupport::grab(*func, size);
            previous += term;
            QVERIFY(curveAt(img, 502, axis, previous, red));
            QVERIFY(curveAt(img, 498, axis, previous, red));
            QVERIFY(!testsupport::columnHas(img, 502, 0, 499, green, 20)); // under the sum
        }
        const auto spec = makeSpectrum(kind);
        const int specAxis = kind == Rectangle ? 250 : 320; // of 400 rows
        const QImage fresh = testsupport::grab(*spec, QSize(1000, 400));
        VERIFY_PIXEL(fresh, 985, specAxis, black);
        for (const QPointF &line : lines) {
            const int k = int(line.x()), x = 10 + 50 * k, tip = specAxis - int(line.y());
            VERIFY_PIXEL(fresh, x, tip, black);
            while (spec->highlightedLines() <= k)
                spec->moveSpec();
            img = testsupport::grab(*spec, QSize(1000, 400));
            VERIFY_PIXEL(img, x, tip, red);
            if (std::abs(line.y()) > 20)
                VERIFY_PIXEL(img, x, (specAxis + tip) / 2, QColor(Qt::magenta));
            if (k < 19)
                VERIFY_PIXEL(img, x + 50, specAxis, black);
        }
    }

    // Add and sum alternate up to 20 harmonics, the counter following; further presses only
    // count on in the spectrum. The connection order shows at the first sum and at "Репер".
    void buttonDance_data() { kinds(); }
    void buttonDance()
    {
        QFETCH(bool, addShownAtSum);
        QFETCH(bool, addShownAtReper);
        QFETCH(bool, spectrumClearedAtReper);
        open();
        QCOMPARE(add->text(), QString("Добавить гармонику"));
        QCOMPARE(sum->text(), QString("Просуммировать"));
        QCOMPARE(reper->text(), QString("Репер"));
        QCOMPARE(counter->text(), QString("0"));
        std::vector<std::pair<bool, bool>> seen;
        connect(func, &synthesisPlot::sumOfHarmonicChanged, this,
                [&] { seen.emplace_back(!add->isHidden(), spec->highlightedLines() == 0); });
        for (int n = 1; n <= 20; ++n) {
            click(add);
            QVERIFY(add->isHidden());
            QCOMPARE(spec->highlightedLines(), n);
            click(sum);
            QVERIFY(!add->isHidden());
            QCOMPARE(counter->text(), QString::number(n));
        }
        QCOMPARE(seen.front().first, addShownAtSum);
        QVERIFY(settlesOn(20));
        const std::vector<double> shown = func->displayedSum();
        const std::vector<double> harmonic = *func->displayedHarmonic();
        addAndSum(2); // at the limit
        QCOMPARE(counter->text(), QString("20"));
        QCOMPARE(spec->highlightedLines(), 22);
        QVERIFY(!func->isAnimating());
        QCOMPARE(func->displayedSum(), shown);
        QCOMPARE(*func->displayedHarmonic(), harmonic);
        click(add);
        click(reper);
        QCOMPARE(seen.size(), std::size_t(21));
        QCOMPARE(seen.back(), std::make_pair(addShownAtReper, spectrumClearedAtReper));
    }

    // One lecture through the glide: Space on the covered "Просуммировать" at the start and
    // after "Репер"; an add before the glide settles; no frames while hidden nor once the
    // curves stop; "Репер" in the middle of a glide.
    void glide_data() { kinds(); }
    void glide()
    {
        open();
        func->installEventFilter(this);
        QCOMPARE(window->childAt(sum->mapTo(window.get(), sum->rect().center())), add);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        for (int round = 0; round < 2; ++round) {
            if (round)
                click(reper);
            sum->setFocus();
            QVERIFY(sum->hasFocus());
            QTest::keyClick(sum, Qt::Key_Space);
            QCOMPARE(counter->text(), QString("1"));
            QVERIFY(settlesOn(1));
        }
        // The red sum stays part-way; the next sum carries both curves on to the exact sum.
        addAndSum(1);
        func->repaint(); // one frame of the glide
        click(add);
        const std::vector<double> partWay = func->displayedSum();
        QVERIFY(distanceFromSum(*func, demo, 2, partWay) > 0.01);
        func->repaint();
        QTest::qWait(50);
        QCOMPARE(func->displayedSum(), partWay);
        click(sum);
        QVERIFY(func->isAnimating());
        window->hide();
        QTest::qWait(50);
        QVERIFY(!func->isAnimating());
        paints = 0;
        window->show(); // its first paint asks for the next frame
        QVERIFY(settlesOn(3));
        QVERIFY(paints > 2);
        paints = 0;
        QTest::qWait(100);
        QCOMPARE(paints, 0);
        addAndSum(1);
        func->repaint();
        QVERIFY(func->isMerging() && func->isAnimating());
        click(reper);
        QCOMPARE(counter->text(), QString("0"));
        QCOMPARE(spec->highlightedLines(), 0);
        QVERIFY(!func->isMerging() && !func->isAnimating() && !func->displayedHarmonic());
        QCOMPARE(func->displayedSum(), std::vector<double>(synthesisPlot::sampleCount, 0.0));
        click(add);
        QVERIFY(distanceFromSum(*func, demo, 1, *func->displayedHarmonic()) < 1e-12);
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
};

VELTARN_TEST_MAIN(TestHarmonics)
#include "test_harmonics.moc"
