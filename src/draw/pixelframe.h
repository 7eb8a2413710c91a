#pragma once

#include <QSize>

#include <cmath>

namespace draw
{

// Computed coordinates are truncated toward zero. The conversion is defined for every double:
// NaN (a zero period fed straight into a slot) maps to 0, and values beyond any screen are held
// at a limit the painter still clips exactly, so no plot can overflow an int.
constexpr double pixelLimit = 1.0e6;

inline int toPixel(double v)
{
    if (std::isnan(v))
        return 0;
    if (v > pixelLimit)
        return static_cast<int>(pixelLimit);
    if (v < -pixelLimit)
        return -static_cast<int>(pixelLimit);
    return static_cast<int>(v);
}

// Where a plot puts its origin and how many pixels one unit takes. `extent` is the doubled
// origin (2·cx, 2·cy), which is what the grid and the axes span; it may differ from the widget
// size by one pixel, or exceed it where the axis lies below the middle.
struct PixelFrame {
    int originX = 0;
    int originY = 0;
    int extentX = 0;
    int extentY = 0;
    double scaleX = 1.0;
    double scaleY = 1.0;

    int x(double t) const { return toPixel(originX + t * scaleX); }
    int mirrorX(double t) const { return toPixel(originX - t * scaleX); }
    int y(double v) const { return toPixel(originY - v * scaleY); }

    // Origin at the middle: cx = W/2, cy = H/2.
    static PixelFrame centred(QSize size, double scaleX, double scaleY)
    {
        return withAxisRow(size, size.height() / 2, scaleX, scaleY);
    }

    // Vertical axis in the middle, time axis at the given row.
    static PixelFrame withAxisRow(QSize size, int axisRow, double scaleX, double scaleY)
    {
        const int cx = size.width() / 2;
        return {cx, axisRow, 2 * cx, 2 * axisRow, scaleX, scaleY};
    }

    // Vertical axis at a fixed column from the left edge (spectra), frequency axis at a row.
    static PixelFrame spectrum(QSize size, int axisColumn, int axisRow, double scaleX,
                               double scaleY)
    {
        return {axisColumn, axisRow, size.width(), 2 * axisRow, scaleX, scaleY};
    }
};

} // namespace draw
