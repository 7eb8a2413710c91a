#pragma once

// Probes shared by the tests of the parameter demonstrations.

#include "draw/pixelframe.h"
#include "testsupport.h"

#include <tuple>

namespace testsupport
{

// True when the unbroken run of `colour` on row y through the middle of [from, to] ends within
// three columns of both (pen caps and antialiasing blur the ends).
inline bool spans(const QImage &img, int y, int from, int to, const QColor &colour)
{
    int first = (from + to) / 2, last = first;
    if (!pixelIs(img, first, y, colour))
        return false;
    while (pixelIs(img, first - 1, y, colour))
        --first;
    while (pixelIs(img, last + 1, y, colour))
        ++last;
    return std::abs(first - from) <= 3 && std::abs(last - to) <= 3;
}

// Harmonic n of `s` stands at column 10 + 20·n·frequencyScale: a red line from the axis row up
// (or down) by its scaled coefficient · 15 pixels, a dark-blue disc at the tip, nothing red half a
// step beside it. Lines shorter than 12 pixels (hidden by their disc) or beyond the top are
// skipped.
template <typename Signal> void verifyLineSpectrum(const QImage &img, int axisRow, const Signal &s)
{
    const double step = 20 * s.frequencyScale;
    for (std::size_t n = 0; 10 + step * (n + 1) < img.width(); ++n) {
        const int x = draw::toPixel(10 + step * n), height = draw::toPixel(s.coefficients[n] * 15);
        if (std::abs(height) < 12 || height > axisRow)
            continue;
        VERIFY_PIXEL(img, x, axisRow - height / 2, QColor(Qt::red));
        VERIFY_PIXEL(img, x, axisRow - height, QColor(Qt::darkBlue));
        QVERIFY(!pixelIs(img, draw::toPixel(x + step / 2), axisRow - height / 2, Qt::red));
    }
    VERIFY_PIXEL(img, draw::toPixel(10 + step / 2), axisRow, QColor(Qt::black)); // the axis
}

// Appends "name value" to `heard` for every value `sender` announces through `signal`.
template <typename Sender>
void listen(QStringList &heard, Sender &sender, void (Sender::*signal)(int), const char *name)
{
    QObject::connect(&sender, signal, &sender, [&heard, name](int v) {
        heard << QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(v);
    });
}

} // namespace testsupport
