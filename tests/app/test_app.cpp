#include "app/author.h"
#include "app/fullscreen.h"
#include "app/mainwindow.h"
#include "modulation/amplitudemodulatedsignal.h"
#include "pulsetrain/periodicsignaldependences.h"
#include "shape/signaldependence.h"
#include "testsupport.h"

#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QtEndian>

#include <memory>

namespace
{

const QRect screenRect(0, 0, 1920, 1080);
const QStringList screenArguments = {QStringLiteral("-platform"),
                                     QStringLiteral("offscreen:configfile=" VELTARN_TEST_SCREEN)};
// Every form text: object name in the main menu, in the author window (null: absent), text.
const char *const formTexts[][3] = {
    {"label_2", "label_2", "Факультет ТЕРН"},
    {"label", "label_3", "Арвелин\n Компьютерные демонстрации\nпо курсу лекций\nВЕЛЛОРАН"},
    {"label_3", "label_4", "Физический факультет"},
    {"label_5", "label_6", "Вельтарн"},
    {"startHarmonicRectangle", nullptr, "Формирование прямоугольного сигнала.\nОсцилляции Гиббса"},
    {"startPeriodicSpectres", nullptr, "Спектр периодического сигнала"},
    {"startHarmonicTriangle", nullptr, "Формирование треугольного сигнала \nиз гармоник спектра"},
    {"startSignalDependence", nullptr, "Влияние формы периодического\nсигнала его спектр"},
    {"startHarmonicTrapeze", nullptr, "Формирование трапециевидного \nсигнала из гармоник спектра"},
    {"startAmplitudeModSignal", nullptr, "Амплитудно-модулированный сигнал"},
    {"Author", "label_9", "Автор"},
    {"close", nullptr, "Выход"},
    {"label_4", nullptr, "2012 г."},
    {nullptr, "label_5", "Дарест"},
    {nullptr, "label_10", "Лекторы: Ровель, Стамин"},
    {nullptr, "pushButton", "Главное меню"},
};

// The windows on screen besides the main menu; the test's cleanup destroys them.
QWidgetList newWindows()
{
    QWidgetList found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible() && !qobject_cast<MainWindow *>(w))
            found << w;
    return found;
}

} // namespace

class TestApp : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { qDeleteAll(newWindows()); }

    void texts_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("object");
        QTest::addColumn<QString>("text");
        for (const auto &t : formTexts)
            for (const char *window : {"menu", "author"})
                if (const char *object = t[window[0] == 'm' ? 0 : 1])
                    QTest::addRow("%s %s", window, object) << window << object << t[2];
    }
    void texts()
    {
        QFETCH(QString, window);
        QFETCH(QString, object);
        QFETCH(QString, text);
        MainWindow menu;
        author credits;
        QWidget *w = window == QLatin1String("menu") ? static_cast<QWidget *>(&menu) : &credits;
        QWidget *child = w->findChild<QWidget *>(object);
        QVERIFY2(child, qPrintable(object));
        QCOMPARE(child->property("text").toString(), text);
        if (text == QStringLiteral("Вельтарн")) { // the title word, 48 pt, in a Mincho face
            QCOMPARE(child->font().pointSize(), 48);
            QCOMPARE(child->font().family(), QStringLiteral("MS PMincho"));
            QVERIFY2(child->fontInfo().family().contains(QLatin1String("Mincho")),
                     qPrintable(child->fontInfo().family()));
        }
        const QImage img = testsupport::grab(*w, w->size());
        QCOMPARE(img.pixelColor(3, img.height() - 4), QColor(200, 200, 255)); // lavender ground
    }

    // The three images at their sizes and PNG colour types (4: grey and alpha, 6: RGBA), each
    // shown as it is by the author window, which holds all three.
    void images()
    {
        const struct {
            const char *path, *label;
            QSize size;
            int colourType;
        } pngs[] = {{":/tern.png", "label_7", {120, 120}, 4},
                    {":/phys.png", "label_8", {120, 120}, 6},
                    {":/author.png", "label", {201, 304}, 6}};
        author credits;
        for (const auto &i : pngs) {
            QFile file(QLatin1String(i.path));
            QVERIFY2(file.open(QIODevice::ReadOnly), i.path);
            const QByteArray head = file.read(26); // signature, then the IHDR chunk
            QCOMPARE(int(qFromBigEndian<quint32>(head.constData() + 16)), i.size.width());
            QCOMPARE(int(qFromBigEndian<quint32>(head.constData() + 20)), i.size.height());
            QCOMPARE(int(head.at(24)), 8); // bits a channel
            QCOMPARE(int(head.at(25)), i.colourType);
            auto *shown = credits.findChild<QLabel *>(QLatin1String(i.label));
            QVERIFY2(shown, i.label);
            QCOMPARE(shown->pixmap().toImage(), QPixmap(QLatin1String(i.path)).toImage());
        }
    }

    // Each slider's range, steps and starting position.
    void sliders_data()
    {
        QTest::addColumn<int>("window");
        QTest::addColumn<QString>("slider");
        QTest::addColumn<QList<int>>("range"); // minimum, maximum, single step, page step, value
        const std::pair<const char *, QList<int>> sliders[][3] = {
            {{"periodhorizontalSlider", {1, 25, 1, 1, 14}},
             {"lengthhorizontalSlider", {1, 25, 1, 1, 3}}},
            {{"periodSlider", {0, 20, 1, 10, 16}},
             {"tau1Slider", {0, 20, 1, 10, 4}},
             {"tau2Slider", {0, 20, 1, 10, 3}}},
            {{"MSlider", {0, 100, 1, 10, 50}},
             {"omegaMSlider", {0, 200, 1, 20, 75}},
             {"omegaNSlider", {500, 900, 1, 40, 750}}}};
        for (int window = 0; window < 3; ++window)
            for (const auto &[name, range] : sliders[window])
                if (name)
                    QTest::newRow(name) << window << QString(name) << range;
    }
    void sliders()
    {
        QFETCH(int, window);
        QFETCH(QString, slider);
        QFETCH(QList<int>, range);
        const std::unique_ptr<QWidget> w =
            window == 0   ? std::unique_ptr<QWidget>(new periodicSignalDependences)
            : window == 1 ? std::unique_ptr<QWidget>(new signalDependence)
                          : std::unique_ptr<QWidget>(new amplitudeModulatedSignal);
        const auto *s = w->findChild<QSlider *>(slider);
        QVERIFY(s);
        QCOMPARE(
            (QList<int>{s->minimum(), s->maximum(), s->singleStep(), s->pageStep(), s->value()}),
            range);
    }

    // Each press of a demonstration button opens a new window of its kind, parentless and full
    // screen, above the menu, which stays; "Главное меню" closes and destroys only its window.
    void buttonsOpenTheirWindows_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("window");
        for (const auto &[button, window] : testsupport::menuWindows)
            QTest::newRow(button) << QString(button) << QString(window);
    }
    void buttonsOpenTheirWindows()
    {
        QFETCH(QString, button);
        QFETCH(QString, window);
        MainWindow menu;
        veltarn::showFullScreen(menu);
        QTRY_COMPARE(menu.geometry(), screenRect);
        QTest::mouseClick(menu.findChild<QPushButton *>(button), Qt::LeftButton);
        QTest::mouseClick(menu.findChild<QPushButton *>(button), Qt::LeftButton);
        const QWidgetList opened = newWindows();
        QCOMPARE(opened.size(), 2);
        for (QWidget *w : opened) {
            QCOMPARE(QLatin1String(w->metaObject()->className()), window);
            QCOMPARE(w->parentWidget(), nullptr);
            QVERIFY(w->isFullScreen());
            QTRY_COMPARE(w->geometry(), screenRect);
        }
        QVERIFY(menu.isVisible());
        const QPointer<QWidget> closing = opened.first(), staying = opened.last();
        QPushButton *back = nullptr;
        for (QPushButton *b : closing->findChildren<QPushButton *>())
            back = b->text() == QStringLiteral("Главное меню") ? b : back;
        QVERIFY(back);
        QTest::mouseClick(back, Qt::LeftButton);
        QTRY_VERIFY(closing.isNull());
        QVERIFY(staying && staying->isVisible() && menu.isVisible());
    }

    // "Выход" ends the process at once with status 0, however many windows are open; closing
    // the main menu through the window system ends the event loop, whose result is the status.
    void theProgramEnds()
    {
        const char *const modes[][2] = {{"", "every window open, pressing Выход\n"},
                                        {"close-menu", "event loop ended with 0\n"}};
        for (const auto &m : modes) {
            QProcess helper;
            helper.start(QStringLiteral(VELTARN_EXIT_HELPER), screenArguments + QStringList(m[0]));
            QVERIFY(helper.waitForFinished(120000));
            QVERIFY2(helper.exitStatus() == QProcess::NormalExit && helper.exitCode() == 0,
                     qPrintable(helper.readAllStandardError()));
            QCOMPARE(helper.readAllStandardOutput(), QByteArray(m[1]));
        }
    }

    // Without a display the program says so in one line and fails; told its platform on the
    // command line, it starts and waits for the lecturer.
    void startWithoutDisplay()
    {
#if !defined(Q_OS_UNIX) || defined(Q_OS_DARWIN) || defined(Q_OS_ANDROID)
        QSKIP("Only X11 and Wayland systems are told their display by the environment");
#endif
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.insert(QStringLiteral("DISPLAY"), QString()); // set but empty is no display either
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(QStringLiteral(VELTARN_EXECUTABLE));
        QVERIFY(program.waitForFinished(60000));
        QVERIFY(program.exitStatus() == QProcess::NormalExit && program.exitCode() != 0);
        const QByteArray err = program.readAllStandardError();
        QVERIFY2(err.endsWith('\n') && err.count('\n') == 1, err.constData());
        QVERIFY2(err.contains("DISPLAY") && err.contains("WAYLAND_DISPLAY"), err.constData());
        program.start(QStringLiteral(VELTARN_EXECUTABLE), screenArguments);
        QVERIFY2(!program.waitForFinished(3000), program.readAllStandardError().constData());
        program.kill();
        program.waitForFinished();
    }
};

VELTARN_TEST_MAIN(TestApp)
#include "test_app.moc"
