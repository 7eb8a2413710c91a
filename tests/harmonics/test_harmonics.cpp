#include "harmonics/harmonic.h" // the windows' forms bring their plots' headers
#include "harmonics/harmonictrapeze.h"
#include "harmonics/harmonictriangle.h"
#include "harmonics/rectanglesignal.h"
#include "harmonics/trapezesignal.h"
#include "harmonics/trianglesignal.h"
#include "literalmerge.h"
#include "plotdrivers.h"
#include "testsupport.h"

#include <memory>

namespace
{
enum Kind { Rectangle, Triangle, Trapeze };
using Samples = std::vector<double>;
using namespace testsupport;
const QColor red(Qt::red), darkBlue(Qt::darkBlue);

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
const auto makePlot =
    make<synthesisPlot, FieldFunc, fieldFuncHarmonicTriangle, fieldFuncHarmonicTrapeze>;
const auto makeLiteralPlot =
    make<synthesisPlot, literalMerge<FieldFunc>, literalMerge<fieldFuncHarmonicTriangle>,
         literalMerge<fieldFuncHarmonicTrapeze>>;

// How many of the four outermost columns show `colour`, on the poorer side of the picture.
int atEdges(const QImage &img, const QColor &colour)
{
    int left = 0, right = 0;
    for (int d = 0; d < 4; ++d) {
        left += columnShows(img, d, colour);
        right += columnShows(img, img.width() - 1 - d, colour);
    }
    return std::min(left, right);
}
} // namespace

class TestHarmonics : public QObject
{
    Q_OBJECT

    int demo = Rectangle, paints = 0; // paints of the signal plot, counted by eventFilter()
    synthesisPlot *func = nullptr;

    // Distance of s from the sum of the first n terms (rectangular: twice the model's terms).
    double offSum(int n, const Samples &s) const
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
    // when of "Репер", with the spectrum cleared?
    static void kinds()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<bool>>("heard");
        QTest::newRow("rectangular") << int(Rectangle) << QList<bool>{true, false, false};
        QTest::newRow("triangular") << int(Triangle) << QList<bool>{false, true, true};
        QTest::newRow("trapezoidal") << int(Trapeze) << QList<bool>{true, false, false};
    }
    bool eventFilter(QObject *, QEvent *e) override
    {
        paints += e->type() == QEvent::Paint;
        return false;
    }

private slots:
    // The jumps at ±T/4 belong to the top; times far from zero, 1e300 too, still return.
    void rectangleValue()
    {
        for (const double t : {1.25, -1.25, 3.75, 1000001.0, 1e300})
            QCOMPARE(rectangleSignal().value(t), 3.0);
        for (const double t : {1.2500001, -2.5, -1000002.0})
            QCOMPARE(rectangleSignal().value(t), -3.0);
    }

    // Space on the covered "Просуммировать" at the start and after "Репер"; add and sum up to 20
    // harmonics, then only the spectrum counts on; an add before the glide settles; no frames
    // while hidden nor once the curves stop; "Репер" in the middle of a glide.
    void lecture_data() { kinds(); }
    void lecture()
    {
        QFETCH(int, kind);
        QFETCH(QList<bool>, heard);
        const auto window = make<QWidget, harmonic, harmonicTriangle, harmonicTrapeze>(demo = kind);
        auto *add = window->findChild<QPushButton *>("addHarmonic");
        auto *sum = window->findChild<QPushButton *>("sum");
        auto *reper = window->findChild<QPushButton *>("reper");
        const auto *counter = window->findChild<QLabel *>("label_6");
        const auto *spec = window->findChild<synthesisSpectrum *>("Spec");
        func = window->findChild<synthesisPlot *>("Func");
        window->resize(1200, 900);
        window->ensurePolished(); // the offscreen platform takes no new size limits once shown
        window->layout()->activate();
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        const auto click = [](QPushButton *button) {
            QVERIFY(!button->isHidden());
            QTest::mouseClick(button, Qt::LeftButton);
        };
        const auto addAndSum = [&](int times) {
            for (int i = 0; i < 2 * times; ++i)
                click(i % 2 ? sum : add);
        };
        for (int round = 0; round < 2; ++round) {
            sum->setFocus();
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
            QVERIFY(add->isHidden() && spec->highlightedLines() == n);
            click(sum);
            QCOMPARE(counter->text(), QString::number(n));
        }
        QVERIFY(settlesOn(20));
        const Samples shown = func->displayedSum(), harmonic = *func->displayedHarmonic();
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
        func->advanceGlide();
        click(add);
        const Samples partWay = func->displayedSum();
        QVERIFY(offSum(2, partWay) > 0.01);
        QVERIFY(!func->advanceGlide());
        func->repaint();
        QCOMPARE(func->displayedSum(), partWay);
        click(sum);
        QVERIFY(func->isAnimating());
        window->hide();
        QVERIFY(!func->isAnimating());
        func->installEventFilter(this);
        paints = 0;
        window->show(); // the glide goes on
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
        QCOMPARE(func->displayedSum(), Samples(std::size_t(func->sampleCount()), 0.0));
        click(add);
        QVERIFY(offSum(1, *func->displayedHarmonic()) < 1e-12);
    }

    // A plot 2,500 pixels wide: the ideal signal reaches both edges; the first 500 samples keep
    // their times i·ω/32, and the sample count follows the width, never below 500. A resize in the
    // middle of a glide keeps every curve on the glide of a plot that had the new width all along;
    // settled, the red sum reaches both edges.
    void widthsAndResizes_data() { kinds(); }
    void widthsAndResizes()
    {
        QFETCH(int, kind);
        const auto wide = makePlot(kind), resized = makePlot(kind);
        const QSize w(2500, 500), n(1000, 500);
        QCOMPARE(atEdges(grabPlot(*wide, w), darkBlue), 4);
        QCOMPARE(makeModel(kind)->coefficients().size(), std::size_t(20)); // a line per harmonic
        const double step = makeModel(kind)->omega * 0.03125;
        for (int i = 0; i < 500; ++i)
            QCOMPARE(wide->sampleTime(i), i * step);
        QVERIFY(50 * wide->sampleTime(wide->sampleCount() - 1) >= 1254);
        QVERIFY(50 * wide->sampleTime(wide->sampleCount() - 2) < 1254);
        const auto frames = [&](int count) {
            for (int i = 0; i < count; ++i) {
                wide->advanceGlide();
                resized->advanceGlide();
            }
        };
        const auto same = [&](const char *when) {
            const auto &a = wide->displayedSum(), &b = resized->displayedSum();
            const auto &ha = *wide->displayedHarmonic(), &hb = *resized->displayedHarmonic();
            for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
                QVERIFY2(std::abs(a[i] - b[i]) < 1e-9 && std::abs(ha[i] - hb[i]) < 1e-9, when);
        };
        grabPlot(*resized, n);
        QCOMPARE(resized->sampleCount(), 500);
        for (int k = 0; k < 4; ++k) { // the last sum stays part-way
            drive::synthesis(*wide, 1, false);
            drive::synthesis(*resized, 1, false);
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
        QVERIFY(atEdges(grabPlot(*resized, w), red) > 0);
        resized->reper();
        QCOMPARE(resized->displayedSum(), Samples(std::size_t(resized->sampleCount()), 0.0));
    }

    // The step back glides as the step forward did, mirrored: frame for frame, the sum is as
    // far from where it lands as the forward glide was from where it started (up to the
    // distance at which a glide counts as at rest, a thousandth of a pixel), also when the
    // plot is widened during the glide (the sum then comes from the gliding weights).
    void stepBackMirrorsTheGlide_data() { kinds(); }
    void stepBackMirrorsTheGlide()
    {
        QFETCH(int, kind);
        const auto plot = makePlot(kind);
        const QSize sizes[] = {{1000, 450}, {1000, 450}, {2500, 450}}; // of the frames compared
        const auto frame = [&](QSize size) {
            testsupport::grab(*plot, size);
            plot->advanceGlide();
            return plot->displayedSum();
        };
        const auto glide = [&] {
            std::vector<Samples> sums;
            for (const QSize size : sizes)
                sums.push_back(frame(size));
            return sums;
        };
        const auto settled = [&] { // the sum at rest, at both sizes
            plot->land();
            return std::vector<Samples>{frame(sizes[0]), frame(sizes[0]), frame(sizes[2])};
        };
        plot->addHarmonic();
        plot->getSum();
        settled();
        plot->addHarmonic();
        plot->getSum();
        const std::vector<Samples> forward = glide();
        const std::vector<Samples> end = settled();
        plot->stepBack();
        const std::vector<Samples> back = glide();
        const std::vector<Samples> start = settled();
        QVERIFY(end[0] != start[0] && forward[1] != end[0]);
        for (std::size_t n = 0; n < std::size(sizes); ++n)
            for (std::size_t i = 0; i < end[n].size(); ++i)
                QVERIFY2(std::abs((back[n][i] - start[n][i]) - (end[n][i] - forward[n][i])) < 1e-4,
                         qPrintable(QStringLiteral("frame %1, sample %2").arg(n).arg(i)));
    }

    // A paint draws the state and changes nothing: painted twice in the middle of a glide, the
    // plot gives the same picture and its curves stay where they were.
    void paintChangesNothing_data() { kinds(); }
    void paintChangesNothing()
    {
        QFETCH(int, kind);
        const auto plot = makePlot(kind);
        plot->resize(1000, 450);
        drive::synthesis(*plot, 3, true);
        plot->getSum();
        QVERIFY(plot->advanceGlide());
        const Samples sum = plot->displayedSum(), harmonic = *plot->displayedHarmonic();
        const QImage first = grabPlot(*plot, {1000, 450});
        QCOMPARE(grabPlot(*plot, {1000, 450}), first);
        QVERIFY(plot->isGliding() && plot->isMerging());
        QCOMPARE(plot->harmonicsSummed(), 4);
        QCOMPARE(plot->displayedSum(), sum);
        QCOMPARE(*plot->displayedHarmonic(), harmonic);
    }

    // On the screen a glide takes the frames the frame clock gives it, as many as a hidden twin
    // of the same width takes frame by frame, also with ten repaints forced between frames.
    void framesIgnoreExtraPaints_data() { kinds(); }
    void framesIgnoreExtraPaints()
    {
        QFETCH(int, kind);
        const auto window = make<QWidget, harmonic, harmonicTriangle, harmonicTrapeze>(demo = kind);
        func = window->findChild<synthesisPlot *>("Func");
        window->resize(1200, 900);
        window->ensurePolished(); // the offscreen platform takes no new size limits once shown
        window->layout()->activate();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const auto twin = makePlot(kind);
        twin->resize(func->size());
        drive::synthesis(*twin, 1, false);
        twin->land();
        drive::synthesis(*twin, 1, false); // the first harmonic, after the constant term
        int expected = 1;                  // the last frame ends the glide
        while (twin->advanceGlide())
            ++expected;
        for (const int extraPaints : {0, 10}) {
            window->findChild<QPushButton *>("reper")->click();
            const auto addAndSum = [&] {
                window->findChild<QPushButton *>("addHarmonic")->click();
                window->findChild<QPushButton *>("sum")->click();
            };
            addAndSum();
            QTRY_VERIFY(!func->isGliding());
            Samples last = func->displayedSum();
            int frames = 0;
            // Called after each tick's own frame, however late the tick comes.
            const QMetaObject::Connection counting =
                connect(&func->frameClock(), &QTimer::timeout, this, [&] {
                    if (func->displayedSum() != last) {
                        ++frames;
                        last = func->displayedSum();
                    }
                    for (int paint = 0; paint < extraPaints; ++paint)
                        func->repaint();
                });
            addAndSum();
            if (func->displayedSum() != last) { // a frame taken at once, without a tick
                ++frames;
                last = func->displayedSum();
            }
            QTRY_VERIFY_WITH_TIMEOUT(!func->isGliding(), 20000);
            disconnect(counting);
            QCOMPARE(frames, expected);
        }
    }

    // A production frame takes the ten glide steps and the paint draws once; the literal paint
    // takes them itself, erasing and drawing after every step. Frame after frame their pictures
    // are the same to the pixel.
    void paintMatchesLiteralMerge_data() { kinds(); }
    void paintMatchesLiteralMerge()
    {
        QFETCH(int, kind);
        const auto production = makePlot(kind), literal = makeLiteralPlot(kind);
        for (int k = 0; k < 20; ++k)
            for (int frame = 0; frame < 4; ++frame) { // added, then summed and three frames
                for (synthesisPlot *plot : {production.get(), literal.get()})
                    if (frame < 2)
                        frame ? plot->getSum() : plot->addHarmonic();
                if (frame > 0)
                    production->advanceGlide();
                QVERIFY2(grabPlot(*production, {1000, 450}) == grabPlot(*literal, {1000, 450}),
                         qPrintable(QStringLiteral("harmonic %1, frame %2").arg(k).arg(frame)));
            }
        QVERIFY(production->isMerging());
    }
};

VELTARN_TEST_MAIN(TestHarmonics)
#include "test_harmonics.moc"
