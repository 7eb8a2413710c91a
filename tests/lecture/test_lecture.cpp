#include "app/fullscreen.h"
#include "app/mainwindow.h"
#include "figures/figures.h"
#include "harmonics/synthesisplot.h"
#include "harmonics/synthesisspectrum.h"
#include "lecture/keytable.h"
#include "lecture/overlays.h"
#include "lecture/windowkeys.h"
#include "testsupport.h"

#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QStyleOptionButton>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>

using lecture::WindowKeys;

namespace
{

using testsupport::menuWindows;

QWidgetList windowsBesides(const QWidget &menu)
{
    QWidgetList found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w != &menu && w->isVisible())
            found << w;
    return found;
}

// A key as the remote or the keyboard sends it: to whatever has the focus in the window. The
// Russian layout's letters come with their text, as the platform gives them.
void press(QWidget *window, QKeyCombination key)
{
    QWidget *focus = window->focusWidget() ? window->focusWidget() : window;
    const QString text =
        key.key() >= 0x0400 && key.key() < 0x0500 ? QString(QChar(key.key())).toLower() : QString();
    QTest::sendKeyEvent(QTest::Click, focus, key.key(), text, key.keyboardModifiers());
}

QImage picture(QWidget *w)
{
    return w->grab().toImage();
}

// The screens of tests/lecture/screens.json: "own" 1920×1080, "xga" 1024×768, "wxga" 1280×800
// and "uhd" 3840×2160 at 200 %.
QScreen *screenNamed(const QString &name)
{
    for (QScreen *s : QGuiApplication::screens())
        if (s->name() == name)
            return s;
    return nullptr;
}

bool isCovered(QWidget *window)
{
    const auto *cover = window->findChild<lecture::Cover *>();
    return cover && cover->isVisible();
}

// Width and height a text needs in a label, or in a button less the style's frame and margins.
QString cutText(QWidget *w)
{
    QString text;
    QRect room;
    if (auto *label = qobject_cast<QLabel *>(w)) {
        text = label->text();
        room = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                              -label->margin());
    } else if (auto *button = qobject_cast<QPushButton *>(w)) {
        text = button->text();
        QStyleOptionButton opt;
        opt.initFrom(button);
        opt.features = button->autoDefault() ? QStyleOptionButton::AutoDefaultButton
                                             : QStyleOptionButton::None;
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, &opt, button);
        room = button->style()
                   ->subElementRect(QStyle::SE_PushButtonContents, &opt, button)
                   .adjusted(margin / 2, 0, -margin / 2, 0);
    }
    if (text.isEmpty())
        return QString();
    const QSize needed = w->fontMetrics().boundingRect(QRect(0, 0, 100000, 100000), 0, text).size();
    if (needed.width() <= room.width() && needed.height() <= room.height())
        return QString();
    return QStringLiteral("%1 «%2» needs %3×%4, has %5×%6")
        .arg(w->objectName(), text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

} // namespace

class TestLecture : public QObject
{
    Q_OBJECT

    std::unique_ptr<MainWindow> menu;

    QWidget *open(const QString &button)
    {
        return testsupport::openFromMenu(*menu, qPrintable(button));
    }

    static void synthesisRows()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("rectangular") << "startHarmonicRectangle";
        QTest::newRow("triangular") << "startHarmonicTriangle";
        QTest::newRow("trapezoidal") << "startHarmonicTrapeze";
    }

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
    // counter, the lit lines, the visible button and, going back, the earlier pictures.
    void synthesisSteps_data() { synthesisRows(); }
    void synthesisSteps()
    {
        QFETCH(QString, button);
        QWidget *w = open(button);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        QTRY_COMPARE(w->geometry(), w->screen()->geometry());
        auto *func = w->findChild<synthesisPlot *>(QStringLiteral("Func"));
        auto *spec = w->findChild<synthesisSpectrum *>(QStringLiteral("Spec"));
        auto *add = w->findChild<QPushButton *>(QStringLiteral("addHarmonic"));
        auto *counter = w->findChild<QLabel *>(QStringLiteral("label_6"));
        w->findChild<QPushButton *>(QStringLiteral("reper"))->setFocus();
        press(w, Qt::Key_PageUp); // nothing to undo at the start
        // At each step: (summed, lit lines, "Добавить гармонику" shown).
        const int expected[][3] = {{0, 0, 1}, {0, 1, 0}, {1, 1, 1},
                                   {1, 2, 0}, {2, 2, 1}, {2, 3, 0}};
        QList<QImage> funcs, specs;
        const auto verifyStep = [&](int i) {
            QVERIFY(testsupport::settle(*func));
            QCOMPARE(func->harmonicsSummed(), expected[i][0]);
            QCOMPARE(counter->text(), QString::number(expected[i][0]));
            QCOMPARE(spec->highlightedLines(), expected[i][1]);
            QCOMPARE(add->isVisibleTo(w), bool(expected[i][2]));
        };
        for (int i = 0; i < 6; ++i) {
            if (i)
                press(w, i % 2 ? Qt::Key_PageDown : Qt::Key_Right);
            verifyStep(i);
            if (QTest::currentTestFailed())
                return;
            funcs << picture(func);
            specs << picture(spec);
        }
        QVERIFY(funcs[2] != funcs[1] && funcs[3] != funcs[2]); // the steps do change the picture
        for (int i = 4; i >= 0; --i) {
            press(w, i % 2 ? Qt::Key_PageUp : Qt::Key_Left);
            if (i == 3) // the first harmonic leaves the sum gliding, as it came
                QVERIFY(func->isAnimating());
            verifyStep(i);
            if (QTest::currentTestFailed())
                return;
            QVERIFY2(picture(func) == funcs[i],
                     qPrintable(QStringLiteral("signal, step %1").arg(i)));
            QVERIFY2(picture(spec) == specs[i],
                     qPrintable(QStringLiteral("spectrum, step %1").arg(i)));
        }
        press(w, Qt::Key_Left);
        QCOMPARE(func->harmonicsSummed(), 0);
        QCOMPARE(picture(func), funcs[0]);

        // Back across a width that changes the number of samples: every curve as long as the
        // plot's samples, the sum flat on the axis.
        const int samples = func->sampleCount();
        for (int i = 0; i < 4; ++i)
            press(w, Qt::Key_PageDown);
        func->resize(4000, 300);
        QVERIFY(func->sampleCount() > samples);
        for (int i = 0; i < 4; ++i) {
            press(w, Qt::Key_PageUp);
            picture(func);
        }
        QVERIFY(testsupport::settle(*func));
        QCOMPARE(func->harmonicsSummed(), 0);
        QVERIFY(!func->displayedHarmonic());
        QCOMPARE(int(func->displayedSum().size()), func->sampleCount());
        QVERIFY(std::all_of(func->displayedSum().begin(), func->displayedSum().end(),
                            [](double v) { return v == 0.0; }));
    }

    // F5 steps on its own to twenty harmonics; any key stops it and does nothing else; nothing
    // passes twenty; Home is "Репер".
    void autoStepping_data() { synthesisRows(); }
    void autoStepping()
    {
        QFETCH(QString, button);
        QWidget *w = open(button);
        auto *func = w->findChild<synthesisPlot *>(QStringLiteral("Func"));
        WindowKeys *keys = WindowKeys::of(*w);
        keys->setAutoStepPause(1);
        press(w, Qt::Key_F5);
        QTRY_COMPARE_WITH_TIMEOUT(func->harmonicsSummed(), 3, 20000);
        press(w, Qt::Key_PageDown); // stops, and is not a step of its own
        const int stoppedAt = func->harmonicsSummed();
        const auto *lit = w->findChild<synthesisSpectrum *>(QStringLiteral("Spec"));
        const int litBefore = lit->highlightedLines();
        QVERIFY(!keys->isAutoStepping());
        QTest::qWait(300);
        QCOMPARE(func->harmonicsSummed(), stoppedAt);
        QCOMPARE(lit->highlightedLines(), litBefore);
        press(w, Qt::SHIFT | Qt::Key_F5);
        QTRY_COMPARE_WITH_TIMEOUT(func->harmonicsSummed(), 20, 60000);
        QTRY_VERIFY(!keys->isAutoStepping());
        press(w, Qt::Key_F5);
        press(w, Qt::Key_F5);
        QVERIFY(!keys->isAutoStepping());
        auto *spec = w->findChild<synthesisSpectrum *>(QStringLiteral("Spec"));
        for (int i = 0; i < 3; ++i)
            press(w, Qt::Key_PageDown);
        QCOMPARE(func->harmonicsSummed(), 20);
        QCOMPARE(spec->highlightedLines(), 20);
        QVERIFY(w->findChild<QPushButton *>(QStringLiteral("addHarmonic"))->isVisibleTo(w));
        press(w, Qt::Key_Home);
        QCOMPARE(func->harmonicsSummed(), 0);
        QCOMPARE(spec->highlightedLines(), 0);
        QCOMPARE(w->findChild<QLabel *>(QStringLiteral("label_6"))->text(), QStringLiteral("0"));
    }

    // The remote's next and previous move the focused slider by its page step, up and down by
    // one, Home and End to the ends, wherever the focus is; refused values snap back.
    void sliders_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("slider");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("value");
        const struct {
            const char *name, *button, *slider;
            int key, value;
        } rows[] = {
            {"T next", "startPeriodicSpectres", "periodhorizontalSlider", Qt::Key_PageDown, 15},
            {"T end", "startPeriodicSpectres", "periodhorizontalSlider", Qt::Key_End, 25},
            {"T home refused", "startPeriodicSpectres", "periodhorizontalSlider", Qt::Key_Home, 14},
            {"τ end refused", "startPeriodicSpectres", "lengthhorizontalSlider", Qt::Key_End, 3},
            {"τ up", "startPeriodicSpectres", "lengthhorizontalSlider", Qt::Key_Up, 4},
            {"shape T previous", "startSignalDependence", "periodSlider", Qt::Key_PageUp, 6},
            {"τ1 previous refused", "startSignalDependence", "tau1Slider", Qt::Key_PageUp, 4},
            {"τ2 next refused", "startSignalDependence", "tau2Slider", Qt::Key_PageDown, 3},
            {"τ2 down", "startSignalDependence", "tau2Slider", Qt::Key_Down, 2},
            {"Ω previous", "startAmplitudeModSignal", "omegaMSlider", Qt::Key_Left, 55},
            {"ω next", "startAmplitudeModSignal", "omegaNSlider", Qt::Key_Right, 790},
            {"ω home", "startAmplitudeModSignal", "omegaNSlider", Qt::Key_Home, 500},
        };
        for (const auto &r : rows)
            QTest::newRow(r.name) << r.button << r.slider << r.key << r.value;
    }
    void sliders()
    {
        QFETCH(QString, button);
        QFETCH(QString, slider);
        QFETCH(int, key);
        QFETCH(int, value);
        QWidget *w = open(button);
        QVERIFY(QTest::qWaitForWindowActive(w));
        // The first slider has the focus from the start.
        QWidget *first = w;
        do
            first = first->nextInFocusChain();
        while (!qobject_cast<QSlider *>(first));
        QCOMPARE(w->focusWidget(), first);
        auto *s = w->findChild<QSlider *>(slider);
        while (w->focusWidget() != s)
            press(w, Qt::Key_Tab);
        // Focus on a button of the window afterwards: the keys still move the slider last chosen.
        w->findChild<QPushButton *>(QStringLiteral("pushButton"))->setFocus();
        press(w, Qt::Key(key));
        QCOMPARE(s->value(), value);
        QCOMPARE(w->focusWidget(), s);
        const auto *ring = w->findChild<lecture::FocusRing *>();
        QTRY_VERIFY(ring && ring->isVisible());
        QTRY_VERIFY(ring->geometry().contains(QRect(s->mapTo(w, QPoint()), s->size())));
    }

    // Esc returns from every window to the menu and does nothing on the menu; F11 gives an
    // ordinary window and back; B, "." and their Russian-layout twins black the screen and F1
    // shows the help, until the next key, which does nothing else.
    void everyWindow_data()
    {
        QTest::addColumn<QString>("button");
        for (const auto &m : menuWindows)
            QTest::newRow(m[1]) << m[0];
    }
    void everyWindow()
    {
        QFETCH(QString, button);
        QPointer<QWidget> w = open(button);
        QVERIFY(w && QTest::qWaitForWindowExposed(w));
        // Until a key is pressed nothing is added to the window.
        QVERIFY(!w->findChild<lecture::FocusRing *>() && !w->findChild<lecture::Cover *>());
        const QRect screen = w->screen()->geometry();
        QTRY_COMPARE(w->geometry(), screen);
        press(w, Qt::Key_F11);
        QTRY_VERIFY(!w->isFullScreen());
        QVERIFY(w->width() < screen.width() && w->width() >= w->minimumWidth());
        press(w, Qt::Key_F11);
        QTRY_COMPARE(w->geometry(), screen);

        auto *spec = w->findChild<synthesisSpectrum *>(QStringLiteral("Spec"));
        for (const Qt::Key key :
             {Qt::Key_B, Qt::Key_Period, Qt::Key(0x0418), Qt::Key(0x042E), Qt::Key_F1}) {
            press(w, key);
            QVERIFY(isCovered(w));
            const QImage shown = picture(w);
            QCOMPARE(shown.pixelColor(shown.width() - 3, shown.height() - 3), QColor(Qt::black));
            press(w, Qt::Key_PageDown);
            QVERIFY(!isCovered(w));
            if (spec)
                QCOMPARE(spec->highlightedLines(), 0);
        }
        press(w, Qt::Key_F1);
        const QString help = w->findChild<lecture::Cover *>()->shownText();
        const unsigned kind = WindowKeys::of(*w)->kind();
        const QStringList lines = help.split(QLatin1Char('\n'));
        for (const lecture::KeyRow &row : lecture::keyTable()) {
            const bool listed = std::any_of(lines.begin(), lines.end(), [&](const QString &line) {
                return line.endsWith(QStringLiteral(" — ") + row.description);
            });
            QVERIFY2(listed == bool(row.windows & kind), qPrintable(row.description));
        }
        press(w, Qt::Key_Escape);
        QVERIFY(!isCovered(w) && w->isVisible());

        press(menu.get(), Qt::Key_Escape);
        QVERIFY(menu->isVisible() && w->isVisible());
        press(w, Qt::Key_Escape);
        QTRY_VERIFY(w.isNull());
        QVERIFY(menu->isVisible());
    }

    // Ctrl+S, Ctrl+C and Ctrl+Shift+S in either layout: the picture saved and copied is the
    // window as shown without the focus frame or the notice; the sound clip lands beside it.
    void figureAndSoundKeys_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<Qt::Key>("s");
        QTest::addColumn<Qt::Key>("c");
        for (int i = 0; i < 6; ++i) {
            const bool russian = i % 2;
            QTest::newRow(menuWindows[i][1])
                << menuWindows[i][0] << (russian ? Qt::Key(0x042B) : Qt::Key_S)
                << (russian ? Qt::Key(0x0421) : Qt::Key_C);
        }
    }
    void figureAndSoundKeys()
    {
        QFETCH(QString, button);
        QFETCH(Qt::Key, s);
        QFETCH(Qt::Key, c);
        QTemporaryDir home;
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
        QWidget *w = open(button);
        QVERIFY(QTest::qWaitForWindowExposed(w));
        press(w, Qt::Key_Down);
        auto *ring = w->findChild<lecture::FocusRing *>();
        QVERIFY(ring && ring->isVisible());

        press(w, Qt::CTRL | s);
        press(w, Qt::CTRL | c);
        press(w, Qt::CTRL | Qt::SHIFT | s);
        QVERIFY(ring->isVisible());
        delete w->findChild<QLabel *>(QLatin1String(veltarn::figures::noticeName));
        ring->hide();
        const QImage shown = picture(w);
        ring->show();

        const QDir pictures(home.filePath(QStringLiteral("Pictures/Вельтарн")));
        const QStringList png = pictures.entryList({QStringLiteral("*.png")});
        QCOMPARE(png.size(), 1);
        QCOMPARE(pictures.entryList({QStringLiteral("*.svg")}).size(), 1);
        QCOMPARE(QImage(pictures.filePath(png.first())).convertToFormat(shown.format()), shown);
        QCOMPARE(QApplication::clipboard()->image().convertToFormat(shown.format()), shown);
        const QDir music(home.filePath(QStringLiteral("Music/Вельтарн")));
        QCOMPARE(music.entryList({QStringLiteral("*.wav")}).size(), 1);
    }

    // Digits open the demonstrations in reading order; arrows move a visible focus over the
    // buttons and Enter opens the focused one.
    void menuKeys()
    {
        for (int i = 0; i < 6; ++i) {
            press(menu.get(), Qt::Key(Qt::Key_1 + i));
            const QWidgetList opened = windowsBesides(*menu);
            QCOMPARE(opened.size(), 1);
            QCOMPARE(QLatin1String(opened.first()->metaObject()->className()),
                     QLatin1String(menuWindows[i][1]));
            opened.first()->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const std::pair<Qt::Key, const char *> path[] = {{Qt::Key_Down, "startHarmonicRectangle"},
                                                         {Qt::Key_Right, "startPeriodicSpectres"},
                                                         {Qt::Key_Down, "startSignalDependence"},
                                                         {Qt::Key_Left, "startHarmonicTriangle"},
                                                         {Qt::Key_Down, "startHarmonicTrapeze"},
                                                         {Qt::Key_Down, "Author"},
                                                         {Qt::Key_Down, "Author"},
                                                         {Qt::Key_Up, "startHarmonicTrapeze"}};
        menu->findChild<QLabel *>(QStringLiteral("label_5"))->setFocus();
        for (const auto &[key, reached] : path) {
            press(menu.get(), key);
            QCOMPARE(menu->focusWidget()->objectName(), QLatin1String(reached));
            const auto *ring = menu->findChild<lecture::FocusRing *>();
            QVERIFY(ring && ring->isVisible());
            QVERIFY(ring->geometry().contains(menu->focusWidget()->geometry().translated(
                menu->focusWidget()->parentWidget()->mapTo(menu.get(), QPoint()))));
        }
        press(menu.get(), Qt::Key_Return);
        const QWidgetList opened = windowsBesides(*menu);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(QLatin1String(opened.first()->metaObject()->className()),
                 QLatin1String("harmonicTrapeze"));
    }

    // With the menu on any screen every window opens full screen there, and every label's and
    // button's text fits its widget.
    void textsFit_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("button");
        for (const char *s : {"own", "xga", "wxga", "uhd"}) {
            QTest::addRow("%s menu", s) << s << QString();
            for (const auto &m : menuWindows)
                QTest::addRow("%s %s", s, m[1]) << s << QString(m[0]);
        }
    }
    void textsFit()
    {
        QFETCH(QString, screen);
        QFETCH(QString, button);
        QScreen *on = screenNamed(screen);
        QVERIFY(on && QGuiApplication::screens().size() == 4);
        QCOMPARE(on->devicePixelRatio(), screen == QLatin1String("uhd") ? 2.0 : 1.0);
        veltarn::showFullScreen(*menu, on);
        QTRY_COMPARE(menu->geometry(), on->geometry());
        QWidget *w = button.isEmpty() ? menu.get() : open(button);
        QVERIFY(w->isFullScreen() && w->screen() == on);
        QTRY_COMPARE(w->geometry(), on->geometry());
        QStringList cut;
        for (QWidget *child : w->findChildren<QWidget *>())
            if (const QString c = cutText(child); !c.isEmpty())
                cut << c;
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    }
};

VELTARN_TEST_MAIN(TestLecture)
#include "test_lecture.moc"
