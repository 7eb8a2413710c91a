#include "catalog/catalog.h"
#include "lecture/windowkeys.h"
#include "testsupport.h"
#include "windowing/placement.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QSlider>

#include <vector>

// Every demonstration full screen on the projectors a hall has, at the extremes of its controls:
// every text has the room it needs, and no curve leaves its plot.

namespace
{

using veltarn::catalog::Demonstration;

// A pixel of a curve or a spectral line: a strong colour, unlike the pale grounds and grids, the
// black axes and captions, and the blends of a curve's antialiased edge.
bool strongColour(QRgb pixel)
{
    const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
    return std::max({r, g, b}) - std::min({r, g, b}) > 100;
}

// The plots of a window: its widgets of the program's own classes, as far as they are shown (the
// workshop's row for a real sound is hidden until one is the source).
QList<QWidget *> plotsOf(QWidget &window)
{
    QList<QWidget *> plots;
    for (QWidget *w : window.findChildren<QWidget *>())
        if (QByteArray(w->metaObject()->className()).front() != 'Q' && w->isVisible())
            plots << w;
    return plots;
}

// A curve that reaches a plot's first or last row runs off it there.
QString curveLeaving(QWidget &window)
{
    for (QWidget *plot : plotsOf(window)) {
        const QImage image = plot->grab().toImage();
        for (int y : {0, image.height() - 1})
            for (int x = 0; x < image.width(); ++x)
                if (strongColour(image.pixel(x, y)))
                    return QStringLiteral("%1: a curve at (%2, %3) of %4x%5")
                        .arg(QLatin1String(plot->metaObject()->className()))
                        .arg(x)
                        .arg(y)
                        .arg(image.width())
                        .arg(image.height());
    }
    return {};
}

QString textCut(QWidget &window)
{
    // As the screen shows it: with the layouts following the texts' last changes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    for (QWidget *w : window.findChildren<QWidget *>()) {
        const auto *label = qobject_cast<const QLabel *>(w);
        const auto *button = qobject_cast<const QAbstractButton *>(w);
        if ((label || button) && w->isVisible() && w->width() < w->sizeHint().width())
            return QStringLiteral("\"%1\" is %2 px wide, needs %3")
                .arg(label ? label->text() : button->text())
                .arg(w->width())
                .arg(w->sizeHint().width());
    }
    return {};
}

// Each slider at its minimum, its default and its maximum, in every combination, in the order
// the sliders are listed; a value the window's rules refuse stays refused.
std::vector<std::vector<int>> extremes(const std::vector<QSlider *> &sliders)
{
    std::vector<std::vector<int>> states{{}};
    for (QSlider *s : sliders) {
        std::vector<std::vector<int>> more;
        for (const std::vector<int> &state : states)
            for (int value : {s->minimum(), s->value(), s->maximum()}) {
                more.push_back(state);
                more.back().push_back(value);
            }
        states = more;
    }
    return states;
}

} // namespace

class TestFit : public QObject
{
    Q_OBJECT

private slots:
    void windows_data()
    {
        QTest::addColumn<int>("screen");
        QTest::addColumn<QString>("id");
        const QList<QScreen *> screens = QGuiApplication::screens();
        for (int s = 0; s < screens.size(); ++s)
            for (const Demonstration &d : veltarn::catalog::demonstrations())
                QTest::addRow("%s %s", qPrintable(screens.at(s)->name()), d.id)
                    << s << QString::fromLatin1(d.id);
    }
    void windows()
    {
        QFETCH(int, screen);
        QFETCH(QString, id);
        const Demonstration &d = *veltarn::catalog::find(id);
        QWidget parent;
        veltarn::showFullScreen(parent, QGuiApplication::screens().at(screen));
        QPointer<QWidget> window = &lecture::openWindow(d.make(), parent);
        // The offscreen platform warns when a shown window's minimum size changes (a readout
        // growing a digit); held explicitly, it stays put.
        window->setMinimumSize(window->minimumSize());
        QTRY_COMPARE(window->geometry(), window->screen()->geometry());
        QCOMPARE(window->screen(), QGuiApplication::screens().at(screen));

        std::vector<QSlider *> sliders;
        for (const veltarn::catalog::Parameter &p : d.parameters)
            if (p.slider)
                sliders.push_back(window->findChild<QSlider *>(QLatin1String(p.slider)));
        if (sliders.empty()) {
            // A synthesis window at rest and with every harmonic summed.
            QVERIFY2(curveLeaving(*window).isEmpty(), qPrintable(curveLeaving(*window)));
            QCOMPARE(veltarn::catalog::apply(*window, d,
                                             {{QStringLiteral("harmonics"), QStringLiteral("20")}}),
                     QString());
        } else {
            const std::vector<int> defaults = [&] {
                std::vector<int> v;
                for (QSlider *s : sliders)
                    v.push_back(s->value());
                return v;
            }();
            for (const std::vector<int> &state : extremes(sliders)) {
                for (std::size_t i = 0; i < sliders.size(); ++i)
                    sliders[i]->setValue(state[i]);
                const QString leaving = curveLeaving(*window);
                QVERIFY2(
                    leaving.isEmpty(),
                    qPrintable(QStringLiteral("%1 at %2")
                                   .arg(leaving, veltarn::catalog::describeState(*window, d))));
                for (std::size_t i = sliders.size(); i-- > 0;)
                    sliders[i]->setValue(defaults[i]);
            }
        }
        QVERIFY2(curveLeaving(*window).isEmpty(), qPrintable(curveLeaving(*window)));
        QVERIFY2(textCut(*window).isEmpty(), qPrintable(textCut(*window)));
        window->close();
    }
};

VELTARN_TEST_MAIN(TestFit)
#include "test_fit.moc"
