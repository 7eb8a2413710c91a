#include "app/fullscreen.h"
#include "app/mainwindow.h"
#include "cli/commandline.h"
#include "figures/figures.h"
#include "harmonics/harmonic.h"
#include "harmonics/harmonictrapeze.h"
#include "harmonics/harmonictriangle.h"
#include "modulation/amplitudemodulatedsignal.h"
#include "pulsetrain/periodicsignaldependences.h"
#include "shape/signaldependence.h"
#include "testsupport.h"

#include <QBuffer>
#include <QClipboard>
#include <QDir>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <functional>
#include <memory>

namespace
{

const char *const ids[] = {"rectangle",   "triangle", "trapezoid",
                           "pulse-train", "shape",    "modulation"};

std::unique_ptr<QWidget> makeWindow(const QString &id)
{
    const std::function<std::unique_ptr<QWidget>()> makers[] = {
        [] { return std::make_unique<harmonic>(); },
        [] { return std::make_unique<harmonicTriangle>(); },
        [] { return std::make_unique<harmonicTrapeze>(); },
        [] { return std::make_unique<periodicSignalDependences>(); },
        [] { return std::make_unique<signalDependence>(); },
        [] { return std::make_unique<amplitudeModulatedSignal>(); }};
    for (std::size_t i = 0; i < std::size(ids); ++i)
        if (id == QLatin1String(ids[i]))
            return makers[i]();
    return nullptr;
}

struct Result {
    int status;
    QByteArray out, err;
};

// The program as a user starts it from a shell in `folder`; without a display unless `display`.
Result runProgram(const QStringList &arguments, const QString &folder = QDir::tempPath(),
                  bool display = false)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    if (!display)
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    QProcess p;
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(folder);
    p.start(QStringLiteral(VELTARN_EXECUTABLE), arguments);
    if (!p.waitForFinished(120000))
        p.kill();
    p.waitForFinished();
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

// Paints the window until a harmonic glide has come to rest: ten pictures in a row alike.
void settle(QWidget &window)
{
    QImage last;
    for (int same = 0, frame = 0; same < 10 && frame < 500; ++frame) {
        const QImage now = window.grab().toImage();
        same = now == last ? same + 1 : 0;
        last = now;
    }
}

// Sliders moved by hand, or harmonics added and summed one by one.
void drive(QWidget &window, const QVariantMap &state)
{
    for (auto i = state.cbegin(); i != state.cend(); ++i) {
        if (i.key() != QLatin1String("harmonics")) {
            window.findChild<QSlider *>(i.key())->setValue(i.value().toInt());
            continue;
        }
        for (int k = 0; k < i.value().toInt(); ++k) {
            window.findChild<QPushButton *>(QStringLiteral("addHarmonic"))->click();
            window.findChild<QPushButton *>(QStringLiteral("sum"))->click();
            settle(window);
        }
    }
}

// What grab() makes on a screen of ratio `scale`, without such a screen.
QImage grab(QWidget &window, int scale)
{
    QPixmap pixmap(window.size() * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    window.render(&pixmap);
    return pixmap.toImage();
}

QImage plain(QImage image)
{
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QWidgetList visibleWindows()
{
    QWidgetList found;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->isVisible())
            found << w;
    return found;
}

// Drawn by the toolkit's SVG renderer (antialiasing, text drawn another way), at most 2 % of the
// pixels differ by more than a little.
bool svgMatches(const QString &path, const QImage &shown)
{
    QSvgRenderer renderer(path);
    QImage image(shown.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += !testsupport::near(image.pixelColor(x, y), shown.pixelColor(x, y), 64);
    return renderer.isValid() && count <= 0.02 * shown.width() * shown.height();
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        qDeleteAll(visibleWindows());
        veltarn::showWindowsOn(nullptr, false);
    }

    // Every plot reaches a vector figure as lines and text, never as a picture of itself.
    void svgPlotsAreVectors()
    {
        for (const auto &make : {+[]() -> QWidget * { return new harmonicTriangle; },
                                 +[]() -> QWidget * { return new signalDependence; },
                                 +[]() -> QWidget * { return new amplitudeModulatedSignal; }}) {
            const std::unique_ptr<QWidget> window(make());
            window->resize(1920, 1080);
            window->layout()->activate();
            for (QWidget *plot : window->findChildren<QWidget *>())
                if (QByteArray(plot->metaObject()->className()).toLower().startsWith("field")) {
                    QBuffer svg;
                    svg.open(QIODevice::WriteOnly);
                    veltarn::figures::writeSvg(*plot, svg, QStringLiteral("plot"));
                    QVERIFY2(!svg.data().contains("<image") && svg.data().contains("<text"),
                             plot->metaObject()->className());
                }
        }
    }

    void informative_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("lines"); // each must be in the output
        QTest::addColumn<bool>("whole");        // and they are all of it, in this order
        QTest::newRow("--help")
            << QStringList{"--help"}
            << QStringList{"--list",       "--demo <id>",  "--set <name=value,...>",
                           "--windowed",   "--screen <N>", "--export <file>",
                           "--size <WxH>", "--scale <F>",  "--seconds <S>"}
            << false;
        QTest::newRow("--version")
            << QStringList{"--version"} << QStringList{"veltarn " VELTARN_VERSION} << true;
        QTest::newRow("--list")
            << QStringList{"--list"}
            << QStringList{"rectangle\tФормирование прямоугольного сигнала. Осцилляции Гиббса",
                           "triangle\tФормирование треугольного сигнала из гармоник спектра",
                           "trapezoid\tФормирование трапециевидного сигнала из гармоник спектра",
                           "pulse-train\tСпектр периодического сигнала",
                           "shape\tВлияние формы периодического сигнала на его спектр",
                           "modulation\tАмплитудно-модулированный сигнал"}
            << true;
    }
    void informative()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, lines);
        QFETCH(bool, whole);
        const Result r = runProgram(arguments);
        QCOMPARE(r.status, 0);
        QVERIFY2(r.err.isEmpty(), r.err.constData());
        const QString out = QString::fromUtf8(r.out);
        if (whole)
            QCOMPARE(out, lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        for (const QString &line : lines)
            QVERIFY2(out.contains(line), qPrintable(line + QStringLiteral(" in:\n") + out));
    }

    // The files written are the window's own picture: the PNG exactly, the SVG up to antialiasing.
    void exportMatchesWindow_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("set");
        QTest::addColumn<QVariantMap>("state"); // slider steps, or harmonics summed
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("scale");
        const auto row = [](const char *id, const char *set, const QVariantMap &state,
                            QSize size = {1920, 1080}, int scale = 1) {
            QTest::newRow(id) << QString(id) << QString(set) << state << size << scale;
        };
        row("rectangle", "harmonics=7", {{"harmonics", 7}});
        row("triangle", "harmonics=20", {{"harmonics", 20}}, {1280, 800});
        row("trapezoid", "harmonics=3", {{"harmonics", 3}}, {1600, 900}, 2);
        row("pulse-train", "T=20,tau=6",
            {{"periodhorizontalSlider", 20}, {"lengthhorizontalSlider", 6}});
        row("shape", "T=12,tau1=8,tau2=2",
            {{"periodSlider", 12}, {"tau1Slider", 8}, {"tau2Slider", 2}});
        row("modulation", "m=0.25,omega=1.5,Omega=5.00",
            {{"MSlider", 25}, {"omegaMSlider", 150}, {"omegaNSlider", 500}});
    }
    void exportMatchesWindow()
    {
        QFETCH(QString, id);
        QFETCH(QString, set);
        QFETCH(QVariantMap, state);
        QFETCH(QSize, size);
        QFETCH(int, scale);
        QTemporaryDir folder;
        const Result r = runProgram({"--demo", id, "--set", set, "--export", "figure.png",
                                     "--export", "figure.svg", "--size",
                                     QStringLiteral("%1x%2").arg(size.width()).arg(size.height()),
                                     "--scale", QString::number(scale)},
                                    folder.path());
        QVERIFY2(r.status == 0 && r.err.isEmpty(), r.err.constData());
        const std::unique_ptr<QWidget> window = makeWindow(id);
        drive(*window, state);
        window->resize(size);
        const QImage shown = plain(grab(*window, scale));
        QCOMPARE(plain(QImage(folder.filePath(QStringLiteral("figure.png")))), shown);
        QVERIFY(svgMatches(folder.filePath(QStringLiteral("figure.svg")), shown));
    }

    // Every kind of bad input: one line on stderr, status 2, and no file, not even a partial one.
    void badInput_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("display");
        QTest::addColumn<QString>("names"); // what the message must mention
        const auto row = [](const char *name, QStringList arguments, const char *names,
                            bool display = false) {
            QTest::newRow(name) << arguments << display << QString::fromUtf8(names);
        };
        const QStringList shape{"--demo", "shape", "--export", "a.png"};
        row("unknown option", {"--demo", "shape", "--bogus", "--export", "a.png"}, "--bogus");
        row("unknown id", {"--demo", "sawtooth", "--export", "a.png"}, "sawtooth");
        row("missing value", {"--export", "a.png", "--demo"}, "--demo");
        row("extra argument", shape + QStringList{"extra"}, "extra");
        row("export without demo", {"--export", "a.png"}, "--demo");
        row("unknown name", shape + QStringList{"--set", "tau=3"}, "tau");
        row("not a number", shape + QStringList{"--set", "T=ten"}, "T=ten");
        row("between steps", shape + QStringList{"--set", "T=14.5"}, "T=14.5");
        row("out of range", shape + QStringList{"--set", "T=21"}, "T=21");
        row("refused by the window",
            {"--demo", "pulse-train", "--export", "a.png", "--set", "T=5,tau=8"}, "tau=8");
        row("unknown suffix", {"--demo", "shape", "--export", "a.jpg"}, ".jpg");
        row("missing folder", {"--demo", "shape", "--export", "nowhere/a.png"}, "nowhere");
        row("second file unwritable", shape + QStringList{"--export", "blocker/b.svg"}, "blocker");
        row("size form", shape + QStringList{"--size", "1920"}, "1920");
        row("too many pixels", shape + QStringList{"--size", "9000x5000", "--scale", "2"}, "18000");
        row("no such screen", {"--screen", "7"}, "7", true);
        row("refused on screen", {"--demo", "pulse-train", "--set", "tau=20"}, "tau=20", true);
    }
    void badInput()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, display);
        QFETCH(QString, names);
        QTemporaryDir folder;
        QVERIFY(QFile(folder.filePath(QStringLiteral("blocker"))).open(QIODevice::WriteOnly));
        const Result r = runProgram(arguments, folder.path(), display);
        QCOMPARE(r.status, 2);
        QVERIFY2(r.out.isEmpty(), r.out.constData());
        const QString err = QString::fromUtf8(r.err);
        QVERIFY2(err.startsWith(QLatin1String("veltarn: ")) && err.count(QLatin1Char('\n')) == 1 &&
                     err.endsWith(QLatin1Char('\n')) && err.contains(names),
                 qPrintable(err));
        QCOMPARE(
            QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{"blocker"});
    }

    // --demo opens the demonstration over the menu; "Главное меню" goes back to the menu.
    void demoOpensOverMenu_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QStringList>("set");
        QTest::addColumn<QVariantMap>("state");
        for (const char *id : ids)
            QTest::newRow(id) << id << QStringList() << QVariantMap();
        QTest::newRow("pulse-train T=9 tau=9")
            << "pulse-train" << QStringList{"--set", "T=9,tau=9"}
            << QVariantMap{{"periodhorizontalSlider", 9}, {"lengthhorizontalSlider", 9}};
    }
    void demoOpensOverMenu()
    {
        QFETCH(QString, id);
        QFETCH(QStringList, set);
        QFETCH(QVariantMap, state);
        const auto options = veltarn::cli::parse(QStringList{"veltarn", "--demo", id} + set);
        QString error;
        const std::unique_ptr<MainWindow> menu = veltarn::cli::show(options, &error);
        QVERIFY2(menu, qPrintable(error));
        const QWidgetList shown = visibleWindows();
        QCOMPARE(shown.size(), 2);
        QWidget *demo = shown.at(shown.at(0) == menu.get() ? 1 : 0);
        QCOMPARE(demo->metaObject(), makeWindow(id)->metaObject());
        QVERIFY(menu->isFullScreen() && demo->isFullScreen());
        QTRY_COMPARE(QApplication::activeWindow(), demo);
        for (auto i = state.cbegin(); i != state.cend(); ++i)
            QCOMPARE(demo->findChild<QSlider *>(i.key())->value(), i.value().toInt());
        const QPointer<QWidget> closing = demo;
        for (QPushButton *button : demo->findChildren<QPushButton *>())
            if (button->text() == QStringLiteral("Главное меню"))
                button->click();
        QTRY_VERIFY(closing.isNull());
        QCOMPARE(visibleWindows(), QWidgetList{menu.get()});
    }

    // --windowed and --screen place the menu and the windows opened from it.
    void placement_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("full");
        QTest::newRow("full screen") << QStringList() << "hall" << true;
        QTest::newRow("--windowed") << QStringList{"--windowed"} << "hall" << false;
        QTest::newRow("--screen 1") << QStringList{"--screen", "1"} << "side" << true;
    }
    void placement()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, screen);
        QFETCH(bool, full);
        const auto options =
            veltarn::cli::parse(QStringList{"veltarn", "--demo", "shape"} + arguments);
        QString error;
        const std::unique_ptr<MainWindow> menu = veltarn::cli::show(options, &error);
        QVERIFY2(menu, qPrintable(error));
        for (QWidget *w : visibleWindows()) {
            const QRect area = w->screen()->geometry();
            QCOMPARE(w->screen()->name(), screen);
            QCOMPARE(w->isFullScreen(), full);
            if (full) {
                QTRY_COMPARE(w->geometry(), area);
            } else {
                QVERIFY(area.contains(w->frameGeometry()) && w->size() != area.size());
            }
        }
    }

    // Ctrl+S: PNG and SVG of the window in the pictures folder, named in the notice; Ctrl+C: the
    // same picture on the clipboard. A folder that cannot be made: a notice and no file.
    void saveAndCopy_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("state"); // as the file name gives it
        QTest::newRow("rectangle") << QStringLiteral("rectangle") << QStringLiteral("harmonics=0");
        QTest::newRow("modulation")
            << QStringLiteral("modulation") << QStringLiteral("m=0.50_omega=0.75_Omega=7.50");
        QTest::newRow("folder cannot be made") << "modulation" << QString(); // no state: refused
    }
    void saveAndCopy()
    {
        QFETCH(QString, id);
        QFETCH(QString, state);
        QTemporaryDir home;
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
        QFile blocker(home.filePath(QStringLiteral("Pictures/Вельтарн")));
        if (state.isEmpty()) { // a file where the folder should be
            QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Pictures")));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            blocker.close();
        }
        const std::unique_ptr<QWidget> window = makeWindow(id);
        veltarn::showFullScreen(*window);
        QTRY_COMPARE(window->size(), QSize(1920, 1080));
        const QImage shown = plain(window->grab().toImage());
        veltarn::figures::savePicture(*window);
        QPointer<QLabel> notice =
            window->findChild<QLabel *>(QLatin1String(veltarn::figures::noticeName));
        QVERIFY(notice && notice->isVisible());
        if (state.isEmpty()) {
            QVERIFY(notice->text().contains(QStringLiteral("не сохранён")));
            QCOMPARE(QDir(home.filePath(QStringLiteral("Pictures")))
                         .entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                     QStringList{"Вельтарн"});
            QVERIFY(QFileInfo(blocker).isFile() && QFileInfo(blocker).size() == 0);
            QTRY_VERIFY_WITH_TIMEOUT(notice.isNull(), veltarn::figures::noticeDuration + 2000);
            return;
        }
        veltarn::figures::savePicture(*window); // the first one's notice is still up
        notice = window->findChild<QLabel *>(QLatin1String(veltarn::figures::noticeName));
        QVERIFY(notice && notice->isVisible());
        const QDir folder(home.filePath(QStringLiteral("Pictures/Вельтарн")));
        const QStringList files = folder.entryList(QDir::Files, QDir::Name);
        QCOMPARE(files.size(), 4);
        for (const QString &file : files) {
            QVERIFY2(file.startsWith(id + QLatin1Char('_') + state + QLatin1Char('_')),
                     qPrintable(file));
            const QString path = folder.filePath(file);
            if (file.endsWith(QLatin1String(".png")))
                QCOMPARE(plain(QImage(path)), shown);
            else
                QVERIFY(file.endsWith(QLatin1String(".svg")) && svgMatches(path, shown));
        }
        for (const QString &file : files.mid(2))
            QVERIFY2(notice->text().contains(file), qPrintable(notice->text()));
        QVERIFY(notice->geometry().bottom() < window->height());

        veltarn::figures::copyPicture(*window);
        QCOMPARE(plain(QApplication::clipboard()->image()), shown);
    }
};

VELTARN_TEST_MAIN(TestCli)
#include "test_cli.moc"
