#include "app/mainwindow.h"
#include "catalog/catalog.h"
#include "figures/figures.h"
#include "harmonics/spectrumsteps.h"
#include "harmonics/synthesisplot.h"
#include "lecture/keytable.h"
#include "lecture/overlays.h"
#include "lecture/windowkeys.h"
#include "pulsetrain/fielddynamicspecperiodic.h"
#include "shape/fielddependencespecdynamic.h"
#include "testsupport.h"
#include "windowing/notice.h"
#include "windowing/placement.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>

#include <memory>

using lecture::WindowKeys;
using testsupport::menuWindows;

namespace
{

QWidgetList windowsBesides(const QWidget &menu)
{
    QWidgetList found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != &menu && w->isVisible())
            found << w;
    return found;
}

// A key as the remote or the keyboard sends it: to the focus. Russian letters come with their text.
void press(QWidget *window, QKeyCombination key)
{
    QWidget *focus = window->focusWidget() ? window->focusWidget() : window;
    const QString text =
        key.key() >= 0x0400 && key.key() < 0x0500 ? QString(QChar(key.key())).toLower() : QString();
    QTest::sendKeyEvent(QTest::Click, focus, key.key(), text, key.keyboardModifiers());
}

// The parameters the live spectrum holds and the readouts show, "T=14_tau=3 (14, 3)".
QString shownParameters(const QWidget &w)
{
    QString held;
    QStringList readouts;
    if (const auto *spec = w.findChild<const fieldDynamicSpecPeriodic *>()) {
        held = QStringLiteral("T=%1_tau=%2").arg(spec->heldPeriod()).arg(spec->heldLength());
        readouts << "periodLCD"
                 << "legthLCD";
    } else if (const auto *shape = w.findChild<const fieldDependenceSpecDynamic *>()) {
        const dependenceSignal &p = shape->parameters();
        held = QStringLiteral("T=%1_tau1=%2_tau2=%3").arg(p.period).arg(p.tau1).arg(p.tau2);
        readouts << "periodLCD"
                 << "tau1LCD"
                 << "tau2LCD";
    }
    for (QString &name : readouts)
        name = w.findChild<const QLabel *>(name)->text();
    return held + QStringLiteral(" (%1)").arg(readouts.join(QStringLiteral(", ")));
}

// The same as the sliders hold them.
QString sliderParameters(const QWidget &w, const veltarn::catalog::Demonstration &d)
{
    QStringList values;
    for (const auto &p : d.parameters)
        values << QString::number(w.findChild<const QSlider *>(QLatin1String(p.slider))->value());
    return veltarn::catalog::describeState(w, d) +
           QStringLiteral(" (%1)").arg(values.join(QStringLiteral(", ")));
}

bool isCovered(QWidget *window)
{
    const auto *cover = window->findChild<lecture::Cover *>();
    return cover && cover->isVisible();
}

} // namespace

class TestLecture : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> menu;

    static QImage picture(QWidget *w) { return w->grab().toImage(); }

    QWidget *open(const QString &b) { return testsupport::openFromMenu(*menu, qPrintable(b)); }

private slots:
    void init()
    {
        menu = std::make_unique<MainWindow>();
        veltarn::showFullScreen(*menu);
        QVERIFY(QTest::qWaitForWindowExposed(menu.get()));
    }
    void cleanup()
    {
        qDeleteAll(windowsBesides(*menu));
        menu.reset();
    }

    // Next and previous walk the steps of the buttons and back, with focus on "Репер": the
    // counter, the lit lines, the visible button and, going back, the earlier pictures. F5 then
    // steps on its own to twenty harmonics; any key stops it and does nothing else; nothing
    // passes twenty; every step of the lecture can be taken back; Home is "Репер".
    void synthesisSteps_data() { synthesisWindows(); }
    void synthesisSteps()
    {
        QFETCH(QString, button);
        QFETCH(int, limit);
        QWidget *w = open(button);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        auto *func = w->findChild<synthesisPlot *>(QStringLiteral("Func"));
        auto *spec = w->findChild<spectrumSteps *>(QStringLiteral("Spec"));
        auto *add = w->findChild<QPushButton *>(QStringLiteral("addHarmonic"));
        const auto verify = [&](int summed, int lit, bool adding) {
            QVERIFY(testsupport::settle(*func));
            QCOMPARE(func->harmonicsSummed(), summed);
            QCOMPARE(w->findChild<QLabel *>(QStringLiteral("label_6"))->text(),
                     QString::number(summed));
            QCOMPARE(spec->highlightedLines(), lit);
            QCOMPARE(add->isVisibleTo(w), adding);
        };
        w->findChild<QPushButton *>(QStringLiteral("reper"))->setFocus();
        press(w, Qt::Key_PageUp); // nothing to undo at the start
        QList<QImage> funcs, specs;
        for (int i = 0; i < 6 && !QTest::currentTestFailed(); ++i) {
            if (i)
                press(w, i % 2 ? Qt::Key_PageDown : Qt::Key_Right);
            verify(i / 2, (i + 1) / 2, i % 2 == 0);
            funcs << picture(func);
            specs << picture(spec);
        }
        QVERIFY(funcs[2] != funcs[1] && funcs[3] != funcs[2]);
        for (int i = 4; i >= 0 && !QTest::currentTestFailed(); --i) {
            press(w, i % 2 ? Qt::Key_PageUp : Qt::Key_Left);
            if (i == 3) // the first harmonic leaves the sum gliding, as it came
                QVERIFY(func->isAnimating());
            verify(i / 2, (i + 1) / 2, i % 2 == 0);
            QVERIFY2(picture(func) == funcs[i] && picture(spec) == specs[i],
                     qPrintable(QStringLiteral("step %1").arg(i)));
        }
        press(w, Qt::Key_Left);
        QCOMPARE(picture(func), funcs[0]);

        WindowKeys *keys = WindowKeys::of(*w);
        keys->setAutoStepPause(1);
        press(w, Qt::Key_F5);
        QTRY_COMPARE_WITH_TIMEOUT(func->harmonicsSummed(), 3, 20000);
        press(w, Qt::Key_PageDown); // stops, and is not a step of its own
        const int stoppedAt = func->harmonicsSummed(), litBefore = spec->highlightedLines();
        QVERIFY(!keys->isAutoStepping());
        QTest::qWait(300);
        QCOMPARE(func->harmonicsSummed(), stoppedAt);
        QCOMPARE(spec->highlightedLines(), litBefore);
        press(w, Qt::SHIFT | Qt::Key_F5);
        QTRY_COMPARE_WITH_TIMEOUT(func->harmonicsSummed(), limit, 150000);
        QTRY_VERIFY(!keys->isAutoStepping());
        press(w, Qt::Key_F5);
        press(w, Qt::Key_F5);
        QVERIFY(!keys->isAutoStepping());
        for (int i = 0; i < 3; ++i)
            press(w, Qt::Key_PageDown);
        verify(limit, limit, true);
        for (int i = 0; i < 2 * limit + 3; ++i) // every step back, the ones at the limit first
            press(w, Qt::Key_PageUp);
        verify(0, 0, true);
        press(w, Qt::Key_PageDown);
        press(w, Qt::Key_Home);
        verify(0, 0, true);
    }

    // The remote's next and previous move the focused slider by its page step, up and down by
    // one, Home and End to the ends (as far as the window's rules allow), wherever the focus is.
    void sliders()
    {
        const std::tuple<const char *, const char *, Qt::Key, int> rows[] = {
            {"startPeriodicSpectres", "periodhorizontalSlider", Qt::Key_PageDown, 15},
            {"startPeriodicSpectres", "periodhorizontalSlider", Qt::Key_End, 25},
            {"startPeriodicSpectres", "periodhorizontalSlider", Qt::Key_Home, 3},
            {"startPeriodicSpectres", "lengthhorizontalSlider", Qt::Key_End, 14},
            {"startAmplitudeModSignal", "MSlider", Qt::Key_Up, 51},
            {"startSignalDependence", "periodSlider", Qt::Key_PageUp, 6},
            {"startSignalDependence", "tau1Slider", Qt::Key_PageUp, 3},
            {"startSignalDependence", "tau2Slider", Qt::Key_PageDown, 4},
            {"startSignalDependence", "tau2Slider", Qt::Key_Down, 2},
            {"startAmplitudeModSignal", "omegaMSlider", Qt::Key_Left, 55},
            {"startAmplitudeModSignal", "omegaNSlider", Qt::Key_Right, 790},
            {"startAmplitudeModSignal", "omegaNSlider", Qt::Key_Home, 500}};
        for (const auto &[button, slider, key, value] : rows) {
            const std::unique_ptr<QWidget> w(open(button));
            QVERIFY(QTest::qWaitForWindowActive(w.get()));
            QWidget *first = w.get(); // the first slider has the focus from the start
            do
                first = first->nextInFocusChain();
            while (!qobject_cast<QSlider *>(first));
            QCOMPARE(w->focusWidget(), first);
            auto *s = w->findChild<QSlider *>(QLatin1String(slider));
            while (w->focusWidget() != s)
                press(w.get(), Qt::Key_Tab);
            // With a button focused afterwards the keys still move the slider last chosen.
            w->findChild<QPushButton *>(QStringLiteral("pushButton"))->setFocus();
            press(w.get(), key);
            QVERIFY2(s->value() == value && w->focusWidget() == s,
                     qPrintable(QStringLiteral("%1: %2").arg(slider).arg(s->value())));
            const auto *ring = w->findChild<lecture::FocusRing *>();
            QTRY_VERIFY(ring && ring->isVisible());
            QTRY_VERIFY(ring->geometry().contains(QRect(s->mapTo(w.get(), QPoint()), s->size())));
        }
    }

    // Home, End and the page steps at every limit the pulse train's and the signal shape's rules
    // set: the slider goes to the allowed value nearest to where the key aims, in one accepted
    // move that the plots, the readout and the live spectrum all take; at that value already,
    // nothing moves and nothing is announced. A value set as a drag sets it is still refused.
    void coupledLimits_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("preset"); // T=…,tau=… through the window's own sliders
        QTest::addColumn<QString>("slider");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expected");
        const auto row = [](const char *name, const char *id, const char *preset,
                            const char *slider, Qt::Key key, int expected) {
            QTest::newRow(name) << id << preset << slider << int(key) << expected;
        };
        const char *T = "periodhorizontalSlider", *tau = "lengthhorizontalSlider";
        row("T Home to tau", "pulse-train", "", T, Qt::Key_Home, 3);
        row("T Home at tau", "pulse-train", "T=3", T, Qt::Key_Home, 3);
        row("T PageUp at tau", "pulse-train", "T=5,tau=5", T, Qt::Key_PageUp, 5);
        row("T Left at tau", "pulse-train", "T=5,tau=5", T, Qt::Key_Left, 5);
        row("T Down at tau", "pulse-train", "T=5,tau=5", T, Qt::Key_Down, 5);
        row("T End free", "pulse-train", "", T, Qt::Key_End, 25);
        row("tau End to T", "pulse-train", "", tau, Qt::Key_End, 14);
        row("tau End at T", "pulse-train", "tau=14", tau, Qt::Key_End, 14);
        row("tau PageDown at T", "pulse-train", "T=6,tau=6", tau, Qt::Key_PageDown, 6);
        row("tau Right at T", "pulse-train", "T=6,tau=6", tau, Qt::Key_Right, 6);
        row("tau Up at T", "pulse-train", "T=6,tau=6", tau, Qt::Key_Up, 6);
        row("tau Home free", "pulse-train", "", tau, Qt::Key_Home, 1);
        const char *sT = "periodSlider", *tau1 = "tau1Slider", *tau2 = "tau2Slider";
        row("T Home to tau1", "shape", "", sT, Qt::Key_Home, 4);
        row("T PageUp from 6 to tau1", "shape", "T=6", sT, Qt::Key_PageUp, 4);
        row("T Left from 6 to tau1", "shape", "T=6", sT, Qt::Key_Left, 4);
        row("T PageUp at tau1", "shape", "T=4", sT, Qt::Key_PageUp, 4);
        row("T PageUp free", "shape", "", sT, Qt::Key_PageUp, 6);
        row("T End free", "shape", "", sT, Qt::Key_End, 20);
        row("tau1 Home to tau2", "shape", "", tau1, Qt::Key_Home, 3);
        row("tau1 PageUp to tau2", "shape", "", tau1, Qt::Key_PageUp, 3);
        row("tau1 Home to 1 over a zero top", "shape", "tau2=0", tau1, Qt::Key_Home, 1);
        row("tau1 Home at tau2", "shape", "tau1=3", tau1, Qt::Key_Home, 3);
        row("tau1 End to T", "shape", "", tau1, Qt::Key_End, 16);
        row("tau1 PageDown to T", "shape", "tau1=10", tau1, Qt::Key_PageDown, 16);
        row("tau1 PageDown free", "shape", "", tau1, Qt::Key_PageDown, 14);
        row("tau1 End at T", "shape", "T=8,tau1=8", tau1, Qt::Key_End, 8);
        row("tau2 End to tau1", "shape", "", tau2, Qt::Key_End, 4);
        row("tau2 PageDown to tau1", "shape", "", tau2, Qt::Key_PageDown, 4);
        row("tau2 Right to tau1", "shape", "", tau2, Qt::Key_Right, 4);
        row("tau2 Up at tau1", "shape", "tau2=4", tau2, Qt::Key_Up, 4);
        row("tau2 Home free", "shape", "", tau2, Qt::Key_Home, 0);
    }
    void coupledLimits()
    {
        QFETCH(QString, id);
        QFETCH(QString, preset);
        QFETCH(QString, slider);
        QFETCH(int, key);
        QFETCH(int, expected);
        const auto *d = veltarn::catalog::find(id);
        const std::unique_ptr<QWidget> w(&lecture::openWindow(d->make(), *menu));
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        std::vector<veltarn::catalog::Setting> settings;
        for (const QString &pair : preset.split(QLatin1Char(','), Qt::SkipEmptyParts))
            settings.push_back(
                {pair.section(QLatin1Char('='), 0, 0), pair.section(QLatin1Char('='), 1)});
        QCOMPARE(veltarn::catalog::apply(*w, *d, settings), QString());
        auto *s = w->findChild<QSlider *>(slider);
        s->setFocus();
        const int before = s->value();
        const auto others = [&] {
            QList<int> values;
            for (const QSlider *o : w->findChildren<QSlider *>())
                if (o != s)
                    values << o->value();
            return values;
        };
        const QList<int> othersBefore = others();
        QSignalSpy moved(s, &QSlider::valueChanged);
        press(w.get(), Qt::Key(key));
        QCOMPARE(s->value(), expected);
        // One move to the value reached, or none at all: no refused value passes by.
        QCOMPARE(moved.size(), expected == before ? 0 : 1);
        if (!moved.isEmpty())
            QCOMPARE(moved.first().first().toInt(), expected);
        // Only the chosen slider moved, and the live spectrum and the readouts show its value.
        QCOMPARE(others(), othersBefore);
        QCOMPARE(shownParameters(*w), sliderParameters(*w, *d));

        // As a drag sets it, the refused value the key aimed at still snaps back.
        const int aimed = key == Qt::Key_Home  ? s->minimum()
                          : key == Qt::Key_End ? s->maximum()
                                               : -1;
        if (aimed >= 0 && aimed != expected) {
            s->setValue(aimed);
            QCOMPARE(s->value(), expected);
            QCOMPARE(shownParameters(*w), sliderParameters(*w, *d));
        }
    }

    // "Репер" by Home is a step: PageUp after it brings back the window as it was, pixel for
    // pixel, with the harmonic shown alone, the lit lines, the counter and the visible button;
    // two Home presses take two PageUp presses; the mouse's "Репер" is taken back alike.
    void reperIsAStep_data() { synthesisWindows(); }
    void reperIsAStep()
    {
        QFETCH(QString, button);
        const SynthesisWindow s = openSynthesis(button);
        QVERIFY(QTest::qWaitForWindowExposed(s.window));
        for (int i = 0; i < 5; ++i) // two harmonics summed, the third shown alone
            press(s.window, Qt::Key_PageDown);
        QVERIFY(testsupport::settle(*s.func));
        QVERIFY(!s.add->isVisibleTo(s.window));
        const QImage before = picture(s.window);
        press(s.window, Qt::Key_Home);
        QVERIFY(testsupport::settle(*s.func));
        QCOMPARE(s.func->harmonicsSummed(), 0);
        QVERIFY(s.add->isVisibleTo(s.window));
        const QImage cleared = picture(s.window);
        QVERIFY(cleared != before);
        press(s.window, Qt::Key_Home); // a second "Репер" changes nothing, and is a step too
        QVERIFY(testsupport::settle(*s.func));
        press(s.window, Qt::Key_PageUp);
        QVERIFY(testsupport::settle(*s.func));
        QCOMPARE(picture(s.window), cleared);
        press(s.window, Qt::Key_PageUp);
        QVERIFY(testsupport::settle(*s.func));
        QCOMPARE(s.func->harmonicsSummed(), 2);
        QCOMPARE(s.spec->highlightedLines(), 3);
        QVERIFY(picture(s.window) == before);
        // The steps before it are still there to take back.
        press(s.window, Qt::Key_PageUp);
        QVERIFY(testsupport::settle(*s.func));
        QCOMPARE(s.func->harmonicsSummed(), 2);
        QVERIFY(s.add->isVisibleTo(s.window));
        // The click also moves the focus, and its frame, to "Репер": the plots are compared.
        const QImage summed = picture(s.func), lit = picture(s.spec);
        QTest::mouseClick(s.window->findChild<QPushButton *>(QStringLiteral("reper")),
                          Qt::LeftButton);
        QVERIFY(testsupport::settle(*s.func));
        press(s.window, Qt::Key_PageUp);
        QVERIFY(testsupport::settle(*s.func));
        QVERIFY(picture(s.func) == summed && picture(s.spec) == lit);
        QVERIFY(s.add->isVisibleTo(s.window));
    }

    // F5 and Shift+F5 choose the next and the previous slider of a parameter window, round the
    // end, framed for the hall; the page keys then move the slider chosen, so the remote alone
    // reaches every slider.
    void remoteChoosesSliders_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("order"); // the sliders in focus order
        QTest::newRow("pulse-train")
            << "startPeriodicSpectres"
            << QStringList{"periodhorizontalSlider", "lengthhorizontalSlider"};
        QTest::newRow("shape") << "startSignalDependence"
                               << QStringList{"periodSlider", "tau1Slider", "tau2Slider"};
        QTest::newRow("modulation")
            << "startAmplitudeModSignal" << QStringList{"MSlider", "omegaMSlider", "omegaNSlider"};
    }
    void remoteChoosesSliders()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, order);
        QWidget *w = open(button);
        QVERIFY(QTest::qWaitForWindowActive(w));
        const auto chosen = [w] { return w->focusWidget()->objectName(); };
        const auto framed = [w] {
            const auto *ring = w->findChild<lecture::FocusRing *>();
            QWidget *f = w->focusWidget();
            return ring && ring->isVisible() &&
                   ring->geometry().contains(QRect(f->mapTo(w, QPoint()), f->size()));
        };
        QCOMPARE(chosen(), order[0]);
        const auto n = order.size();
        for (int i = 1; i <= n; ++i) {
            press(w, Qt::Key_F5);
            QCOMPARE(chosen(), order[i % n]);
            QTRY_VERIFY(framed());
        }
        for (int i = 1; i <= n + 1; ++i) {
            press(w, Qt::SHIFT | Qt::Key_F5);
            QCOMPARE(chosen(), order[((-i) % n + n) % n]);
            QTRY_VERIFY(framed());
        }
        // Each slider reached by F5 alone answers the page keys.
        for (int i = 0; i < n; ++i) {
            press(w, Qt::Key_F5);
            auto *s = qobject_cast<QSlider *>(w->focusWidget());
            QVERIFY(s);
            press(w, Qt::Key_Home);
            const int low = s->value();
            press(w, Qt::Key_PageDown);
            QVERIFY2(s->value() > low, qPrintable(s->objectName()));
        }
    }

    // A remote that sends F5 and Esc by turns on one button: in a synthesis window F5 starts the
    // steps, Esc ends them and nothing else, and the next Esc returns to the menu; in a parameter
    // window F5 chooses a slider and Esc returns to the menu; elsewhere F5 does nothing.
    // Ctrl+O, in either layout and with the formula line focused, is the workshop's
    // "Открыть…": its own button's click (the file dialog it opens taken off the button, the
    // test platform having no windows for it), and its F1 help says so; in a synthesis window
    // without one it does nothing and is not listed.
    void workshopOpensFiles()
    {
        for (const char *id : {"workshop", "rectangle"}) {
            const std::unique_ptr<QWidget> w(
                &lecture::openWindow(veltarn::catalog::find(id)->make(), *menu));
            QVERIFY(QTest::qWaitForWindowActive(w.get()));
            auto *open = w->findChild<QAbstractButton *>(QStringLiteral("open"));
            int clicks = 0;
            if (open) {
                disconnect(open, &QAbstractButton::clicked, nullptr, nullptr);
                connect(open, &QAbstractButton::clicked, this, [&] { ++clicks; });
            }
            const QKeyCombination keys[] = {Qt::CTRL | Qt::Key_O, Qt::CTRL | Qt::Key(0x0429),
                                            Qt::CTRL | Qt::Key_O};
            for (int i = 0; i < 3; ++i) {
                if (auto *formula = w->findChild<QLineEdit *>(QStringLiteral("formula"));
                    formula && i == 2)
                    formula->setFocus();
                press(w.get(), keys[i]);
            }
            QCOMPARE(clicks, open ? 3 : 0);
            QVERIFY(w->isVisible());
            // F1 lists the key where it acts.
            press(w.get(), Qt::Key_F1);
            QCOMPARE(w->findChild<lecture::Cover *>()->shownText().contains(
                         "Ctrl+O (в любой раскладке) — «Открыть…»: сигнал из таблицы CSV"),
                     bool(open));
            press(w.get(), Qt::Key_F1);
        }
    }

    void remoteF5ThenEsc_data()
    {
        QTest::addColumn<QString>("button");
        for (const auto &m : menuWindows)
            QTest::newRow(m[1]) << m[0];
    }
    void remoteF5ThenEsc()
    {
        QFETCH(QString, button);
        const QPointer<QWidget> w = open(button);
        QVERIFY(QTest::qWaitForWindowActive(w));
        WindowKeys *keys = WindowKeys::of(*w);
        auto *func = w->findChild<synthesisPlot *>(QStringLiteral("Func"));
        QWidget *focused = w->focusWidget();
        press(w, Qt::Key_F5);
        QCOMPARE(keys->isAutoStepping(), bool(keys->kind() & lecture::Synthesis));
        QCOMPARE(w->focusWidget() != focused, keys->kind() == lecture::Parameters);
        press(w, Qt::Key_Escape);
        if (keys->kind() & lecture::Synthesis) {
            QVERIFY(!keys->isAutoStepping() && w->isVisible());
            QCOMPARE(func->harmonicsSummed(), 0);
            press(w, Qt::Key_Escape);
        }
        QTRY_VERIFY(w.isNull());
        QVERIFY(menu->isVisible());
    }

    // On the menu and every window: F11 gives an ordinary window and back; B, "." and their
    // Russian-layout twins black the screen and F1 shows the help of exactly the window's keys,
    // over the focus frame and over all of a window that grows meanwhile, until the next key,
    // which does nothing else; Esc returns to the menu, and on it does nothing.
    void everyWindow_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("MainWindow") << QString();
        for (const auto &m : menuWindows)
            QTest::newRow(m[1]) << m[0];
    }
    void everyWindow()
    {
        QFETCH(QString, button);
        const QPointer<QWidget> twin = button.isEmpty() ? nullptr : open(button);
        QPointer<QWidget> w = button.isEmpty() ? menu.get() : open(button);
        QVERIFY(w && QTest::qWaitForWindowExposed(w));
        QCOMPARE(QLatin1String(w->metaObject()->className()),
                 QLatin1String(QTest::currentDataTag()));
        QVERIFY(!twin || twin->metaObject() == w->metaObject());
        QVERIFY(!w->findChild<lecture::FocusRing *>() && !w->findChild<lecture::Cover *>());
        const QRect screen = w->screen()->geometry();
        QTRY_COMPARE(w->geometry(), screen);
        press(w, Qt::Key_F11);
        QTRY_VERIFY(!w->isFullScreen());
        // An ordinary window: three quarters of the screen, in its middle, never below the
        // layout's minimum.
        QRect ordinary(QPoint(), (screen.size() * 3 / 4).expandedTo(w->minimumSizeHint()));
        ordinary.moveCenter(screen.center());
        QTRY_COMPARE(w->geometry(), ordinary);
        press(w, Qt::Key_F11);
        QTRY_COMPARE(w->geometry(), screen);

        auto *spec = w->findChild<spectrumSteps *>(QStringLiteral("Spec"));
        for (const Qt::Key key :
             {Qt::Key_B, Qt::Key_Period, Qt::Key(0x0418), Qt::Key(0x042E), Qt::Key_F1}) {
            press(w, Qt::Key_Tab); // the focus frame shown first, to be covered
            if (qobject_cast<QLineEdit *>(w->focusWidget()))
                press(w, Qt::Key_Tab);                // a line being typed in takes the letters
            const bool grows = key == Qt::Key_Period; // the window grows under the black screen
            if (grows) {
                w->showNormal();
                QTRY_VERIFY(w->width() < screen.width());
            }
            press(w, key);
            QVERIFY(isCovered(w));
            for (int stage = 0; stage < (grows ? 3 : 1); ++stage) {
                if (stage == 1) { // where it stands
                    const QSize larger = w->size() + QSize(60, 40);
                    w->resize(larger);
                    QTRY_COMPARE(w->size(), larger);
                } else if (stage == 2) { // to the whole screen
                    w->showFullScreen();
                    QTRY_COMPARE(w->geometry(), screen);
                }
                // Black to the last pixel; the help writes on black.
                const QImage shown = picture(w);
                QImage black(shown.size(), shown.format());
                black.fill(Qt::black);
                QCOMPARE(shown == black, key != Qt::Key_F1);
                QCOMPARE(shown.pixelColor(shown.width() - 3, shown.height() - 3),
                         QColor(Qt::black));
            }
            if (key == Qt::Key_B) // a click on the black screen ends it too
                QTest::mouseClick(w->findChild<lecture::Cover *>(), Qt::LeftButton);
            else
                press(w, Qt::Key_PageDown);
            QVERIFY(!isCovered(w));
            if (spec)
                QCOMPARE(spec->highlightedLines(), 0);
        }
        press(w, Qt::Key_F1);
        const QString help = w->findChild<lecture::Cover *>()->shownText() + QLatin1Char('\n');
        for (const lecture::KeyRow &row : lecture::keyTable())
            QVERIFY2(help.contains(QStringLiteral(" — %1\n").arg(row.shownDescription())) ==
                         bool(row.windows & WindowKeys::of(*w)->kind()),
                     qPrintable(row.shownDescription()));
        press(w, Qt::Key_Escape);
        QVERIFY(!isCovered(w) && w->isVisible());
        // Nowhere to go back to from the menu.
        QCOMPARE(help.contains(QStringLiteral("«Главное меню»")), !button.isEmpty());
        if (button.isEmpty())
            return;
        for (QPushButton *b : twin->findChildren<QPushButton *>())
            if (b->text() == QStringLiteral("Главное меню"))
                QTest::mouseClick(b, Qt::LeftButton);
        QTRY_VERIFY(twin.isNull());
        press(menu.get(), Qt::Key_Escape);
        QVERIFY(menu->isVisible() && w->isVisible());
        press(w, Qt::Key_Escape);
        QTRY_VERIFY(w.isNull());
        QVERIFY(menu->isVisible());
    }

    // The help fills the height of the window at every projector's size in the largest text
    // that fits: its last line ends less than a line above the bottom margin, nothing crosses a
    // margin, and a larger screen gets larger text. One line per action, a letter's twin in the
    // Russian layout named by "(в любой раскладке)", never as a key of its own.
    void helpFillsTheHeight_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("MainWindow") << QString();
        QTest::newRow("harmonicTriangle") << "startHarmonicTriangle";
        QTest::newRow("signalDependence") << "startSignalDependence";
    }
    void helpFillsTheHeight()
    {
        QFETCH(QString, button);
        QWidget *w = button.isEmpty() ? menu.get() : open(button);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        w->showNormal();
        int lastText = 0;
        for (const QSize size : {QSize(1024, 768), QSize(1280, 800), QSize(1920, 1080)}) {
            w->resize(size);
            QTRY_COMPARE(w->size(), size);
            press(w, Qt::Key_F1);
            auto *cover = w->findChild<lecture::Cover *>();
            QVERIFY(cover && cover->isVisible());
            QCOMPARE(cover->size(), size);
            // Where the white text stands.
            const QImage shown = cover->grab().toImage();
            QRect text;
            for (int y = 0; y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    if (qGray(shown.pixel(x, y)) > 128)
                        text |= QRect(x, y, 1, 1);
            const QRect area = QRect(QPoint(), size)
                                   .adjusted(size.width() / 20, size.height() / 20,
                                             -size.width() / 20, -size.height() / 20);
            const QString at = QStringLiteral("%1x%2: text %3,%4 %5x%6, size %7")
                                   .arg(size.width())
                                   .arg(size.height())
                                   .arg(text.x())
                                   .arg(text.y())
                                   .arg(text.width())
                                   .arg(text.height())
                                   .arg(cover->textPixelSize());
            QVERIFY2(area.adjusted(-1, -1, 1, 1).contains(text), qPrintable(at));
            QVERIFY2(text.bottom() > area.bottom() - cover->textPixelSize(), qPrintable(at));
            QVERIFY2(text.top() < area.top() + cover->textPixelSize(), qPrintable(at));
            QVERIFY2(cover->textPixelSize() > lastText, qPrintable(at));
            lastText = cover->textPixelSize();
            press(w, Qt::Key_F1); // ends it
            QVERIFY(!cover->isVisible());
        }
        press(w, Qt::Key_F1);
        const QStringList lines =
            w->findChild<lecture::Cover *>()->shownText().split(QLatin1Char('\n'));
        const lecture::Window kind = WindowKeys::of(*w)->kind();
        int rows = 0;
        for (const lecture::KeyRow &row : lecture::keyTable())
            rows += (row.windows & kind) ? 1 : 0;
        QCOMPARE(lines.size(), 1 + rows); // the title, then one line per action
        static const QRegularExpression russian(QStringLiteral("[А-Яа-яЁё]"));
        for (const QString &line : lines.mid(1)) {
            const QString keys = line.section(QStringLiteral(" — "), 0, 0);
            QVERIFY2(
                !QString(keys).remove(QStringLiteral(" (в любой раскладке)")).contains(russian),
                qPrintable(line));
        }
        QCOMPARE(
            lines.contains(QStringLiteral("Ctrl+C (в любой раскладке) — скопировать рисунок окна")),
            kind != lecture::Menu);
        QVERIFY(lines.contains(QStringLiteral("B, . (в любой раскладке) — чёрный экран до "
                                              "следующей клавиши")));
    }

    // Ctrl+S (twice, the first notice still up), Ctrl+C and Ctrl+Shift+S in either layout: the
    // pictures saved, named by the window's state and in the notice, and the one copied are the
    // window as shown without the focus frame or the notice; the sound clip is named the same
    // way.
    // A pictures folder that cannot be made: a notice, for a while, and no file.
    void figureAndSoundKeys_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("russian");
        QTest::addColumn<QString>("stem");
        const char *const stems[] = {
            "rectangle_harmonics=0_", "pulse-train_T=13_tau=3_",
            "triangle_harmonics=0_",  "shape_T=15_tau1=4_tau2=3_",
            "trapezoid_harmonics=0_", "modulation_m=0.49_omega=0.75_Omega=7.50_"};
        for (int i = 0; i < 6; ++i)
            QTest::newRow(menuWindows[i][1]) << menuWindows[i][0] << bool(i % 2) << stems[i];
        QTest::newRow("folder refused") << menuWindows[0][0] << false << QString();
    }
    void figureAndSoundKeys()
    {
        QFETCH(QString, button);
        QFETCH(bool, russian);
        QFETCH(QString, stem);
        const Qt::Key s = russian ? Qt::Key(0x042B) : Qt::Key_S,
                      c = russian ? Qt::Key(0x0421) : Qt::Key_C;
        QTemporaryDir home;
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
        const QString folder = home.filePath(QStringLiteral("Pictures/Вельтарн"));
        const QString music = home.filePath(QStringLiteral("Music/Вельтарн"));
        if (stem.isEmpty()) // files stand where the folders should be
            for (const QString &blocked : {folder, music})
                QVERIFY(QDir().mkpath(QFileInfo(blocked).path()) &&
                        QFile(blocked).open(QIODevice::WriteOnly));
        QWidget *w = open(button);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        press(w, Qt::Key_Down);
        auto *ring = w->findChild<lecture::FocusRing *>();
        QVERIFY(ring && ring->isVisible());
        press(w, Qt::CTRL | s);
        press(w, Qt::CTRL | s);
        const QPointer<QLabel> notice = w->findChild<QLabel *>(QLatin1String(veltarn::noticeName));
        QVERIFY(notice && notice->isVisible() && notice->geometry().bottom() < w->height());
        const QString saved = notice->text();
        const auto noticeAfter = [w](QKeyCombination key) {
            press(w, key);
            return w->findChild<QLabel *>(QLatin1String(veltarn::noticeName))->text();
        };
        if (stem.isEmpty()) {
            QVERIFY(saved.contains(QStringLiteral("Рисунок не сохранён")) &&
                    noticeAfter(Qt::CTRL | Qt::SHIFT | s).contains("Звук не сохранён") &&
                    QFileInfo(folder).size() == 0 && QFileInfo(music).size() == 0);
            QTRY_VERIFY_WITH_TIMEOUT(!w->findChild<QLabel *>(QLatin1String(veltarn::noticeName)),
                                     veltarn::noticeDuration + 2000);
            return;
        }
        press(w, Qt::CTRL | c);
        const QString heard = noticeAfter(Qt::CTRL | Qt::SHIFT | s);
        QVERIFY(ring->isVisible());
        delete w->findChild<QLabel *>(QLatin1String(veltarn::noticeName));
        ring->hide();
        const QImage shown = picture(w);
        const QDir pictures(folder);
        const QStringList files = pictures.entryList(QDir::Files, QDir::Name);
        QCOMPARE(files.size(), 4);
        for (const QString &file : files) {
            QVERIFY2(file.startsWith(stem) && (file.endsWith(".png") || file.endsWith(".svg")),
                     qPrintable(file));
            if (file.endsWith(".png"))
                QCOMPARE(QImage(pictures.filePath(file)).convertToFormat(shown.format()), shown);
        }
        QVERIFY2(saved.contains(files[2]) && saved.contains(files[3]), qPrintable(saved));
        // Saved twice within a second, the second pair of files is numbered 2.
        const QString first = files[0].chopped(4);
        QVERIFY2(!files[2].startsWith(first) || files[2] == first + "_2.png", qPrintable(files[2]));
        QCOMPARE(QApplication::clipboard()->image().convertToFormat(shown.format()), shown);
        // Three seconds of the window's sound, named as the pictures are and in the notice.
        const QFileInfoList clips = QDir(music).entryInfoList({"*.wav"});
        QVERIFY(clips.size() == 1 && clips[0].size() == 44 + 2 * 3 * 48000);
        const QRegularExpression named(QRegularExpression::escape(stem) +
                                       "\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d\\.wav");
        QVERIFY2(named.match(clips[0].fileName()).hasMatch(), qPrintable(clips[0].fileName()));
        QVERIFY2(heard.contains(clips[0].fileName()), qPrintable(heard));
    }

    // Digits open the demonstrations in reading order; ↑ and ↓ move a visible focus to the
    // button above and below; Return, Enter and F5 open the focused one.
    void menuKeys()
    {
        for (int i = 0; i < 7; ++i) { // from the keypad every other time
            press(menu.get(),
                  (i % 2 ? Qt::KeypadModifier : Qt::NoModifier) | Qt::Key(Qt::Key_1 + i));
            QCOMPARE(opened(), menuWindows[i][1]);
            qDeleteAll(windowsBesides(*menu));
        }
        const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down,
                                Qt::Key_Down, Qt::Key_Down, Qt::Key_Up};
        const QStringList reached = QStringLiteral("startHarmonicRectangle startHarmonicTriangle "
                                                   "startHarmonicTrapeze Author Author "
                                                   "startHarmonicTrapeze")
                                        .split(QLatin1Char(' '));
        menu->findChild<QLabel *>(QStringLiteral("label_5"))->setFocus();
        for (int i = 0; i < 6; ++i) {
            press(menu.get(), keys[i]);
            QCOMPARE(menu->focusWidget()->objectName(), reached[i]);
            QVERIFY(menuFocusFramed());
        }
        press(menu.get(), Qt::Key_Return);
        QCOMPARE(opened(), "harmonicTrapeze");
        qDeleteAll(windowsBesides(*menu));
        press(menu.get(), Qt::KeypadModifier | Qt::Key_Enter);
        QCOMPARE(opened(), "harmonicTrapeze");
        qDeleteAll(windowsBesides(*menu));
        press(menu.get(), Qt::Key_F5);
        QCOMPARE(opened(), "harmonicTrapeze");
    }

    // The remote alone, PageDown, PageUp, F5 and Esc, opens every demonstration: PageDown and →
    // walk them in reading order, PageUp and ← back, round the ends, the focus framed; F5 opens
    // the focused one and Esc comes back to the menu, where the walk goes on.
    void remoteOnMenu()
    {
        const auto focused = [this] { return menu->focusWidget()->objectName(); };
        constexpr int n = int(std::size(menuWindows)) - 1; // the demonstrations, "Автор" aside
        // From a button that is no demonstration, forward lands on the first, back on the last.
        menu->findChild<QPushButton *>(QStringLiteral("Author"))->setFocus();
        press(menu.get(), Qt::Key_PageDown);
        QCOMPARE(focused(), menuWindows[0][0]);
        menu->findChild<QPushButton *>(QStringLiteral("Author"))->setFocus();
        press(menu.get(), Qt::Key_Left);
        QCOMPARE(focused(), menuWindows[n - 1][0]);
        for (int i = 0; i < n; ++i) { // on round the end to the first again
            press(menu.get(), i % 2 ? Qt::Key_Right : Qt::Key_PageDown);
            QCOMPARE(focused(), menuWindows[i][0]);
            QVERIFY(menuFocusFramed());
        }
        for (int i = n - 1; i >= 0; --i) { // and back round the start to the last
            press(menu.get(), i % 2 ? Qt::Key_Left : Qt::Key_PageUp);
            QCOMPARE(focused(), menuWindows[(i + n - 1) % n][0]);
        }
        QCOMPARE(focused(), menuWindows[n - 1][0]);
        for (int i = 0; i < n; ++i) {
            press(menu.get(), Qt::Key_PageDown);
            QCOMPARE(focused(), menuWindows[i][0]);
            press(menu.get(), Qt::Key_F5);
            const QPointer<QWidget> w = windowsBesides(*menu).value(0);
            QVERIFY(w && QTest::qWaitForWindowActive(w));
            QCOMPARE(opened(), menuWindows[i][1]);
            press(w, Qt::Key_Escape);
            QTRY_VERIFY(w.isNull());
        }
    }

private:
    // The windows built harmonic by harmonic, with the most harmonics each sums.
    static void synthesisWindows()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("limit");
        for (const char *b :
             {"startHarmonicRectangle", "startHarmonicTriangle", "startHarmonicTrapeze"})
            QTest::newRow(b) << b << 20;
        QTest::newRow("startWorkshop") << "startWorkshop" << 50;
    }

    // A synthesis window opened from the menu, with its plots and "Добавить гармонику".
    struct SynthesisWindow {
        QWidget *window;
        synthesisPlot *func;
        spectrumSteps *spec;
        QPushButton *add;
    };
    SynthesisWindow openSynthesis(const QString &button)
    {
        QWidget *w = open(button);
        return {w, w->findChild<synthesisPlot *>(QStringLiteral("Func")),
                w->findChild<spectrumSteps *>(QStringLiteral("Spec")),
                w->findChild<QPushButton *>(QStringLiteral("addHarmonic"))};
    }

    // The one window open besides the menu, by class name, or "".
    QByteArray opened() const
    {
        const QWidgetList windows = windowsBesides(*menu);
        return windows.size() == 1 ? windows.first()->metaObject()->className() : "";
    }

    bool menuFocusFramed() const
    {
        QWidget *focus = menu->focusWidget();
        const auto *ring = menu->findChild<lecture::FocusRing *>();
        return ring && ring->isVisible() &&
               ring->geometry().contains(QRect(focus->mapTo(menu.get(), QPoint()), focus->size()));
    }
};

VELTARN_TEST_MAIN(TestLecture)
#include "test_lecture.moc"
