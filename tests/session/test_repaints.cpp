#include "app/fullscreen.h"
#include "app/mainwindow.h"
#include "harmonics/synthesisplot.h"
#include "sessiondriver.h"
#include "testsupport.h"

#include <QPushButton>
#include <QSlider>

#include <map>
#include <memory>

namespace
{

// Counts the paint events each plot of a window receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *window)
    {
        for (QWidget *plot : SessionDriver::plotsOf(window)) {
            plot->installEventFilter(this);
            counts[plot] = 0;
        }
    }
    void reset()
    {
        for (auto &entry : counts)
            entry.second = 0;
    }
    std::map<QObject *, int> counts;

protected:
    bool eventFilter(QObject *watched, QEvent *e) override
    {
        if (e->type() == QEvent::Paint)
            ++counts[watched];
        return false;
    }
};

bool isReference(const QObject *plot)
{
    return QString::fromLatin1(plot->metaObject()->className()).contains(QLatin1String("Reper"));
}

} // namespace

// A picture costs only when something changed: a slider move repaints each plot it affects
// once, and a window where nothing moves is not repainted at all.
class TestRepaints : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> menu;

    QWidget *open(const char *button)
    {
        const QList<QWidget *> before = QApplication::topLevelWidgets();
        menu->findChild<QPushButton *>(QLatin1String(button))->click();
        QWidget *window = nullptr;
        for (QWidget *w : QApplication::topLevelWidgets())
            if (!before.contains(w))
                window = w;
        if (window) {
            SessionDriver::holdMinimumSize(window);
            if (!QTest::qWaitForWindowExposed(window))
                return nullptr;
            QTest::qWait(50);
        }
        return window;
    }

private slots:
    void init()
    {
        menu = std::make_unique<MainWindow>();
        veltarn::showFullScreen(*menu);
    }
    void cleanup()
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w != menu.get())
                w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        menu.reset();
    }

    void sliderMoveRepaintsEachLivePlotOnce_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("slider");
        QTest::addColumn<int>("value");
        QTest::newRow("pulse train period") << "startPeriodicSpectres"
                                            << "periodhorizontalSlider" << 20;
        // A refused duration sends the slider back: still one picture per plot.
        QTest::newRow("pulse train refused duration") << "startPeriodicSpectres"
                                                      << "lengthhorizontalSlider" << 25;
        QTest::newRow("shape base") << "startSignalDependence"
                                    << "tau1Slider" << 6;
        QTest::newRow("shape refused top") << "startSignalDependence"
                                           << "tau2Slider" << 10;
        QTest::newRow("modulation depth") << "startAmplitudeModSignal"
                                          << "MSlider" << 90;
        QTest::newRow("carrier") << "startAmplitudeModSignal"
                                 << "omegaNSlider" << 600;
    }
    void sliderMoveRepaintsEachLivePlotOnce()
    {
        QFETCH(QString, button);
        QFETCH(QString, slider);
        QFETCH(int, value);
        QWidget *window = open(qPrintable(button));
        QVERIFY(window);
        PaintCounter paints(window);
        window->findChild<QSlider *>(slider)->setValue(value);
        QTest::qWait(100);
        for (const auto &[plot, count] : paints.counts) {
            const int expected = isReference(plot) ? 0 : 1;
            QVERIFY2(count == expected,
                     qPrintable(
                         QStringLiteral("%1 painted %2 times").arg(plot->objectName()).arg(count)));
        }
    }

    void settledSynthesisIsNotRepainted_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("rectangular") << "startHarmonicRectangle";
        QTest::newRow("triangular") << "startHarmonicTriangle";
        QTest::newRow("trapezoidal") << "startHarmonicTrapeze";
    }
    void settledSynthesisIsNotRepainted()
    {
        QFETCH(QString, button);
        QWidget *window = open(qPrintable(button));
        QVERIFY(window);
        auto *func = window->findChild<synthesisPlot *>(QStringLiteral("Func"));
        for (int i = 0; i < 3; ++i) {
            QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("addHarmonic")),
                              Qt::LeftButton);
            QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("sum")),
                              Qt::LeftButton);
        }
        PaintCounter paints(window);
        QTRY_VERIFY(!func->isAnimating());
        QVERIFY(paints.counts[func] > 0);
        QTest::qWait(50);
        paints.reset();
        QTest::qWait(1000);
        for (const auto &[plot, count] : paints.counts)
            QVERIFY2(count == 0, qPrintable(QStringLiteral("%1 painted %2 times while idle")
                                                .arg(plot->objectName())
                                                .arg(count)));
    }
};

VELTARN_TEST_MAIN(TestRepaints)
#include "test_repaints.moc"
