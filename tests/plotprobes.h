#pragma once

// Probes shared by the tests of the parameter demonstrations.

#include "draw/pixelframe.h"
#include "testsupport.h"

#include <initializer_list>
#include <vector>

namespace testsupport
{

// A plot standing alone, with the font its window would give it, painted at `size`.
inline QImage grabPlot(QWidget &plot, QSize size)
{
    plot.setFont(plotFont());
    return grab(plot, size);
}

// True when some pixel of row y, across the whole image, matches.
inline bool rowHas(const QImage &img, int y, const QColor &expected, int tolerance = 40)
{
    for (int x = 0; x < img.width(); ++x)
        if (pixelIs(img, x, y, expected, tolerance))
            return true;
    return false;
}

// Harmonic n of a line spectrum stands at column 10 + 20·n: a red line from the axis row up (or
// down) by its scaled coefficient · 15 pixels, a dark-blue disc at the tip, and nothing red half
// a step beside it. Pick harmonics at least 12 pixels high, so the line shows beyond the disc.
inline void verifyLineSpectrum(const QImage &img, int axisRow,
                               const std::vector<double> &coefficients,
                               std::initializer_list<int> harmonics)
{
    for (int n : harmonics) {
        const int x = 10 + 20 * n;
        const int height = draw::toPixel(coefficients[std::size_t(n)] * 15);
        VERIFY_PIXEL(img, x, axisRow - height / 2, QColor(Qt::red));
        VERIFY_PIXEL(img, x, axisRow - height, QColor(Qt::darkBlue));
        QVERIFY(!pixelIs(img, x + 10, axisRow - height / 2, Qt::red));
    }
    VERIFY_PIXEL(img, 300, axisRow, QColor(Qt::black)); // the axis between two lines
}

} // namespace testsupport
