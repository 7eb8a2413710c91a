#include "app/mainwindow.h"
#include "cli/commandline.h"
#include "figures/figures.h"
#include "harmonics/harmonic.h"
#include "harmonics/harmonictrapeze.h"
#include "harmonics/harmonictriangle.h"
#include "harmonics/synthesisplot.h"
#include "modulation/amplitudemodulatedsignal.h"
#include "pulsetrain/periodicsignaldependences.h"
#include "shape/signaldependence.h"
#include "testsupport.h"
#include "windowing/placement.h"
#include "workshop/signalworkshop.h"

#include <cmath>

#include <QBuffer>
#include <QDir>
#include <QLayout>
#include <QProcess>
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
    std::unique_ptr<QWidget> (*const makers[])() = {
        [] { return std::unique_ptr<QWidget>(new harmonic); },
        [] { return std::unique_ptr<QWidget>(new harmonicTriangle); },
        [] { return std::unique_ptr<QWidget>(new harmonicTrapeze); },
        [] { return std::unique_ptr<QWidget>(new periodicSignalDependences); },
        [] { return std::unique_ptr<QWidget>(new signalDependence); },
        [] { return std::unique_ptr<QWidget>(new amplitudeModulatedSignal); }};
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
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", display ? "" : "QT_QPA_PLATFORM"})
        env.remove(QLatin1String(name));
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

// The window at `size`, its sliders moved by hand, or shown and harmonics added and summed one
// by one with the buttons, each glide left to come to rest on the frame clock.
void drive(QWidget &window, const QVariantMap &state, QSize size)
{
    window.resize(size);
    for (auto i = state.cbegin(); i != state.cend(); ++i) {
        if (i.key() != QLatin1String("harmonics")) {
            window.findChild<QSlider *>(i.key())->setValue(i.value().toInt());
            continue;
        }
        window.ensurePolished(); // the offscreen platform takes no new size limits once shown
        window.layout()->activate();
        window.setMinimumSize(window.minimumSize());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto *plot = window.findChild<synthesisPlot *>();
        for (int k = 0; k < i.value().toInt(); ++k) {
            window.findChild<QPushButton *>(QStringLiteral("addHarmonic"))->click();
            window.findChild<QPushButton *>(QStringLiteral("sum"))->click();
            QTRY_VERIFY(!plot->isGliding());
        }
    }
}

// What grab() makes on a screen of ratio `scale`, without such a screen, at ratio 1.
QImage grab(QWidget &window, int scale)
{
    QPixmap pixmap(window.size() * scale);
    pixmap.setDevicePixelRatio(scale);
    pixmap.fill(Qt::transparent);
    window.render(&pixmap);
    QImage image = pixmap.toImage();
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

    // --help names every option; --version and --list print exactly their lines.
    void informative()
    {
        const std::pair<const char *, QStringList> rows[] = {
            {"--help",
             {"--list", "--demo <id>", "--set <name=value,...>", "--formula <expr>",
              "--signal <file>", "--windowed", "--screen <N>", "--export <file>", "--size <WxH>",
              "--scale <F>", "--seconds <S>"}},
            {"--version", {"veltarn " VELTARN_VERSION}},
            {"--list",
             {"rectangle\tФормирование прямоугольного сигнала. Осцилляции Гиббса",
              "triangle\tФормирование треугольного сигнала из гармоник спектра",
              "trapezoid\tФормирование трапециевидного сигнала из гармоник спектра",
              "pulse-train\tСпектр периодического сигнала",
              "shape\tВлияние формы периодического сигнала на его спектр",
              "modulation\tАмплитудно-модулированный сигнал",
              "workshop\tРяд Фурье произвольного сигнала"}}};
        for (const auto &[option, lines] : rows) {
            const Result r = runProgram({option});
            QVERIFY2(r.status == 0 && r.err.isEmpty(), r.err.constData());
            const QString out = QString::fromUtf8(r.out);
            if (option != QByteArray("--help"))
                QCOMPARE(out, lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
            for (const QString &line : lines)
                QVERIFY2(out.contains(line), qPrintable(line + QStringLiteral(" in:\n") + out));
        }
    }

    // The files written (the suffix in either case; 1920x1080 at ratio 1 unless told) are the
    // window's own picture, a synthesis window's as its buttons and the frame clock bring it to
    // rest on the screen: the PNG exactly, the SVG up to antialiasing; a plot alone reaches a
    // vector figure as lines and text, never as a picture of itself.
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
        QStringList arguments{"--demo",   id,           "--set",    set,
                              "--export", "figure.PNG", "--export", "figure.svg"};
        if (size != QSize(1920, 1080) || scale != 1) // else left to the defaults
            arguments << "--size" << QStringLiteral("%1x%2").arg(size.width()).arg(size.height())
                      << "--scale" << QString::number(scale);
        const Result r = runProgram(arguments, folder.path());
        QVERIFY2(r.status == 0 && r.err.isEmpty(), r.err.constData());
        const std::unique_ptr<QWidget> window = makeWindow(id);
        drive(*window, state, size);
        if (QTest::currentTestFailed())
            return;
        const QImage shown = grab(*window, scale);
        QCOMPARE(QImage(folder.filePath("figure.PNG")).convertToFormat(shown.format()), shown);
        QVERIFY(svgMatches(folder.filePath(QStringLiteral("figure.svg")), shown));
        for (QWidget *plot : window->findChildren<QWidget *>()) // plots reach SVG as lines and text
            if (QByteArray(plot->metaObject()->className()).toLower().startsWith("field")) {
                QBuffer svg;
                svg.open(QIODevice::WriteOnly);
                veltarn::figures::writeSvg(*plot, svg, id);
                // Its 14-point captions as high as on the screen: 18.67 pixels.
                QVERIFY2(!svg.data().contains("<image") && svg.data().contains("<text") &&
                             svg.data().contains("font-size=\"18.6667\""),
                         plot->metaObject()->className());
            }
    }

    // Thirty figures of one state in one command, PNG and SVG mixed, are the same picture: the
    // glides land before the first, and writing one moves nothing on.
    void exportsAreIdentical()
    {
        QTemporaryDir folder;
        QStringList arguments{"--demo", "rectangle", "--set", "harmonics=3", "--size", "800x600"};
        const auto name = [](int i) {
            return QStringLiteral("%1.%2").arg(i).arg(i % 3 ? "png" : "svg");
        };
        for (int i = 0; i < 30; ++i)
            arguments << "--export" << name(i);
        const Result r = runProgram(arguments, folder.path());
        QVERIFY2(r.status == 0 && r.err.isEmpty(), r.err.constData());
        QMap<QString, QByteArray> first; // by suffix
        for (int i = 0; i < 30; ++i) {
            QFile f(folder.filePath(name(i)));
            QVERIFY(f.open(QIODevice::ReadOnly));
            const QByteArray data = f.readAll();
            const QString suffix = QFileInfo(f).suffix();
            QVERIFY2(data == first.value(suffix, data) && !data.isEmpty(), qPrintable(name(i)));
            first.insert(suffix, data);
        }
        QCOMPARE(first.size(), 2);
    }

    // Every kind of bad input: one line on stderr naming it, status 2, and no file, not even a
    // partial one.
    void badInput()
    {
        const QStringList shape{"--demo", "shape", "--export", "a.png"};
        const QStringList workshop{"--demo", "workshop", "--export", "a.png"};
        const struct {
            QStringList arguments;
            const char *names;
            bool display = false;
        } rows[] = {{{"--demo", "shape", "--bogus", "--export", "a.png"}, "--bogus"},
                    {{"--demo", "sawtooth", "--export", "a.png"}, "sawtooth"},
                    {{"--export", "a.png", "--demo"}, "--demo"},
                    {shape + QStringList{"extra"}, "extra"},
                    {{"--export", "a.png"}, "--demo"},
                    {shape + QStringList{"--set", "tau=3"}, "tau"},
                    {shape + QStringList{"--set", "T=ten"}, "T=ten"},
                    {shape + QStringList{"--set", "T=14.5"}, "T=14.5"},
                    {shape + QStringList{"--set", "T=21"}, "T=21"},
                    {{"--demo", "pulse-train", "--export", "a.png", "--set", "T=5,tau=8"}, "tau=8"},
                    {{"--demo", "shape", "--export", "a.jpg"}, ".jpg"},
                    {{"--demo", "shape", "--export", "nowhere/a.png"}, "nowhere"},
                    {shape + QStringList{"--export", "blocker/b.svg"}, "blocker"},
                    {shape + QStringList{"--export", "blocker/c.csv"}, "blocker"},
                    {shape + QStringList{"--size", "1920"}, "1920"},
                    {shape + QStringList{"--size", "0x1080"}, "0x1080"},
                    {shape + QStringList{"--scale", "0"}, "--scale 0"},
                    {{"--demo", "shape", "--export", "a.wav", "--seconds", "601"}, "601"},
                    {shape + QStringList{"--size", "9000x5000", "--scale", "2"}, "18000"},
                    {shape + QStringList{"--demo", "shape"}, "--demo"},
                    {{"--set", "T=5"}, "--set"},
                    {{"--screen", "x"}, "--screen x"},
                    {shape + QStringList{"--export", ""}, "--export"},
                    {{"--demo", "shape", "--size", "800x600"}, "--size"},
                    {{"--demo", "shape", "--scale", "2"}, "--scale"},
                    {{"--demo", "shape", "--seconds", "5"}, "--seconds"},
                    {shape + QStringList{"--export", "shelf.png"}, "shelf.png"},
                    {shape + QStringList{"--size", "100x100"}, "100x100"},
                    {{"--screen", "1"}, "--screen 1", true}, // one screen: numbered 0
                    {{"--demo", "pulse-train", "--set", "tau=20"}, "tau=20", true},
                    {workshop + QStringList{"--set", "preset=saw"}, "preset=saw"},
                    {workshop + QStringList{"--set", "harmonics=51"}, "harmonics=51"},
                    {workshop + QStringList{"--formula", "sin(2*pi*x)"}, "«x»"},
                    {workshop + QStringList{"--formula", "1/t"}, "t = 0"},
                    {workshop + QStringList{"--signal", "blocker"}, "строка 1"},
                    {workshop + QStringList{"--signal", "missing.csv"}, "missing.csv"},
                    {workshop + QStringList{"--formula", "t", "--set", "preset=sine"}, "preset="},
                    {shape + QStringList{"--formula", "t"}, "--demo workshop"},
                    {{"--demo", "workshop", "--formula", "t/0"}, "--formula", true}};
        for (const auto &row : rows) {
            QTemporaryDir folder;
            QVERIFY(QFile(folder.filePath(QStringLiteral("blocker"))).open(QIODevice::WriteOnly) &&
                    QDir(folder.path()).mkdir(QStringLiteral("shelf.png")));
            const Result r = runProgram(row.arguments, folder.path(), row.display);
            const QString err = QString::fromUtf8(r.err);
            QVERIFY2(
                r.status == 2 && r.out.isEmpty() && err.startsWith(QLatin1String("veltarn: ")) &&
                    err.count(QLatin1Char('\n')) == 1 && err.endsWith(QLatin1Char('\n')) &&
                    err.contains(QString::fromUtf8(row.names)),
                qPrintable(row.arguments.join(' ') + QStringLiteral(": %1, ").arg(r.status) + err));
            QCOMPARE(QDir(folder.path())
                         .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                     (QStringList{"blocker", "shelf.png"}));
            QVERIFY(QDir(folder.filePath(QStringLiteral("shelf.png"))).isEmpty());
        }
    }

    // --language chooses the language of the help (Qt's own words included, the program named
    // veltarn), the list, the errors and the figures; an unknown code names the known ones.
    void languages()
    {
        const auto run = [](const QStringList &arguments,
                            const QString &folder = QDir::tempPath()) {
            const Result r = runProgram(arguments, folder);
            return std::make_tuple(r.status, QString::fromUtf8(r.out), QString::fromUtf8(r.err));
        };
        for (const QStringList &arguments :
             {QStringList{"--language", "xx"}, QStringList{"--demo", "shape", "--language=de"},
              QStringList{"--language", "en", "--language", "xx", "--help"}}) {
            const auto [status, out, err] = run(arguments);
            QVERIFY2(status == 2 && out.isEmpty() && err.count('\n') == 1 &&
                         err.startsWith("veltarn: --language ") && err.contains("ru, en"),
                     qPrintable(arguments.join(' ') + ": " + err));
        }

        const auto [helpStatus, help, helpErr] = run({"--language", "en", "--help"});
        QVERIFY2(helpStatus == 0 && helpErr.isEmpty(), qPrintable(helpErr));
        QVERIFY2(help.startsWith("Usage: veltarn [options]\n") && help.contains("\nOptions:\n") &&
                     help.contains("--language <code>") && !testsupport::hasCyrillic(help),
                 qPrintable(help));
        const auto [ruStatus, ruHelp, ruErr] = run({"--help"});
        QVERIFY2(ruStatus == 0 && ruHelp.startsWith("Использование: veltarn [параметры]\n") &&
                     ruHelp.contains("\nПараметры:\n") && ruHelp.contains("Показать эту справку."),
                 qPrintable(ruHelp + ruErr));

        const auto [listStatus, list, listErr] = run({"--language=en", "--list"});
        QCOMPARE(list.split('\n').size(), int(veltarn::catalog::demonstrations().size()) + 1);
        QVERIFY2(listStatus == 0 && list.contains("pulse-train\tSpectrum of a pulse train\n") &&
                     !testsupport::hasCyrillic(list),
                 qPrintable(list + listErr));

        const auto [badStatus, badOut, bad] =
            run({"--language", "en", "--demo", "shape", "--set", "T=ten", "--export", "a.png"});
        QVERIFY2(badStatus == 2 && bad == "veltarn: --set T=ten: a whole number is expected\n",
                 qPrintable(bad));
        const auto [manyStatus, manyOut, many] =
            run({"--language", "en", "--demo", "rectangle", "--set", "harmonics=21"});
        QVERIFY2(manyStatus == 2 && many.endsWith(": at most 20 harmonics can be summed\n"),
                 qPrintable(many));

        QTemporaryDir folder;
        const auto [svgStatus, svgOut, svgErr] =
            run({"--language", "en", "--demo", "modulation", "--export", "fig.svg"}, folder.path());
        QVERIFY2(svgStatus == 0, qPrintable(svgErr));
        QFile svg(folder.filePath("fig.svg"));
        QVERIFY(svg.open(QIODevice::ReadOnly));
        const QStringList texts = testsupport::svgTexts(svg.readAll());
        for (const char *text : {"Amplitude-modulated signal", "Modulation depth ",
                                 "Reference signal", "Spectrum", "Main menu"})
            QVERIFY2(texts.contains(text), qPrintable(texts.join(" | ")));
        for (const QString &text : texts)
            QVERIFY2(!testsupport::hasCyrillic(text), qPrintable(text));
    }

    // The workshop's signal from the command line is the window's from its own controls: a
    // preset with harmonics summed, a formula, a CSV table.
    void workshopSignal()
    {
        QTemporaryDir folder;
        QFile table(folder.filePath("signal.csv"));
        QVERIFY(table.open(QIODevice::WriteOnly));
        table.write("t,f\n0,0\n0.25,1\n0.5,0\n");
        table.close();
        const struct {
            QStringList arguments;
            std::function<void(signalWorkshop &)> drive;
        } rows[] = {
            {{"--set", "preset=square,harmonics=5"},
             [](signalWorkshop &w) {
                 w.choosePreset(1);
                 drive(w, {{"harmonics", 5}}, {1024, 768});
             }},
            {{"--formula", "abs(sin(2*pi*t))", "--set", "harmonics=3"},
             [](signalWorkshop &w) {
                 w.setFormula("abs(sin(2*pi*t))");
                 drive(w, {{"harmonics", 3}}, {1024, 768});
             }},
            {{"--signal", table.fileName()},
             [&](signalWorkshop &w) { w.openFile(table.fileName()); }},
        };
        for (const auto &row : rows) {
            const Result r = runProgram(
                QStringList{"--demo", "workshop", "--export", "w.png", "--size", "1024x768"} +
                    row.arguments,
                folder.path());
            QVERIFY2(r.status == 0 && r.err.isEmpty(), r.err.constData());
            signalWorkshop window;
            row.drive(window);
            window.resize(1024, 768);
            const QImage shown = grab(window, 1);
            QCOMPARE(QImage(folder.filePath("w.png")).convertToFormat(shown.format()), shown);
        }
    }

    // The largest picture is taken: a side of 16384 pixels, at the largest scale.
    void largestPictureAccepted()
    {
        QTemporaryDir folder;
        const Result r = runProgram({"--demo", "shape", "--export", "a.wav", "--seconds", "0.01",
                                     "--size", "2048x768", "--scale", "8"},
                                    folder.path());
        QVERIFY2(r.status == 0 && QFileInfo(folder.filePath("a.wav")).size() == 44 + 2 * 480,
                 r.err.constData());
    }

    // The spectrum's lines from the command line: the workshop's formula gives its series.
    void spectrumLines()
    {
        QTemporaryDir folder;
        const Result r = runProgram({"--demo", "workshop", "--formula", "cos(2*pi*3*t)",
                                     "--export", "lines.csv"},
                                    folder.path());
        QVERIFY2(r.status == 0 && r.err.isEmpty(), r.err.constData());
        QFile file(folder.filePath("lines.csv"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QList<QByteArray> rows = file.readAll().split('\n');
        QCOMPARE(rows.size(), 1 + 50 + 1);
        QCOMPARE(rows.first(), QByteArray("n,frequency,amplitude,phase"));
        for (int k = 0; k < 50; ++k) {
            const QList<QByteArray> row = rows[k + 1].split(',');
            QCOMPARE(row.size(), 4);
            QCOMPARE(row[0].toInt(), k);
            QVERIFY2(std::abs(row[2].toDouble() - (k == 3 ? 1.0 : 0.0)) < 1e-6, rows[k + 1]);
        }
    }

    // --demo opens the demonstration over the menu with the values --set gives; --windowed and
    // --screen place both; the menu moved to another screen opens what follows there.
    void demoOverMenu_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QVariantMap>("state");
        QTest::addColumn<QString>("screen");
        for (const char *id : ids)
            QTest::newRow(id) << id << QStringList() << QVariantMap() << "hall";
        QTest::newRow("pulse-train T=9 tau=9")
            << "pulse-train" << QStringList{"--set", "T=9,tau=9"}
            << QVariantMap{{"periodhorizontalSlider", 9}, {"lengthhorizontalSlider", 9}} << "hall";
        QTest::newRow("--windowed") << "shape" << QStringList{"--windowed"} << QVariantMap() << "";
        QTest::newRow("--screen 1")
            << "shape" << QStringList{"--screen", "1"} << QVariantMap() << "side";
    }
    void demoOverMenu()
    {
        QFETCH(QString, id);
        QFETCH(QStringList, arguments);
        QFETCH(QVariantMap, state);
        QFETCH(QString, screen);
        const auto menu = std::make_unique<MainWindow>();
        const QString error = veltarn::cli::show(
            veltarn::cli::parse(QStringList{"veltarn", "--demo", id} + arguments), *menu);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        const QWidgetList shown = visibleWindows();
        QCOMPARE(shown.size(), 2);
        QWidget *demo = shown.at(shown.at(0) == menu.get() ? 1 : 0);
        QCOMPARE(demo->metaObject(), makeWindow(id)->metaObject());
        QTRY_COMPARE(QApplication::activeWindow(), demo);
        for (QWidget *w : shown) {
            const QRect area = w->screen()->geometry();
            QCOMPARE(w->screen()->name(), screen.isEmpty() ? QStringLiteral("hall") : screen);
            QCOMPARE(w->isFullScreen(), !screen.isEmpty());
            if (screen.isEmpty())
                QVERIFY(area.contains(w->frameGeometry()) && w->size() != area.size());
            else
                QTRY_COMPARE(w->geometry(), area);
        }
        for (auto i = state.cbegin(); i != state.cend(); ++i)
            QCOMPARE(demo->findChild<QSlider *>(i.key())->value(), i.value().toInt());
        // Moved to the other screen, the menu opens windows there.
        QScreen *other = QGuiApplication::screens().at(menu->screen()->name() == "hall" ? 1 : 0);
        veltarn::showFullScreen(*menu, other);
        QTRY_VERIFY(menu->screen() == other);
        QCOMPARE(testsupport::openFromMenu(*menu, "Author")->screen(), other);
    }
};

VELTARN_TEST_MAIN(TestCli)
#include "test_cli.moc"
