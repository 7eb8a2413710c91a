#include "app/fullscreen.h"
#include "app/mainwindow.h"
#include "invariants.h"
#include "sessiondriver.h"
#include "testsupport.h"

#include <QMetaMethod>
#include <QPushButton>
#include <QSlider>

#include <climits>
#include <deque>
#include <random>

namespace
{

quint64 sessionSeed()
{
    bool ok = false;
    const quint64 seed = qEnvironmentVariable("VELTARN_SESSION_SEED").toULongLong(&ok);
    return ok ? seed : std::random_device{}();
}

int sessionSteps()
{
    bool ok = false;
    const int steps = qEnvironmentVariableIntValue("VELTARN_SESSION_STEPS", &ok);
    return ok && steps > 0 ? steps : 20000;
}

const char *const menuButtons[] = {"startHarmonicRectangle",
                                   "startPeriodicSpectres",
                                   "startHarmonicTriangle",
                                   "startSignalDependence",
                                   "startHarmonicTrapeze",
                                   "startAmplitudeModSignal",
                                   "Author"};

QWidget *openFromMenu(MainWindow &menu, const char *button)
{
    const QList<QWidget *> before = QApplication::topLevelWidgets();
    menu.findChild<QPushButton *>(QLatin1String(button))->click();
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (!before.contains(w)) {
            SessionDriver::holdMinimumSize(w);
            return w;
        }
    }
    return nullptr;
}

void destroyClosedWindows()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class TestSession : public QObject
{
    Q_OBJECT

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
        destroyClosedWindows();
        menu.reset();
    }

    // A long random lecture: after every step every open window keeps its promises.
    void randomLecture()
    {
        const quint64 seed = sessionSeed();
        const int steps = sessionSteps();
        qInfo("random lecture: %d steps, seed %llu (VELTARN_SESSION_SEED replays it)", steps,
              static_cast<unsigned long long>(seed));
        SessionDriver driver(*menu, seed);
        installInvariants(driver);
        std::deque<QString> recent;
        for (int i = 0; i < steps; ++i) {
            recent.push_back(driver.step());
            if (recent.size() > 12)
                recent.pop_front();
            const QString broken = driver.checkAll();
            if (!broken.isEmpty()) {
                QStringList trail(recent.begin(), recent.end());
                QFAIL(qPrintable(QStringLiteral("seed %1, step %2: %3\nlast steps: %4")
                                     .arg(seed)
                                     .arg(i)
                                     .arg(broken, trail.join(QStringLiteral("; ")))));
            }
        }
        qInfo("random lecture: %d steps done, seed %llu", steps,
              static_cast<unsigned long long>(seed));
    }

    // Every public slot of every plot takes any int: nothing crashes, nothing is undefined, and
    // the pictures still paint, also at the extremes.
    void slotsTakeAnyInt()
    {
        for (const char *button : menuButtons) {
            QWidget *window = openFromMenu(*menu, button);
            QVERIFY2(window, button);
            QList<int> values = {INT_MIN, INT_MIN + 1, -1, 0, 1, INT_MAX};
            for (QSlider *s : window->findChildren<QSlider *>())
                values << s->minimum() << s->maximum() << s->minimum() - 1 << s->maximum() + 1;
            for (QWidget *plot : SessionDriver::plotsOf(window)) {
                const QMetaObject *mo = plot->metaObject();
                for (int m = QWidget::staticMetaObject.methodCount(); m < mo->methodCount(); ++m) {
                    const QMetaMethod method = mo->method(m);
                    if (method.methodType() != QMetaMethod::Slot ||
                        method.access() != QMetaMethod::Public)
                        continue;
                    if (method.parameterCount() == 0) {
                        QVERIFY(method.invoke(plot, Qt::DirectConnection));
                    } else if (method.parameterCount() == 1 &&
                               method.parameterType(0) == QMetaType::Int) {
                        for (int v : values) {
                            QVERIFY(method.invoke(plot, Qt::DirectConnection, Q_ARG(int, v)));
                            for (QWidget *p : SessionDriver::plotsOf(window))
                                SessionDriver::paint(p);
                        }
                    }
                }
            }
            window->close();
            destroyClosedWindows();
        }
    }

    // Opening and closing every window many times leaves no widget behind.
    void windowsAreDestroyedWhenClosed()
    {
        const int rounds = qEnvironmentVariableIsSet("VELTARN_SESSION_STEPS") ? 500 : 100;
        const int before = int(QApplication::allWidgets().size());
        for (int r = 0; r < rounds; ++r) {
            for (const char *button : menuButtons) {
                QWidget *window = openFromMenu(*menu, button);
                QVERIFY2(window && window->isFullScreen(), button);
                window->close();
                destroyClosedWindows();
            }
        }
        QCOMPARE(int(QApplication::allWidgets().size()), before);
    }

private:
    std::unique_ptr<MainWindow> menu;
};

VELTARN_TEST_MAIN(TestSession)
#include "test_session.moc"
