#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRegion>
#include <QSize>

#include <functional>

class QPainter;
class QWidget;

namespace draw
{

// The part of a plot's picture that stays put while the lecturer works the controls (its
// ground, grid, axes and captions, or a reference plot's whole picture), kept as an image at the
// plot's size and the screen's device pixel ratio. A frame copies it instead of drawing it
// afresh. It is drawn again when the size, the device pixel ratio, the font or the ground
// colour differ from those it was drawn at, or after invalidate(). Painted anywhere but a raster
// image at whole device pixels (a vector figure, a rotated or fractionally placed rendering),
// the layer is drawn directly instead.
//
// The layer lays the owner's ground (its palette's background) itself, so the toolkit is told not
// to fill it first: every pixel of a frame is then written once, not filled and then covered.
class CachedLayer
{
public:
    using Painting = std::function<void(QPainter &)>;

    explicit CachedLayer(QWidget &owner);

    // Puts the layer at the owner's top left corner. `paint` draws it as the owner's paint
    // handler would, on a painter that starts as the owner's painter starts, over its ground.
    void draw(QPainter &p, const Painting &paint);
    // For state the layer shows that only its owner knows of.
    void invalidate() { image = QImage(); }
    // The same for a part of the layer: with the next draw only that part is drawn again, by
    // `paint` on a painter clipped to each of its rectangles in turn. Its edges must not cut a
    // slanted straight line of the layer (an arrowhead), whose pixels a clip changes.
    void invalidate(const QRegion &area);

private:
    // A painter on the layer's image that starts as the owner's painter starts.
    void beginLayer(QPainter &layer) const;

    QWidget &owner;
    QImage image;
    QSize size;
    QFont font;
    QColor ground;
    QRegion stale;
};

} // namespace draw
