#pragma once

#include "draw/pixelframe.h"

#include <QColor>
#include <QPen>
#include <QString>

#include <vector>

class QPainter;

// Drawing steps shared by every plot: pens, grids, axes with arrowheads, captions placed at the
// left end of their base line, spectral lines with their discs and curves mirrored about the
// vertical axis. Every plot paints with these, so a picture differs from another only in its
// frame, its pens and its data.
namespace draw
{

namespace glyph
{
inline const QChar omega(0x03C9);
inline const QChar capitalOmega(0x03A9);
inline const QChar pi(0x03C0);
inline const QChar tau(0x03C4);
inline const QChar emDash(0x2014);
} // namespace glyph

// Solid pen with bevel joins, the only kind the plots use.
QPen makePen(const QColor &colour, double width, Qt::PenCapStyle cap);

inline const QColor gridColour(200, 200, 200);

// Grid symmetric about the frame's origin: columns origin ± k·stepX while inside the extent,
// rows origin ± k·stepY likewise, each spanning the whole extent. A non-positive step draws no
// lines in that direction.
void drawMirroredGrid(QPainter &p, const PixelFrame &f, int stepX, int stepY);

// Grid of a spectrum: columns at origin + k·stepX (k ≥ 1) while k·stepX < extentX, from row 0
// to the extent; rows mirrored about the frequency axis as in drawMirroredGrid.
void drawSpectrumGrid(QPainter &p, const PixelFrame &f, int stepX, int stepY);

// Vertical axis at column x from row 0 to `bottom`, arrowhead at the top.
void drawVerticalAxis(QPainter &p, int x, int bottom);
// Horizontal axis at row y from column 0 to `right`, arrowhead at the right end.
void drawHorizontalAxis(QPainter &p, int y, int right);

// Text whose base line starts at (x, y), in the painter's current font and pen.
void drawCaption(QPainter &p, int x, int y, const QString &text);

// The fraction 2π/T naming the line spacing: numerator at (x − 2, y), bar at (x + 2, y + 10),
// denominator at (x + 4, y + 25).
void drawFundamentalFraction(QPainter &p, int x, int y);

// "S(ω)", the usual caption of a spectrum's vertical axis.
QString spectrumAxisCaption();

// One spectral line from the axis row to its tip, then a disc at the tip.
void drawSpectralLine(QPainter &p, int x, int axisRow, int tipRow, const QPen &linePen,
                      const QPen &discPen);

// A sampled function drawn as separate segments (not a polyline); times[i] is the time of
// samples[i]. Nothing is drawn for fewer than two samples.
void drawCurve(QPainter &p, const PixelFrame &f, const std::vector<double> &times,
               const std::vector<double> &samples);

// A sampled even function drawn as separate segments (not a polyline) for t ≥ 0 and mirrored to
// t ≤ 0; times[i] is the time of samples[i]. Nothing is drawn for fewer than two samples.
void drawMirroredCurve(QPainter &p, const PixelFrame &f, const std::vector<double> &times,
                       const std::vector<double> &samples);

} // namespace draw
