#include "draw/cachedlayer.h"
#include "draw/plotpainting.h"
#include "harmonics/harmonic.h" // the windows' forms bring their plots' headers
#include "modulation/amplitudemodulatedsignal.h"
#include "pulsetrain/periodicsignaldependences.h"
#include "shape/signaldependence.h"
#include "testsupport.h"

#include <functional>
#include <limits>
#include <memory>

using Factory = std::function<std::unique_ptr<QWidget>()>;
using Change = std::function<void(QWidget &)>;
Q_DECLARE_METATYPE(Factory)
Q_DECLARE_METATYPE(Change)

namespace
{
// A row named after the plot's class: a plot made afresh, and a change of its parameters.
template <class Plot> void row(Change change = {})
{
    QTest::newRow(Plot::staticMetaObject.className())
        << Factory([] { return std::make_unique<Plot>(); }) << change;
}

template <class Plot, typename... A> Change call(void (Plot::*slot)(A...), A... args)
{
    return [=](QWidget &w) { (static_cast<Plot &>(w).*slot)(args...); };
}

QImage paintAt(QWidget &plot, QSize size, int dpr)
{
    plot.resize(size);
    QImage img(size * dpr, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::transparent);
    plot.render(&img);
    return img;
}

// A layer that counts how often it is painted.
class CountingPlot : public QWidget
{
public:
    CountingPlot()
    {
        setPalette(QPalette(QColor(240, 255, 240)));
        setAutoFillBackground(true);
    }
    int layerPaints = 0;
    draw::CachedLayer layer{*this};

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        layer.draw(p, [this](QPainter &l) {
            ++layerPaints;
            l.drawLine(0, 0, width(), height());
        });
    }
};

} // namespace

class TestDraw : public QObject
{
    Q_OBJECT

private slots:
    // Truncation toward zero, defined for every double a slot can make.
    void toPixel()
    {
        const double inf = std::numeric_limits<double>::infinity();
        const std::pair<double, int> cases[] = {{61.99, 61},    {-61.99, -61},
                                                {-0.5, 0},      {std::nan(""), 0},
                                                {inf, 1000000}, {-inf, -1000000}};
        for (const auto &[value, expected] : cases)
            QCOMPARE(draw::toPixel(value), expected);
    }

    // A plot painted through a series of sizes, device pixel ratios, fonts, grounds and a change
    // of its parameters shows at every step exactly what a plot made afresh for that step shows.
    // The synthesis plots keep their layer in their base classes: one of each stands for three.
    void matchesAFreshPlotThroughChanges_data()
    {
        QTest::addColumn<Factory>("factory");
        QTest::addColumn<Change>("change");
        row<FieldFunc>(call(&synthesisPlot::addHarmonic));
        row<FieldSpec>(call(&synthesisSpectrum::moveSpec));
        row<fieldReperFuncPeriodic>();
        row<fieldReperSpecPeriodic>();
        row<fieldDynamicFuncPeriodic>(call(&fieldDynamicFuncPeriodic::periodValueChanged, 6));
        row<fieldDynamicSpecPeriodic>(call(&fieldDynamicSpecPeriodic::periodValueChanged, 6));
        row<fieldDependenceFuncReper>();
        row<fieldDependenceSpecReper>();
        row<fieldDependenceFuncDynamic>(call(&fieldDependenceFuncDynamic::periodValueChanged, 30));
        row<fieldDependenceSpecDynamic>(call(&fieldDependenceSpecDynamic::periodValueChanged, 30));
        row<fieldAmplitudeFunReper>();
        row<fieldAmplitudeSpecReper>();
        row<fieldAmplitudeFunDynamic>(call(&fieldAmplitudeFunDynamic::omegaMValueChanged, 150));
        row<fieldAmplitudeSpecDynamic>(call(&fieldAmplitudeSpecDynamic::omegaMValueChanged, 2));
    }
    void matchesAFreshPlotThroughChanges()
    {
        QFETCH(Factory, factory);
        QFETCH(Change, change);
        // Width, height, device pixel ratio, point size, white ground, parameters changed.
        const int moments[][6] = {
            {600, 300, 1, 14, 0, 0}, {600, 300, 1, 14, 0, 0}, {600, 300, 2, 14, 0, 0},
            {640, 330, 2, 14, 0, 0}, {640, 330, 1, 14, 0, 0}, {640, 330, 1, 14, 0, 1},
            {640, 330, 1, 18, 0, 1}, {640, 330, 1, 18, 1, 1}, {600, 300, 2, 18, 1, 1}};
        const std::unique_ptr<QWidget> kept = factory();
        const auto bringTo = [&change](QWidget &plot, const int *m, bool changeNow) {
            QFont font = testsupport::plotFont();
            font.setPointSize(m[3]);
            plot.setFont(font);
            if (m[4])
                plot.setPalette(QPalette(Qt::white));
            if (changeNow && change)
                change(plot);
        };
        bool keptChanged = false;
        for (const auto &m : moments) {
            bringTo(*kept, m, m[5] && !keptChanged);
            keptChanged = m[5];
            const std::unique_ptr<QWidget> fresh = factory();
            bringTo(*fresh, m, m[5]);
            const QSize size(m[0], m[1]);
            QVERIFY2(paintAt(*kept, size, m[2]) == paintAt(*fresh, size, m[2]),
                     qPrintable(QStringLiteral("moment %1").arg(&m - moments)));
        }
    }

    // The layer is painted once and then copied, until the device pixel ratio changes or it is
    // invalidated; squeezed to no height (a window made very small) it is painted directly.
    void paintedOnceThenCopied()
    {
        CountingPlot plot;
        for (const int dpr : {1, 1, 2, 2, 1})
            paintAt(plot, QSize(300, 200), dpr);
        QCOMPARE(plot.layerPaints, 3);
        plot.layer.invalidate();
        paintAt(plot, plot.size(), 1);
        QCOMPARE(plot.layerPaints, 4);
        plot.resize(300, 0);
        QImage pixel(1, 1, QImage::Format_ARGB32_Premultiplied);
        plot.render(&pixel, QPoint(), QRegion(0, 0, 1, 1));
        QCOMPARE(plot.layerPaints, 5);
    }
};

VELTARN_TEST_MAIN(TestDraw)
#include "test_draw.moc"
