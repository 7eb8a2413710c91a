#include "catalog/catalog.h"
#include "figures/figures.h"
#include "harmonics/rectanglesignal.h"
#include "harmonics/trapezesignal.h"
#include "harmonics/trianglesignal.h"
#include "pulsetrain/pulsetrainsignal.h"
#include "session/windows.h"
#include "shape/dependencesignal.h"
#include "testsupport.h"
#include "workshop/signalworkshop.h"

#include <QDir>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSlider>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <cmath>
#include <functional>
#include <memory>

namespace
{

using namespace veltarn;
using testsupport::near;

QImage rendered(const QString &svg, QSize size)
{
    QSvgRenderer renderer(svg);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// The window's plots and sliders, as rectangles of the window.
template <typename W> QList<QRect> placesOf(const QWidget &window, const QList<W *> &widgets)
{
    QList<QRect> places;
    for (const QWidget *w : widgets)
        places << QRect(w->mapTo(&window, QPoint()), w->size());
    return places;
}

// Where a curve of `colour` crosses column x: its top and bottom rows, or none.
std::optional<std::pair<int, int>> crossing(const QImage &img, int x, int top, int bottom,
                                            const QColor &colour)
{
    std::optional<std::pair<int, int>> rows;
    for (int y = top; y <= bottom; ++y)
        if (near(img.pixelColor(x, y), colour, 40))
            rows = std::make_pair(rows ? rows->first : y, y);
    return rows;
}

// Whether the picture shows `colour` within one pixel of (x, y).
bool showsNear(const QImage &img, int x, int y, const QColor &colour)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (img.rect().contains(x + dx, y + dy) &&
                near(img.pixelColor(x + dx, y + dy), colour, 40))
                return true;
    return false;
}

// The groove's filled part is in the highlight's blue.
int filledLength(const QImage &img, int row, int left, int right)
{
    int filled = 0;
    for (int x = left; x <= right; ++x) {
        const QColor c = img.pixelColor(x, row);
        filled += c.blue() > c.red() + 60;
    }
    return filled;
}

// The rows of a CSV file below its header, each a list of numbers.
std::vector<std::vector<double>> csvRows(const QString &path, QString *header)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    if (lines.size() < 2 || !lines.last().isEmpty())
        return {};
    lines.removeLast();
    *header = lines.takeFirst();
    std::vector<std::vector<double>> rows;
    for (const QString &line : lines) {
        rows.emplace_back();
        for (const QString &field : line.split(QLatin1Char(',')))
            rows.back().push_back(field.toDouble());
    }
    return rows;
}

// Rows n, n·step, coefficient n of a line spectrum whose n-th line is the n-th coefficient.
std::vector<std::vector<double>> lines(const std::vector<double> &coefficients, double step)
{
    std::vector<std::vector<double>> rows;
    for (std::size_t n = 0; n < coefficients.size(); ++n)
        rows.push_back({double(n), double(n) * step, coefficients[n]});
    return rows;
}

bool sameRows(const std::vector<std::vector<double>> &actual,
              const std::vector<std::vector<double>> &expected, QString *why)
{
    if (actual.size() != expected.size()) {
        *why = QStringLiteral("%1 rows, expected %2").arg(actual.size()).arg(expected.size());
        return false;
    }
    for (std::size_t i = 0; i < actual.size(); ++i)
        for (std::size_t c = 0; c < expected[i].size(); ++c)
            if (actual[i].size() != expected[i].size() ||
                std::abs(actual[i][c] - expected[i][c]) > 1e-9 * (1 + std::abs(expected[i][c]))) {
                *why = QStringLiteral("row %1 column %2: %3, expected %4")
                           .arg(i)
                           .arg(c)
                           .arg(actual[i].size() > c ? actual[i][c] : qQNaN())
                           .arg(expected[i][c]);
                return false;
            }
    return true;
}

} // namespace

class TestFigures : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qunsetenv("PULSE_SERVER"); }

    // Drawn by the toolkit's SVG renderer at the window's size, the SVG differs from the PNG only
    // as antialiasing makes them differ: every curve passes each column within a pixel of where
    // the PNG has it, every slider groove is filled as far (within 2 pixels), and nothing of a
    // plot lies outside it.
    void svgShowsTheScreen_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::newRow("rectangle") << "rectangle"
                                   << "harmonics"
                                   << "5";
        QTest::newRow("triangle") << "triangle"
                                  << "harmonics"
                                  << "2";
        QTest::newRow("trapezoid") << "trapezoid"
                                   << "harmonics"
                                   << "9";
        QTest::newRow("pulse-train") << "pulse-train"
                                     << "T"
                                     << "20";
        QTest::newRow("shape") << "shape"
                               << "T"
                               << "18";
        QTest::newRow("modulation") << "modulation"
                                    << "m"
                                    << "0.25";
    }
    void svgShowsTheScreen()
    {
        QFETCH(QString, id);
        QFETCH(QString, name);
        QFETCH(QString, value);
        const catalog::Demonstration *d = catalog::find(id);
        const std::unique_ptr<QWidget> window = d->make();
        QCOMPARE(catalog::apply(*window, *d, {{name, value}}), QString());
        QTemporaryDir dir;
        const QString png = dir.filePath("f.png"), svg = dir.filePath("f.svg");
        figures::ExportOptions options;
        options.size = QSize(1280, 800);
        QCOMPARE(figures::exportFiles(*window, {png, svg}, options), QString());
        const QImage screen = QImage(png).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const QImage figure = rendered(svg, screen.size());

        const QList<QRect> plots = placesOf(*window, session::plotsOf(window.get()));
        QVERIFY(!plots.isEmpty());
        for (const QRect &plot : plots) {
            for (const QColor &colour : {QColor(Qt::red), QColor(Qt::darkBlue)})
                for (int x = plot.left(); x <= plot.right(); ++x) {
                    const auto rows = crossing(screen, x, plot.top(), plot.bottom(), colour);
                    QVERIFY2(
                        !rows || (showsNear(figure, x, rows->first, colour) &&
                                  showsNear(figure, x, rows->second, colour)),
                        qPrintable(QStringLiteral("%1 at column %2").arg(colour.name()).arg(x)));
                }
            // A few pixels around the plot that belong to no plot look as on the screen.
            const QRect ring = plot.adjusted(-4, -4, 4, 4) & screen.rect();
            for (int y = ring.top(); y <= ring.bottom(); ++y)
                for (int x = ring.left(); x <= ring.right(); ++x)
                    if (std::none_of(plots.begin(), plots.end(),
                                     [&](const QRect &p) { return p.contains(x, y); }))
                        QVERIFY2(near(figure.pixelColor(x, y), screen.pixelColor(x, y), 64),
                                 qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
        }

        const QList<QRect> sliders = placesOf(*window, window->findChildren<QSlider *>());
        for (const QRect &slider : sliders) {
            // The middle of the rows the groove's fill covers.
            QList<int> filled(slider.height());
            for (int y = 0; y < slider.height(); ++y)
                filled[y] = filledLength(screen, slider.top() + y, slider.left(), slider.right());
            const int most = *std::max_element(filled.begin(), filled.end());
            QList<int> rows;
            for (int y = 0; y < slider.height(); ++y)
                if (filled[y] >= most * 4 / 5)
                    rows << slider.top() + y;
            const int row = rows[rows.size() / 2];
            QVERIFY(most > 0 && most < slider.width() - 20);
            QVERIFY2(
                std::abs(filledLength(figure, row, slider.left(), slider.right()) -
                         filledLength(screen, row, slider.left(), slider.right())) <= 2,
                qPrintable(QStringLiteral("slider at %1, %2").arg(slider.x()).arg(slider.y())));
        }
    }

    // All or nothing: when the third file cannot be put in place, the two already there go
    // again; when all can, all are there with what was written.
    void putInPlace()
    {
        for (const bool thirdFails : {true, false}) {
            QTemporaryDir dir;
            std::vector<std::unique_ptr<QSaveFile>> files;
            for (const char *name : {"a.png", "b.svg", "c.wav"}) {
                files.push_back(std::make_unique<QSaveFile>(dir.filePath(name)));
                QVERIFY(files.back()->open(QIODevice::WriteOnly));
                files.back()->write(name);
            }
            if (thirdFails)
                files[2]->cancelWriting();
            const QString error = figures::putInPlace(files);
            const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
            if (thirdFails) {
                QVERIFY2(error.contains("c.wav"), qPrintable(error));
                QCOMPARE(left, QStringList());
                continue;
            }
            QCOMPARE(error, QString());
            QCOMPARE(left, (QStringList{"a.png", "b.svg", "c.wav"}));
            QFile b(dir.filePath("b.svg"));
            QVERIFY(b.open(QIODevice::ReadOnly) && b.readAll() == "b.svg");
        }
    }

    // The CSV of every demonstration holds the lines its live spectrum draws: the model's
    // coefficients in the synthesis windows, the closed forms of the pulse train at T = 14,
    // τ = 3 and of the modulated signal's three lines (one at ω = 0), the trapezoid train at
    // other parameters, the workshop's amplitudes and phases in units of π.
    void spectrumLines()
    {
        constexpr double pi = 3.14159265358979323846;
        const auto pulseTrain = [] {
            std::vector<std::vector<double>> rows;
            const double step = 2 * pi / 14 / 0.448798;
            rows.push_back({0, 0, 3 * 5 * 3 / 14.0});
            for (int n = 1; n < 200; ++n)
                rows.push_back({double(n), n * step, 3 * std::sin(3 * pi * n / 14) * 10 / pi / n});
            return rows;
        };
        const auto trapezoids = [] {
            dependenceSignal s;
            s.period = 20;
            s.tau1 = 6;
            s.tau2 = 2;
            s.computeCoefficients();
            return lines(s.coefficients, pi / 20 / 0.1963495);
        };
        // m = 0.25: side lines A·m/2 and the carrier A at twice their height.
        const auto modulation = [](double omega) -> std::vector<std::vector<double>> {
            if (omega == 0)
                return {{0, 8, 2 * 5 * 1.25}};
            return {{-1, 8 - omega, 1.25}, {0, 8, 10}, {1, 8 + omega, 1.25}};
        };
        const struct {
            const char *id;
            std::vector<catalog::Setting> settings;
            std::function<std::vector<std::vector<double>>()> expected;
        } cases[] = {
            {"rectangle",
             {{"harmonics", "3"}},
             [] { return lines(rectangleSignal().coefficients(), 1); }},
            {"triangle", {}, [] { return lines(triangleSignal().coefficients(), 1); }},
            {"trapezoid", {}, [] { return lines(trapezeSignal().coefficients(), 1); }},
            {"pulse-train", {}, pulseTrain},
            {"shape", {{"T", "20"}, {"tau1", "6"}, {"tau2", "2"}}, trapezoids},
            {"modulation",
             {{"m", "0.25"}, {"Omega", "8.00"}, {"omega", "1.50"}},
             [&] { return modulation(1.5); }},
            {"modulation",
             {{"m", "0.25"}, {"Omega", "8.00"}, {"omega", "0"}},
             [&] { return modulation(0); }},
        };
        for (const auto &c : cases) {
            const catalog::Demonstration *d = catalog::find(c.id);
            const std::unique_ptr<QWidget> window = d->make();
            QCOMPARE(catalog::apply(*window, *d, c.settings), QString());
            QTemporaryDir dir;
            const QString path = dir.filePath("lines.csv");
            QCOMPARE(figures::exportFiles(*window, {path}, {}), QString());
            QString header, why;
            const auto rows = csvRows(path, &header);
            QCOMPARE(header, QString("n,frequency,value"));
            QVERIFY2(sameRows(rows, c.expected(), &why), qPrintable(c.id + (": " + why)));
        }
    }

    // The workshop writes amplitude and phase: the square's odd lines 4/(πk) at phase −π/2,
    // within the FFT's precision; every line as the plot holds it, a line without a phase (the
    // mean, a zero amplitude) at phase 0.
    void workshopLines()
    {
        const catalog::Demonstration *d = catalog::find("workshop");
        const std::unique_ptr<QWidget> window = d->make();
        QCOMPARE(catalog::apply(*window, *d, {{"preset", "square"}, {"harmonics", "7"}}),
                 QString());
        QTemporaryDir dir;
        const QString path = dir.filePath("w.csv");
        QCOMPARE(figures::exportFiles(*window, {path}, {}), QString());
        QString header;
        const auto rows = csvRows(path, &header);
        QCOMPARE(header, QString("n,frequency,amplitude,phase"));
        QCOMPARE(rows.size(), std::size_t(50));
        const workshop::Series &series = static_cast<signalWorkshop &>(*window).series();
        constexpr double pi = 3.14159265358979323846;
        for (int k = 0; k < 50; ++k) {
            const auto &row = rows[std::size_t(k)];
            QCOMPARE(row.size(), std::size_t(4));
            QCOMPARE(row[0], double(k));
            QCOMPARE(row[1], double(k));
            const double amplitude = k % 2 ? 4 / (pi * k) : 0.0;
            QCOMPARE(row[2], series.amplitude[std::size_t(k)]);
            QVERIFY2(std::abs(row[2] - amplitude) < 1e-3 * 4 / pi, qPrintable(QString::number(k)));
            if (k % 2)
                QVERIFY2(std::abs(row[3] + 0.5) < 1e-3, qPrintable(QString::number(k)));
            if (k == 0 || row[2] == 0)
                QCOMPARE(row[3], 0.0);
        }
    }

    // A CSV that cannot be written undoes the whole export; one that can stands beside the
    // pictures.
    void csvAllOrNothing()
    {
        const catalog::Demonstration *d = catalog::find("pulse-train");
        const std::unique_ptr<QWidget> window = d->make();
        QTemporaryDir dir;
        const QStringList paths{dir.filePath("a.png"), dir.filePath("b.svg"),
                                dir.filePath("missing/c.csv")};
        const QString error = figures::exportFiles(*window, paths, {});
        QVERIFY2(error.contains("c.csv"), qPrintable(error));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
        QCOMPARE(figures::exportFiles(*window, {paths[0], dir.filePath("c.CSV")}, {}), QString());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"a.png", "c.CSV"}));
        QVERIFY(figures::checkSuffix("c.csv").isEmpty());
        QVERIFY(figures::checkSuffix("c.txt").contains(".csv"));
    }

    // Pictures and sounds share the name of the state: id, parameters, time; the second file
    // of a kind in the same second is numbered 2, and a file of another kind does not count.
    void freshNames()
    {
        const catalog::Demonstration *d = catalog::find("shape");
        const std::unique_ptr<QWidget> window = d->make();
        QCOMPARE(catalog::apply(*window, *d, {{"T", "12"}, {"tau1", "8"}}), QString());
        QTemporaryDir dir;
        const QStringList pictures{"png", "svg"};
        const QString first = figures::freshName(*window, dir.path(), pictures);
        static const QRegularExpression form(
            "/shape_T=12_tau1=8_tau2=\\d+_\\d{4}-\\d\\d-\\d\\d_\\d\\d-\\d\\d-\\d\\d$");
        QVERIFY2(form.match(first).hasMatch(), qPrintable(first));
        QVERIFY(QFile(first + ".svg").open(QIODevice::WriteOnly));
        const QString second = figures::freshName(*window, dir.path(), pictures);
        QVERIFY2(second == first + "_2" || (second != first && form.match(second).hasMatch()),
                 qPrintable(second));
        const QString sound = figures::freshName(*window, dir.path(), {"wav"});
        QVERIFY2(form.match(sound).hasMatch(), qPrintable(sound));
    }

    // The workshop's name says what its signal is, whichever source gave it.
    void workshopNames()
    {
        const std::unique_ptr<QWidget> window = catalog::find("workshop")->make();
        auto &w = static_cast<signalWorkshop &>(*window);
        QTemporaryDir dir;
        QFile table(dir.filePath("s.csv"));
        QVERIFY(table.open(QIODevice::WriteOnly) && table.write("t,f\n0,0\n1,1\n") > 0);
        table.close();
        const struct {
            std::function<void()> act;
            const char *name;
        } steps[] = {
            {[&] { w.choosePreset(2); }, "triangle"},
            {[&] { QVERIFY(w.setFormula("sin(2*pi*t)")); }, "formula"},
            {[&] { QVERIFY(!w.setFormula("sin(")); }, "formula"},
            {[&] { w.editAmplitude(3, 0.5); }, "edited"},
            {[&] { QVERIFY(w.openFile(table.fileName())); }, "file"},
            {[&] { w.drawStroke(0.1, 1, 0.2, 1); }, "drawn"},
            {[&] { w.choosePreset(0); }, "sine"},
            {[&] { w.clearSignal(); }, "drawn"},
        };
        for (const auto &step : steps) {
            step.act();
            const QString name = QFileInfo(figures::freshName(w, dir.path(), {"png"})).fileName();
            QVERIFY2(name.startsWith(QStringLiteral("workshop_preset=%1_harmonics=0_")
                                         .arg(QLatin1String(step.name))),
                     qPrintable(name));
        }
    }
};

VELTARN_TEST_MAIN(TestFigures)
#include "test_figures.moc"
