#include "app/mainwindow.h"
#include "figures/figures.h"
#include "harmonics/spectrumsteps.h"
#include "harmonics/synthesisplot.h"
#include "lecture/keytable.h"
#include "lecture/overlays.h"
#include "lecture/windowkeys.h"
#include "testsupport.h"
#include "windowing/notice.h"
#include "windowing/placement.h"

#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
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
    void synthesisSteps_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("limit");
        for (const char *b :
             {"startHarmonicRectangle", "startHarmonicTriangle", "startHarmonicTrapeze"})
            QTest::newRow(b) << b << 20;
        QTest::newRow("startWorkshop") << "startWorkshop" << 50;
    }
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
    // one, Home and End to the ends, wherever the focus is; refused values snap back.
    void sliders()
    {
        const std::tuple<const char *, const char *, Qt::Key, int> rows[] = {
            {"startPeriodicSpectres", "periodhorizontalSlider", Qt::Key_PageDown, 15},
            {"startPeriodicSpectres", "periodhorizontalSlider", Qt::Key_End, 25},
            {"startPeriodicSpectres", "periodhorizontalSlider", Qt::Key_Home, 14},
            {"startPeriodicSpectres", "lengthhorizontalSlider", Qt::Key_End, 3},
            {"startAmplitudeModSignal", "MSlider", Qt::Key_Up, 51},
            {"startSignalDependence", "periodSlider", Qt::Key_PageUp, 6},
            {"startSignalDependence", "tau1Slider", Qt::Key_PageUp, 4},
            {"startSignalDependence", "tau2Slider", Qt::Key_PageDown, 3},
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
            QVERIFY2(help.contains(QStringLiteral(" — %1\n").arg(row.description)) ==
                         bool(row.windows & WindowKeys::of(*w)->kind()),
                     qPrintable(row.description));
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

    // Ctrl+S (twice, the first notice still up), Ctrl+C and Ctrl+Shift+S in either layout: the
    // pictures saved, named by the window's state and in the notice, and the one copied are the
    // window as shown without the focus frame or the notice; the sound clip lands beside them.
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
        // Three seconds of the window's sound, named in the notice.
        const QFileInfoList clips = QDir(music).entryInfoList({"*.wav"});
        QVERIFY(clips.size() == 1 && clips[0].size() == 44 + 2 * 3 * 48000);
        QVERIFY2(heard.contains(clips[0].fileName()), qPrintable(heard));
    }

    // Digits open the demonstrations in reading order; arrows move a visible focus over the
    // buttons and Return or Enter opens the focused one.
    void menuKeys()
    {
        const auto opened = [this] {
            const QWidgetList windows = windowsBesides(*menu);
            return windows.size() == 1 ? windows.first()->metaObject()->className() : "";
        };
        for (int i = 0; i < 7; ++i) { // from the keypad every other time
            press(menu.get(),
                  (i % 2 ? Qt::KeypadModifier : Qt::NoModifier) | Qt::Key(Qt::Key_1 + i));
            QCOMPARE(opened(), menuWindows[i][1]);
            qDeleteAll(windowsBesides(*menu));
        }
        // "Свой сигнал" lies nearer to the left of the right column than its left twin.
        const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Right, Qt::Key_Down, Qt::Key_Left,
                                Qt::Key_Left, Qt::Key_Down,  Qt::Key_Up};
        const QStringList reached =
            QStringLiteral("startHarmonicRectangle startPeriodicSpectres "
                           "startSignalDependence startWorkshop Author Author "
                           "startHarmonicTrapeze")
                .split(QLatin1Char(' '));
        menu->findChild<QLabel *>(QStringLiteral("label_5"))->setFocus();
        for (int i = 0; i < int(std::size(keys)); ++i) {
            press(menu.get(), keys[i]);
            QWidget *focus = menu->focusWidget();
            QCOMPARE(focus->objectName(), reached[i]);
            const auto *ring = menu->findChild<lecture::FocusRing *>();
            QVERIFY(ring && ring->isVisible() &&
                    ring->geometry().contains(
                        QRect(focus->mapTo(menu.get(), QPoint()), focus->size())));
        }
        press(menu.get(), Qt::Key_Return);
        QCOMPARE(opened(), "harmonicTrapeze");
        qDeleteAll(windowsBesides(*menu));
        press(menu.get(), Qt::KeypadModifier | Qt::Key_Enter);
        QCOMPARE(opened(), "harmonicTrapeze");
    }
};

VELTARN_TEST_MAIN(TestLecture)
#include "test_lecture.moc"
