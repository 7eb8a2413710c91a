#pragma once

// What every test program shares: its main(), grabbing a widget at a fixed size, comparing colours
// with a tolerance for antialiasing, and fuzzy comparison of doubles.

#include "app/defaultfont.h"
#include "language/language.h"
#include "resources/resources.h"

#include <QApplication>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <QWidget>
#include <QXmlStreamReader>

#include <cmath>

namespace testsupport
{

// The font every demonstration window gives its plots.
inline QFont plotFont()
{
    QFont f;
    f.setPointSize(14);
    f.setBold(true);
    return f;
}

// Paints `w` at the given size into an image of device pixel ratio 1, without showing it.
inline QImage grab(QWidget &w, QSize size)
{
    w.resize(size);
    w.ensurePolished();
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    w.render(&img);
    return img;
}

// A plot standing alone, with the font its window would give it, painted at `size`.
inline QImage grabPlot(QWidget &plot, QSize size = QSize(600, 300))
{
    plot.setFont(plotFont());
    return grab(plot, size);
}

inline bool near(const QColor &a, const QColor &b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance &&
           std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// Whether some pixel of column x is within 40 of `colour` in every channel: an antialiased curve
// passes there.
inline bool columnShows(const QImage &img, int x, const QColor &colour)
{
    for (int y = 0; y < img.height(); ++y)
        if (near(img.pixelColor(x, y), colour, 40))
            return true;
    return false;
}

inline bool fuzzy(double a, double b, double tolerance = 1e-6)
{
    return std::abs(a - b) <= tolerance;
}

// The main menu's buttons in reading order (keys 1 to 7, then "Автор"), with the window each opens.
inline constexpr const char *menuWindows[][2] = {
    {"startHarmonicRectangle", "harmonic"},
    {"startPeriodicSpectres", "periodicSignalDependences"},
    {"startHarmonicTriangle", "harmonicTriangle"},
    {"startSignalDependence", "signalDependence"},
    {"startHarmonicTrapeze", "harmonicTrapeze"},
    {"startAmplitudeModSignal", "amplitudeModulatedSignal"},
    {"startWorkshop", "signalWorkshop"},
    {"Author", "author"}};

// Clicks a main-menu button and returns the window it opened. The offscreen platform warns each
// time a shown window's minimum size changes (a readout growing a digit); held explicitly, it
// stays put.
inline QWidget *openFromMenu(QWidget &menu, const char *button)
{
    const QWidgetList before = QApplication::topLevelWidgets();
    menu.findChild<QPushButton *>(QLatin1String(button))->click();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (!before.contains(w) && w->isVisible()) { // not a combo box's hidden list
            w->setMinimumSize(w->minimumSize());
            return w;
        }
    return nullptr;
}

// Waits until `plot` has not glided for `frames` frames in a row.
template <typename Plot> bool settle(const Plot &plot, int frames = 4)
{
    int quiet = 0;
    for (int i = 0; i < 500 && quiet < frames; ++i) {
        QTest::qWait(20);
        quiet = plot.isAnimating() ? 0 : quiet + 1;
    }
    return quiet == frames;
}

// Whether `text` holds a Cyrillic letter: what no English text may.
inline bool hasCyrillic(const QString &text)
{
    for (const QChar c : text)
        if (c.script() == QChar::Script_Cyrillic)
            return true;
    return false;
}

// The texts an SVG figure draws, and its title, in the order written.
inline QStringList svgTexts(const QByteArray &svg)
{
    QStringList texts;
    QXmlStreamReader xml(svg);
    while (xml.readNextStartElement() || !xml.atEnd())
        if (xml.isStartElement() && (xml.name() == u"text" || xml.name() == u"title"))
            texts << xml.readElementText(QXmlStreamReader::IncludeChildElements);
    return texts;
}

} // namespace testsupport

// Like QTEST_MAIN, with the compiled-in images registered and the program's default font set
// first, in the language VELTARN_TEST_LANGUAGE names (Russian, the default, without it).
#define VELTARN_TEST_MAIN(TestClass)                                                               \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        QApplication app(argc, argv);                                                              \
        veltarn::initResources();                                                                  \
        veltarn::setDefaultFont();                                                                 \
        const QString code = qEnvironmentVariable("VELTARN_TEST_LANGUAGE");                        \
        if (!veltarn::language::use(code.isEmpty() ? veltarn::language::codes().constFirst()       \
                                                   : code))                                        \
            return 2;                                                                              \
        TestClass tc;                                                                              \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }
