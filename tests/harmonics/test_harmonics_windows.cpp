#include "harmonics/harmonic.h"
#include "harmonics/harmonictrapeze.h"
#include "harmonics/harmonictriangle.h"
#include "harmonics/trapezesignal.h"
#include "harmonics/trianglesignal.h"
#include "testsupport.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <memory>

namespace
{

enum Kind { Rectangle, Triangle, Trapeze };

std::unique_ptr<QWidget> makeWindow(int kind)
{
    if (kind == Rectangle)
        return std::make_unique<harmonic>();
    if (kind == Triangle)
        return std::make_unique<harmonicTriangle>();
    return std::make_unique<harmonicTrapeze>();
}

// The partial sum of the first n terms at time t, from the series each demonstration shows.
double partialSum(int kind, int n, double t)
{
    double sum = 0.0;
    if (kind == Rectangle) {
        for (int k = 1; k < n; k += 2)
            sum +=
                ((k - 1) / 2 % 2 == 0 ? 1 : -1) * 12 / (M_PI * k) * std::cos(2 * M_PI * k * t / 5);
        return sum;
    }
    const triangleSignal triangle;
    const trapezeSignal trapeze;
    const synthesisModel &model =
        kind == Triangle ? static_cast<const synthesisModel &>(triangle) : trapeze;
    for (int k = 0; k < n; ++k)
        sum += model.harmonicValue(t, k);
    return sum;
}

// Largest distance between the samples and the partial sum of n terms.
double distanceFromSum(const synthesisPlot &plot, int kind, int n,
                       const std::vector<double> &samples)
{
    double d = 0.0;
    for (int i = 0; i < synthesisPlot::sampleCount; ++i)
        d = std::max(d,
                     std::abs(samples[std::size_t(i)] - partialSum(kind, n, plot.sampleTime(i))));
    return d;
}

class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *w) { w->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

} // namespace

class TestHarmonicsWindows : public QObject
{
    Q_OBJECT

    std::unique_ptr<QWidget> window;
    QPushButton *add = nullptr;
    QPushButton *sum = nullptr;
    QPushButton *reper = nullptr;
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
        // The offscreen platform cannot take new size limits once the window exists, so the
        // layout settles them before the first show.
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

private slots:
    void cleanup() { window.reset(); }

    void forms_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("titleName");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("menuName");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("ownPalette");
        QTest::newRow("rectangular")
            << int(Rectangle) << "Title"
            << "Формирование прямоугольного сигнала из гармоник спектра.\nОсцилляции Гиббса"
            << "pushButton" << QSize(1021, 180) << true;
        QTest::newRow("triangular") << int(Triangle) << "label"
                                    << "Формирование треугольного сигнала из гармоник спектра"
                                    << "pushButton_2" << QSize(800, 600) << true;
        QTest::newRow("trapezoidal") << int(Trapeze) << "label"
                                     << "Формирование трапециевидного сигнала из гармоник спектра"
                                     << "pushButton" << QSize(815, 527) << false;
    }
    void forms()
    {
        QFETCH(int, kind);
        QFETCH(QString, titleName);
        QFETCH(QString, title);
        QFETCH(QString, menuName);
        QFETCH(QSize, size);
        QFETCH(bool, ownPalette);
        const std::unique_ptr<QWidget> w = makeWindow(kind);
        QCOMPARE(w->size(), size);
        QCOMPARE(w->windowTitle(), QString("Form"));
        QVERIFY(!w->testAttribute(Qt::WA_DeleteOnClose));
        QCOMPARE(w->font().pointSize(), 14);
        QVERIFY(w->font().bold());
        QCOMPARE(w->autoFillBackground(), ownPalette);
        if (ownPalette)
            QCOMPARE(w->palette().color(QPalette::Window), QColor(245, 245, 255));
        const auto text = [&](const char *name) {
            const auto *button = w->findChild<QPushButton *>(name);
            const auto *label = w->findChild<QLabel *>(name);
            return button ? button->text() : label ? label->text() : QString();
        };
        QCOMPARE(text(qPrintable(titleName)), title);
        QCOMPARE(w->findChild<QLabel *>(titleName)->font().pointSize(), 18);
        QCOMPARE(text("sum"), QString("Просуммировать"));
        QCOMPARE(text("addHarmonic"), QString("Добавить гармонику"));
        QCOMPARE(text("reper"), QString("Репер"));
        QCOMPARE(text("label_2"), QString("Сумма N = "));
        QCOMPARE(text("label_6"), QString("0"));
        QCOMPARE(text("label_3"), QString("гармоник"));
        QCOMPARE(text(qPrintable(menuName)), QString("Главное меню"));
        const QFont counterFont = w->findChild<QLabel *>("label_6")->font();
        QCOMPARE(counterFont.pointSize(), 20);
        QVERIFY(counterFont.bold());
        QVERIFY(w->findChild<QPushButton *>(menuName)->font().italic());
        // "Добавить гармонику" lies over "Просуммировать".
        auto *box = w->findChild<QGroupBox *>("groupBox");
        QCOMPARE(box->childAt(100, 15), w->findChild<QPushButton *>("addHarmonic"));
    }

    void buttonDance_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("rectangular") << int(Rectangle);
        QTest::newRow("triangular") << int(Triangle);
        QTest::newRow("trapezoidal") << int(Trapeze);
    }
    void buttonDance()
    {
        QFETCH(int, kind);
        open(kind);
        for (int n = 0; n < 20; ++n) {
            click(add);
            QVERIFY(add->isHidden());
            QCOMPARE(spec->highlightedLines(), n + 1);
            QCOMPARE(func->displayedHarmonic().has_value(), true);
            click(sum);
            QVERIFY(!add->isHidden());
            QCOMPARE(counter->text(), QString::number(n + 1));
            QCOMPARE(func->harmonicsSummed(), n + 1);
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

    // Where one click reaches several receivers, each window keeps its own order: whether
    // "Добавить гармонику" is back, and the spectrum cleared, when the counter is told.
    void connectionOrder_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("addShownAtSum");
        QTest::addColumn<bool>("spectrumClearedAtReper");
        QTest::addColumn<bool>("addShownAtReper");
        QTest::newRow("rectangular") << int(Rectangle) << true << false << false;
        QTest::newRow("triangular") << int(Triangle) << false << true << true;
        QTest::newRow("trapezoidal") << int(Trapeze) << true << false << false;
    }
    void connectionOrder()
    {
        QFETCH(int, kind);
        QFETCH(bool, addShownAtSum);
        QFETCH(bool, spectrumClearedAtReper);
        QFETCH(bool, addShownAtReper);
        open(kind);
        std::vector<std::array<bool, 2>> seen;
        connect(func, &synthesisPlot::sumOfHarmonicChanged, this, [&](int) {
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
        QVERIFY(!add->isHidden());
        QCOMPARE(spec->highlightedLines(), 0);
    }

    void reperDuringMerge_data() { buttonDance_data(); }
    void reperDuringMerge()
    {
        QFETCH(int, kind);
        open(kind);
        addAndSum(2);
        func->repaint(); // one frame of the glide
        QVERIFY(func->isMerging());
        QVERIFY(func->isAnimating());
        click(add);
        click(reper);
        QCOMPARE(counter->text(), QString("0"));
        QVERIFY(!func->isMerging());
        QVERIFY(!func->isAnimating());
        QVERIFY(!func->displayedHarmonic());
        QVERIFY(std::all_of(func->displayedSum().begin(), func->displayedSum().end(),
                            [](double v) { return v == 0.0; }));
        const QImage img = func->grab().toImage();
        for (const QColor c : {QColor(Qt::red), QColor(Qt::green)})
            for (int x = 0; x < img.width(); x += 3)
                QVERIFY(!testsupport::columnHas(img, x, 0, img.height() - 1, c, 20));
        click(add); // starts again from term 0
        QVERIFY(distanceFromSum(*func, kind, 1, *func->displayedHarmonic()) < 1e-12);
    }

    // A new harmonic before the glide has settled leaves the red sum part-way; the next sum
    // carries it on to the exact partial sum.
    void addBeforeMergeSettles_data() { buttonDance_data(); }
    void addBeforeMergeSettles()
    {
        QFETCH(int, kind);
        open(kind);
        addAndSum(2);
        func->repaint();
        click(add);
        QVERIFY(!func->isMerging());
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
    void keyboardOnCoveredSum_data() { buttonDance_data(); }
    void keyboardOnCoveredSum()
    {
        QFETCH(int, kind);
        open(kind);
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        for (int round = 0; round < 2; ++round) {
            sum->setFocus();
            QVERIFY(sum->hasFocus());
            QTest::keyClick(sum, Qt::Key_Space);
            QCOMPARE(counter->text(), QString("1"));
            QTRY_VERIFY(!func->isAnimating());
            QVERIFY(distanceFromSum(*func, kind, 1, func->displayedSum()) < 1e-3);
            QVERIFY(distanceFromSum(*func, kind, 1, *func->displayedHarmonic()) < 1e-3);
            func->grab();
            click(reper);
        }
    }

    // Frames are requested only while the curves move, and not while the window is hidden.
    void animationRunsOnlyWhileMoving_data() { buttonDance_data(); }
    void animationRunsOnlyWhileMoving()
    {
        QFETCH(int, kind);
        open(kind);
        PaintCounter paints(func);
        QTest::qWait(50);
        paints.count = 0;
        QTest::qWait(100);
        QCOMPARE(paints.count, 0);
        addAndSum(2);
        QVERIFY(func->isAnimating());
        window->hide();
        QVERIFY(!func->isAnimating());
        QTest::qWait(50);
        QVERIFY(!func->isAnimating());
        window->show(); // the first paint asks for the next frame
        QTRY_VERIFY(distanceFromSum(*func, kind, 2, func->displayedSum()) < 1e-3);
        QTRY_VERIFY(!func->isAnimating());
        QVERIFY(paints.count > 2);
        paints.count = 0;
        QTest::qWait(100);
        QCOMPARE(paints.count, 0);
        QVERIFY(func->isMerging());
    }

    void menuButtonClosesItsWindow()
    {
        open(Triangle);
        click(window->findChild<QPushButton *>("pushButton_2"));
        QVERIFY(window->isHidden());
    }
};

VELTARN_TEST_MAIN(TestHarmonicsWindows)
#include "test_harmonics_windows.moc"
