#include "draw/plotpainting.h"
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
using Points = QList<QPointF>;
using testsupport::fuzzy;
const QColor red(Qt::red), darkBlue(Qt::darkBlue), black(Qt::black);

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

    int demo = Rectangle, paints = 0; // paints of the signal plot, counted by eventFilter()
    std::unique_ptr<QWidget> window;
    QPushButton *add = nullptr, *sum = nullptr, *reper = nullptr;
    QLabel *counter = nullptr;
    synthesisPlot *func = nullptr;
    synthesisSpectrum *spec = nullptr;

    void open(QSize size = QSize(1200, 900))
    {
        QFETCH(int, kind);
        window = make<QWidget, harmonic, harmonicTriangle, harmonicTrapeze>(demo = kind);
        add = window->findChild<QPushButton *>("addHarmonic");
        sum = window->findChild<QPushButton *>("sum");
        reper = window->findChild<QPushButton *>("reper");
        counter = window->findChild<QLabel *>("label_6");
        func = window->findChild<synthesisPlot *>("Func");
        spec = window->findChild<synthesisSpectrum *>("Spec");
        window->resize(size);
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
        for (int i = 0; i < 2 * times; ++i)
            click(i % 2 ? sum : add);
    }
    // Distance of s from the sum of the first n terms (rectangular: twice the model's terms).
    double offSum(int n, const std::vector<double> &s) const
    {
        const auto model = makeModel(demo);
        double d = 0.0;
        for (int i = 0; i < func->sampleCount(); ++i) {
            double sum = 0.0;
            for (int k = 0; k < n; ++k)
                sum += (demo == Rectangle ? 2 : 1) * model->harmonicValue(func->sampleTime(i), k);
            d = std::max(d, std::abs(s[std::size_t(i)] - sum));
        }
        return d;
    }
    // Both curves end on the sum of n terms, frames stopped (deliver a fired timer's repaint).
    bool settlesOn(int n)
    {
        return QTest::qWaitFor([&] {
            QCoreApplication::sendPostedEvents();
            return !func->isAnimating() && func->displayedHarmonic() &&
                   offSum(n, func->displayedSum()) < 1e-3 &&
                   offSum(n, *func->displayedHarmonic()) < 1e-3;
        });
    }
    // Connection order: is "Добавить гармонику" back when the counter hears of the first sum, and
    // when of "Репер", with the spectrum cleared? The ideal signal at {dx, value}; line heights.
    static void kinds()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<bool>>("heard");
        QTest::addColumn<Points>("ideal");
        QTest::addColumn<QList<double>>("terms");
        QTest::addColumn<Points>("lines");
        const double r = 20 * 7.639437; // the rectangular table: ±7.639437/k for odd k
        QTest::newRow("rectangular")
            << int(Rectangle) << QList<bool>{true, false, false}
            << Points{{30, 3}, {61, 1}, {120, -3}} << QList<double>{0, 12 / M_PI, 0, -4 / M_PI}
            << Points{{1, r},        {3, -r / 3},   {7, -r / 7},
                      {11, -r / 11}, {15, -r / 15}, {19, -r / 19}};
        QTest::newRow("triangular")
            << int(Triangle) << QList<bool>{false, true, true}
            << Points{{50, 3}, {150, 0}, {275, 4.5}} << QList<double>{2.0, 2.7357}
            << Points{{0, 120}, {1, 164.1}, {2, 41}, {5, 6.564}};
        QTest::newRow("trapezoidal") << int(Trapeze) << QList<bool>{true, false, false}
                                     << Points{{25, 6}, {75, 3}, {150, 0}, {275, 6}}
                                     << QList<double>{3.0, 3.6476, 0, -0.8106}
                                     << Points{{1, 182.4}, {3, -40.5}, {9, -4.5}, {15, -1.62}};
    }
    bool eventFilter(QObject *, QEvent *e) override
    {
        paints += e->type() == QEvent::Paint;
        return false;
    }

private slots:
    void cleanup() { window.reset(); }

    // The jumps at ±T/4 belong to the top; times far from zero, 1e300 too, still return.
    void rectangleValue()
    {
        for (const double t : {1.25, -1.25, 3.75, 1000001.0, 1e300})
            QCOMPARE(rectangleSignal().value(t), 3.0);
        for (const double t : {1.2500001, -2.5, -1000002.0})
            QCOMPARE(rectangleSignal().value(t), -3.0);
    }

    // The models' tables hold the listed terms and line heights (table entry · 20 pixels); the
    // signal plot shows the ideal signal and period ticks; the spectrum lights its lines in turn.
    void tablesAndPictures_data() { kinds(); }
    void tablesAndPictures()
    {
        QFETCH(int, kind);
        QFETCH(Points, ideal);
        QFETCH(QList<double>, terms);
        QFETCH(Points, lines);
        const auto model = makeModel(kind);
        for (int n = 0; n < terms.size(); ++n)
            QVERIFY(fuzzy((kind == Rectangle ? 2 : 1) * model->coefficient(n), terms[n], 1e-4));
        for (const QPointF &line : lines)
            QVERIFY(fuzzy(20 * model->coefficients()[std::size_t(line.x())], line.y(), 0.05));
        for (int j = 1; j < 20; ++j)
            QCOMPARE(std::abs(model->coefficient(j)) < 1e-12, j % (kind == Triangle ? 3 : 2) == 0);
        const auto func = makeSignalPlot(kind);
        const QSize size(1000, 500);
        const int axis = kind == Rectangle ? 250 : 400, period = kind == Rectangle ? 250 : 300;
        QImage img = testsupport::grab(*func, size);
        // Truncation toward zero puts the rectangular edges a pixel further out on the left.
        for (const QPointF &p : ideal)
            for (const int x : {500 + int(p.x()), 500 - int(p.x()) - (kind == Rectangle)})
                QVERIFY(curveAt(img, x, axis, p.y(), darkBlue));
        VERIFY_PIXEL(img, 500 + period, axis - 3, black);
        VERIFY_PIXEL(img, 500 - period, axis + 3, black);
        const auto spec = makeSpectrum(kind);
        const int specAxis = kind == Rectangle ? 250 : 320; // of 400 rows
        const QImage fresh = testsupport::grab(*spec, QSize(1000, 400));
        for (const QPointF &line : lines) {
            const int k = int(line.x()), x = 10 + 50 * k, tip = specAxis - int(line.y());
            VERIFY_PIXEL(fresh, x, tip, black);
            while (spec->highlightedLines() <= k)
                spec->moveSpec();
            img = testsupport::grab(*spec, QSize(1000, 400));
            VERIFY_PIXEL(img, x, tip, red);
            if (std::abs(line.y()) > 20)
                VERIFY_PIXEL(img, x, (specAxis + tip) / 2, QColor(Qt::magenta));
            if (k < 19) // the next line is not highlighted
                VERIFY_PIXEL(img, x + 50, specAxis, black);
        }
    }

    // Space on the covered "Просуммировать" at the start and after "Репер"; add and sum up to 20
    // harmonics, then only the spectrum counts on; an add before the glide settles; no frames
    // while hidden nor once the curves stop; "Репер" in the middle of a glide.
    void lecture_data() { kinds(); }
    void lecture()
    {
        QFETCH(QList<bool>, heard);
        open();
        QCOMPARE((QStringList{add->text(), sum->text(), reper->text(), counter->text()}),
                 (QStringList{"Добавить гармонику", "Просуммировать", "Репер", "0"}));
        QCOMPARE(window->childAt(sum->mapTo(window.get(), sum->rect().center())), add);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        for (int round = 0; round < 2; ++round) {
            sum->setFocus();
            QVERIFY(sum->hasFocus());
            QTest::keyClick(sum, Qt::Key_Space);
            QCOMPARE(counter->text(), QString("1"));
            QVERIFY(settlesOn(1));
            click(reper);
        }
        std::vector<std::pair<bool, bool>> seen;
        connect(func, &synthesisPlot::sumOfHarmonicChanged, this,
                [&] { seen.emplace_back(!add->isHidden(), spec->highlightedLines() == 0); });
        for (int n = 1; n <= 20; ++n) {
            click(add);
            QVERIFY(add->isHidden());
            QCOMPARE(spec->highlightedLines(), n);
            click(sum); // the next click(add) finds the button back
            QCOMPARE(counter->text(), QString::number(n));
        }
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
        QCOMPARE((QList<bool>{seen[0].first, seen[20].first, seen[20].second}), heard);
        // The red sum stays part-way; the next sum carries both curves on to the exact sum.
        addAndSum(2);
        func->repaint(); // one frame of the glide
        click(add);
        const std::vector<double> partWay = func->displayedSum();
        QVERIFY(offSum(2, partWay) > 0.01);
        func->repaint();
        QCOMPARE(func->displayedSum(), partWay);
        click(sum);
        QVERIFY(func->isAnimating());
        window->hide();
        QVERIFY(!func->isAnimating());
        func->installEventFilter(this);
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
        QCOMPARE(func->displayedSum(), std::vector<double>(std::size_t(func->sampleCount()), 0.0));
        click(add);
        QVERIFY(offSum(1, *func->displayedHarmonic()) < 1e-12);
    }

    // Red pixels of the partial sum within three columns of both edges of the plot.
    static bool redAtBothEdges(const QImage &img)
    {
        bool left = false, right = false;
        for (int d = 0; d < 4; ++d) {
            left = left || testsupport::columnHas(img, d, 0, img.height() - 1, red);
            right =
                right || testsupport::columnHas(img, img.width() - 1 - d, 0, img.height() - 1, red);
        }
        return left && right;
    }

    // After 20 harmonics the red sum and the ideal signal reach both edges of a plot 2,500
    // pixels wide; the first 500 samples keep their times i·ω/32, and
    // the ideal signal is the one a 2,300-pixel plot draws (away from the captions).
    void curvesReachBothEdges_data() { kinds(); }
    void curvesReachBothEdges()
    {
        QFETCH(int, kind);
        const QSize wide(2500, 500);
        const auto plot = makeSignalPlot(kind);
        QImage img = testsupport::grab(*plot, wide);
        const QImage narrow = testsupport::grab(*makeSignalPlot(kind), QSize(2300, 500));
        for (int d = 0; d < 4; ++d)
            QVERIFY(testsupport::columnHas(img, d, 0, 499, darkBlue) &&
                    testsupport::columnHas(img, 2499 - d, 0, 499, darkBlue));
        for (int y = 45; y < 500; ++y)
            for (int x = 150; x <= 2350; ++x)
                if (img.pixel(x, y) != narrow.pixel(x - 100, y))
                    QFAIL(qPrintable(
                        QStringLiteral("ideal signal changed at (%1, %2)").arg(x).arg(y)));
        for (int k = 0; k < 20; ++k) {
            plot->addHarmonic();
            plot->getSum();
        }
        for (int frame = 0; frame <= 40; ++frame)
            img = testsupport::grab(*plot, wide);
        QVERIFY(redAtBothEdges(img));
        QVERIFY(plot->sampleCount() > 500);
        const double step = makeModel(kind)->omega * 0.03125;
        for (int i = 0; i < 500; ++i)
            QCOMPARE(plot->sampleTime(i), i * step);
    }

    // The sample count follows the width, never below 500; a resize in the middle of a glide
    // keeps every curve on the glide of a plot that had the new width all along.
    void resizeFollowsWidth_data() { kinds(); }
    void resizeFollowsWidth()
    {
        QFETCH(int, kind);
        const auto wide = makeSignalPlot(kind), resized = makeSignalPlot(kind);
        const QSize w(2500, 500), n(1000, 500);
        const auto frames = [&](int count) {
            for (int i = 0; i < count; ++i) {
                testsupport::grab(*wide, w);
                testsupport::grab(*resized, resized->size());
            }
        };
        const auto same = [&](const char *when) {
            const auto &a = wide->displayedSum(), &b = resized->displayedSum();
            const auto &ha = *wide->displayedHarmonic(), &hb = *resized->displayedHarmonic();
            for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
                QVERIFY2(std::abs(a[i] - b[i]) < 1e-9 && std::abs(ha[i] - hb[i]) < 1e-9, when);
        };
        testsupport::grab(*resized, n);
        frames(1);
        QCOMPARE(resized->sampleCount(), 500);
        QVERIFY(50 * wide->sampleTime(wide->sampleCount() - 1) >= 1254);
        QVERIFY(50 * wide->sampleTime(wide->sampleCount() - 2) < 1254);
        for (int k = 0; k < 4; ++k) { // the last sum stays part-way
            for (synthesisPlot *plot : {wide.get(), resized.get()}) {
                plot->addHarmonic();
                plot->getSum();
            }
            frames(k < 3 ? 2 : 1);
        }
        resized->resize(w);
        frames(1);
        QCOMPARE(resized->sampleCount(), wide->sampleCount());
        same("resized during the glide");
        frames(3);
        same("gliding on");
        resized->resize(n);
        frames(2);
        QCOMPARE(resized->sampleCount(), 500);
        same("shrunk");
        resized->resize(w);
        frames(40);
        same("settled");
        QVERIFY(redAtBothEdges(testsupport::grab(*resized, w)));
        for (synthesisPlot *plot : {wide.get(), resized.get()})
            plot->reper();
        QCOMPARE(resized->displayedSum(),
                 std::vector<double>(std::size_t(resized->sampleCount()), 0.0));
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
