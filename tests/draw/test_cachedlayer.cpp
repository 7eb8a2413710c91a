#include "draw/cachedlayer.h"
#include "harmonics/fieldfunc.h"
#include "harmonics/fieldfuncharmonictrapeze.h"
#include "harmonics/fieldfuncharmonictriangle.h"
#include "harmonics/fieldspec.h"
#include "harmonics/fieldspecharmonictrapeze.h"
#include "harmonics/fieldspecharmonictriangle.h"
#include "modulation/fieldamplitudefundynamic.h"
#include "modulation/fieldamplitudefunreper.h"
#include "modulation/fieldamplitudespecdynamic.h"
#include "modulation/fieldamplitudespecreper.h"
#include "pulsetrain/fielddynamicfuncperiodic.h"
#include "pulsetrain/fielddynamicspecperiodic.h"
#include "pulsetrain/fieldreperfuncperiodic.h"
#include "pulsetrain/fieldreperspecperiodic.h"
#include "shape/fielddependencefuncdynamic.h"
#include "shape/fielddependencefuncreper.h"
#include "shape/fielddependencespecdynamic.h"
#include "shape/fielddependencespecreper.h"
#include "testsupport.h"

#include <functional>
#include <memory>

using Factory = std::function<std::unique_ptr<QWidget>()>;
using Change = std::function<void(QWidget &)>;
Q_DECLARE_METATYPE(Factory)
Q_DECLARE_METATYPE(Change)

namespace
{

template <class Plot> Factory make()
{
    return [] { return std::make_unique<Plot>(); };
}

template <class Plot> Change call(void (Plot::*slot)(int), int value)
{
    return [slot, value](QWidget &w) { (static_cast<Plot &>(w).*slot)(value); };
}

template <class Plot> Change call(void (Plot::*slot)())
{
    return [slot](QWidget &w) { (static_cast<Plot &>(w).*slot)(); };
}

// What a plot shows at one moment: its size, the device pixel ratio of the screen, its font and
// its ground, and whether the lecturer has worked its control yet.
struct Moment {
    QSize size;
    int dpr;
    int pointSize;
    QColor ground; // invalid: the plot's own
    bool changed;
};

QImage paintAt(QWidget &plot, QSize size, int dpr)
{
    plot.resize(size);
    QImage img(size * dpr, QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    img.fill(Qt::transparent);
    plot.render(&img);
    return img;
}

void bringTo(QWidget &plot, const Moment &m, const Change &change, bool &changed)
{
    QFont font = testsupport::plotFont();
    font.setPointSize(m.pointSize);
    plot.setFont(font);
    if (m.ground.isValid())
        plot.setPalette(QPalette(m.ground));
    if (m.changed && !changed) {
        change(plot);
        changed = true;
    }
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
    draw::CachedLayer layer;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        layer.draw(p, *this, [this](QPainter &l) {
            ++layerPaints;
            l.drawLine(0, 0, width(), height());
        });
    }
};

} // namespace

class TestCachedLayer : public QObject
{
    Q_OBJECT

private slots:
    // A plot painted through a series of sizes, device pixel ratios, fonts, grounds and a change
    // of its parameters shows at every step exactly what a plot made afresh for that step shows:
    // a layer kept past a change it depends on would show the old picture.
    void matchesAFreshPlotThroughChanges_data()
    {
        QTest::addColumn<Factory>("factory");
        QTest::addColumn<Change>("change");
        QTest::newRow("FieldFunc") << make<FieldFunc>() << call(&synthesisPlot::addHarmonic);
        QTest::newRow("fieldFuncHarmonicTriangle")
            << make<fieldFuncHarmonicTriangle>() << call(&synthesisPlot::addHarmonic);
        QTest::newRow("fieldFuncHarmonicTrapeze")
            << make<fieldFuncHarmonicTrapeze>() << call(&synthesisPlot::addHarmonic);
        QTest::newRow("FieldSpec") << make<FieldSpec>() << call(&synthesisSpectrum::moveSpec);
        QTest::newRow("fieldSpecHarmonicTriangle")
            << make<fieldSpecHarmonicTriangle>() << call(&synthesisSpectrum::moveSpec);
        QTest::newRow("fieldSpecHarmonicTrapeze")
            << make<fieldSpecHarmonicTrapeze>() << call(&synthesisSpectrum::moveSpec);
        QTest::newRow("fieldReperFuncPeriodic")
            << make<fieldReperFuncPeriodic>() << Change([](QWidget &) {});
        QTest::newRow("fieldReperSpecPeriodic")
            << make<fieldReperSpecPeriodic>() << Change([](QWidget &) {});
        QTest::newRow("fieldDynamicFuncPeriodic")
            << make<fieldDynamicFuncPeriodic>()
            << call(&fieldDynamicFuncPeriodic::periodValueChanged, 6);
        QTest::newRow("fieldDynamicSpecPeriodic")
            << make<fieldDynamicSpecPeriodic>()
            << call(&fieldDynamicSpecPeriodic::periodValueChanged, 6);
        QTest::newRow("fieldDependenceFuncReper")
            << make<fieldDependenceFuncReper>() << Change([](QWidget &) {});
        QTest::newRow("fieldDependenceSpecReper")
            << make<fieldDependenceSpecReper>() << Change([](QWidget &) {});
        QTest::newRow("fieldDependenceFuncDynamic")
            << make<fieldDependenceFuncDynamic>()
            << call(&fieldDependenceFuncDynamic::periodValueChanged, 30);
        QTest::newRow("fieldDependenceSpecDynamic")
            << make<fieldDependenceSpecDynamic>()
            << call(&fieldDependenceSpecDynamic::periodValueChanged, 30);
        QTest::newRow("fieldAmplitudeFunReper")
            << make<fieldAmplitudeFunReper>() << Change([](QWidget &) {});
        QTest::newRow("fieldAmplitudeSpecReper")
            << make<fieldAmplitudeSpecReper>() << Change([](QWidget &) {});
        QTest::newRow("fieldAmplitudeFunDynamic")
            << make<fieldAmplitudeFunDynamic>()
            << call(&fieldAmplitudeFunDynamic::omegaMValueChanged, 150);
        QTest::newRow("fieldAmplitudeSpecDynamic")
            << make<fieldAmplitudeSpecDynamic>()
            << call(&fieldAmplitudeSpecDynamic::omegaMValueChanged, 2);
    }
    void matchesAFreshPlotThroughChanges()
    {
        QFETCH(Factory, factory);
        QFETCH(Change, change);
        const QColor keep;
        const Moment moments[] = {
            {{600, 300}, 1, 14, keep, false},     {{600, 300}, 1, 14, keep, false},
            {{600, 300}, 2, 14, keep, false},     {{640, 330}, 2, 14, keep, false},
            {{640, 330}, 1, 14, keep, false},     {{640, 330}, 1, 14, keep, true},
            {{640, 330}, 1, 18, keep, true},      {{640, 330}, 1, 18, Qt::white, true},
            {{600, 300}, 2, 18, Qt::white, true},
        };
        const std::unique_ptr<QWidget> kept = factory();
        bool keptChanged = false;
        for (const Moment &m : moments) {
            bringTo(*kept, m, change, keptChanged);
            const std::unique_ptr<QWidget> fresh = factory();
            bool freshChanged = false;
            bringTo(*fresh, m, change, freshChanged);
            const QImage expected = paintAt(*fresh, m.size, m.dpr);
            const QImage shown = paintAt(*kept, m.size, m.dpr);
            const QString where = QStringLiteral("%1x%2 at DPR %3, %4 pt%5%6")
                                      .arg(m.size.width())
                                      .arg(m.size.height())
                                      .arg(m.dpr)
                                      .arg(m.pointSize)
                                      .arg(m.ground.isValid() ? ", white ground" : "")
                                      .arg(m.changed ? ", changed" : "");
            QVERIFY2(shown == expected, qPrintable(where));
        }
    }

    // The layer is painted once and then copied, until something it depends on changes.
    void paintedAgainOnlyWhenItsInputsChange_data()
    {
        QTest::addColumn<Change>("change");
        QTest::addColumn<bool>("paintsAgain");
        QTest::newRow("nothing") << Change([](QWidget &) {}) << false;
        QTest::newRow("size") << Change([](QWidget &w) { w.resize(300, 201); }) << true;
        QTest::newRow("font") << Change([](QWidget &w) {
            QFont f = w.font();
            f.setPointSize(f.pointSize() + 3);
            w.setFont(f);
        }) << true;
        QTest::newRow("ground") << Change([](QWidget &w) { w.setPalette(QPalette(Qt::white)); })
                                << true;
        QTest::newRow("invalidated")
            << Change([](QWidget &w) { static_cast<CountingPlot &>(w).layer.invalidate(); })
            << true;
    }
    void paintedAgainOnlyWhenItsInputsChange()
    {
        QFETCH(Change, change);
        QFETCH(bool, paintsAgain);
        for (const int dpr : {1, 2}) {
            CountingPlot plot;
            paintAt(plot, QSize(300, 200), dpr);
            paintAt(plot, QSize(300, 200), dpr);
            QCOMPARE(plot.layerPaints, 1);
            change(plot);
            paintAt(plot, plot.size(), dpr);
            QCOMPARE(plot.layerPaints, paintsAgain ? 2 : 1);
            paintAt(plot, plot.size(), 3 - dpr);
            QCOMPARE(plot.layerPaints, paintsAgain ? 3 : 2);
        }
    }
};

VELTARN_TEST_MAIN(TestCachedLayer)
#include "test_cachedlayer.moc"
