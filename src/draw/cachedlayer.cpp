#include "draw/cachedlayer.h"

#include <QPaintEngine>
#include <QPainter>
#include <QWidget>

#include <cmath>

namespace draw
{

namespace
{

bool isWhole(double v)
{
    return v == std::round(v);
}

// A copy is exact only when the layer's pixels land on whole device pixels at the scale they
// were drawn at; any other painter (a rotated or fractionally placed rendering) gets the layer
// drawn directly.
bool copiesExactly(const QTransform &t)
{
    return t.type() <= QTransform::TxScale && t.m11() == t.m22() && t.m11() > 0 &&
           isWhole(t.dx()) && isWhole(t.dy()) && isWhole(t.m11());
}

} // namespace

CachedLayer::CachedLayer(QWidget &owner) : owner(owner)
{
    owner.setAttribute(Qt::WA_OpaquePaintEvent);
}

void CachedLayer::invalidate(const QRegion &area)
{
    if (!image.isNull())
        stale += area;
}

void CachedLayer::beginLayer(QPainter &layer) const
{
    // The layer's steps expect the painter a widget's paint handler begins with.
    layer.setPen(owner.palette().color(owner.foregroundRole()));
    layer.setFont(owner.font());
    layer.setLayoutDirection(owner.layoutDirection());
}

void CachedLayer::draw(QPainter &p, const Painting &paint)
{
    const QWidget &w = owner;
    const QTransform t = p.deviceTransform();
    const QColor groundNow = w.palette().color(w.backgroundRole());
    // A figure exported as vectors keeps its lines and text as such, never a picture of them;
    // an empty widget has no layer to hold.
    const bool raster = p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster;
    if (!raster || !copiesExactly(t) || w.size().isEmpty()) {
        p.fillRect(w.rect(), groundNow);
        paint(p);
        return;
    }
    const int scale = static_cast<int>(t.m11());
    if (image.isNull() || size != w.size() || image.devicePixelRatio() != scale ||
        font != w.font() || ground != groundNow) {
        size = w.size();
        font = w.font();
        ground = groundNow;
        // The ground is opaque, so the layer needs no alpha channel, and without one its copy
        // is a plain copy of rows rather than a blend.
        image = QImage(size * scale, QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        image.fill(ground);
        QPainter layer(&image);
        beginLayer(layer);
        paint(layer);
        stale = QRegion();
    } else if (!stale.isEmpty()) {
        // Painted with a clip, the steps leave the pixels inside it as they leave them without,
        // but where the clip cuts a slanted straight line (an axis' arrowhead), whose antialiased
        // pixels then differ: the owner's areas keep clear of those.
        QPainter layer(&image);
        for (const QRect &area : stale) {
            layer.save();
            layer.setClipRect(area);
            layer.fillRect(area, ground);
            beginLayer(layer);
            paint(layer);
            layer.restore();
        }
        stale = QRegion();
    }
    // Taken back to device pixels, the copy is a translation the painter blits row by row
    // instead of a scaling it samples.
    p.save();
    p.setRenderHints(p.renderHints(), false);
    p.scale(1.0 / scale, 1.0 / scale);
    const QRectF pixels(image.rect());
    p.drawImage(pixels, image, pixels);
    p.restore();
}

} // namespace draw
