#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
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
// image at whole device pixels (a vector figure, a rotated or fractionally placed rendering), or
// for a widget that does not fill its own ground, the layer is drawn directly instead.
class CachedLayer
{
public:
    using Painting = std::function<void(QPainter &)>;

    // Puts the layer at the widget's top left corner. `paint` draws it as the widget's own
    // paint handler would, on a painter that starts as the widget's painter starts, over the
    // widget's ground.
    void draw(QPainter &p, const QWidget &w, const Painting &paint);
    // For state the layer shows that only its owner knows of.
    void invalidate() { image = QImage(); }

private:
    QImage image;
    QSize size;
    QFont font;
    QColor ground;
};

} // namespace draw
