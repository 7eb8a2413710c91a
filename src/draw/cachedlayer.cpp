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

// Antialiased edges over the ground blend alike in either image format, but the copy is then
// a plain blit only when the formats agree.
QImage::Format formatFor(const QPainter &p)
{
    const QPaintDevice *target = p.paintEngine() ? p.paintEngine()->paintDevice() : nullptr;
    if (target && target->devType() == QInternal::Image) {
        const QImage::Format f = static_cast<const QImage *>(target)->format();
        if (f == QImage::Format_RGB32 || f == QImage::Format_ARGB32_Premultiplied)
            return f;
    }
    return QImage::Format_ARGB32_Premultiplied;
}

} // namespace

CachedLayer::CachedLayer(QWidget &owner)
{
    owner.setAttribute(Qt::WA_OpaquePaintEvent);
}

void CachedLayer::draw(QPainter &p, const QWidget &w, const Painting &paint)
{
    const QTransform t = p.deviceTransform();
    redrawn = true;
    // Without a ground of its own the widget shows what lies beneath, which the layer cannot
    // hold.
    if (!w.autoFillBackground()) {
        paint(p);
        return;
    }
    if (!copiesExactly(t)) {
        p.fillRect(w.rect(), w.palette().brush(w.backgroundRole()));
        paint(p);
        return;
    }
    const int scale = static_cast<int>(t.m11());
    const QColor groundNow = w.palette().color(w.backgroundRole());
    const QImage::Format format = formatFor(p);
    if (image.isNull() || size != w.size() || image.devicePixelRatio() != scale ||
        image.format() != format || font != w.font() || ground != groundNow) {
        size = w.size();
        font = w.font();
        ground = groundNow;
        image = QImage(size * scale, format);
        image.setDevicePixelRatio(scale);
        image.fill(ground);
        QPainter layer(&image);
        // As a widget's painter starts.
        layer.setPen(w.palette().color(w.foregroundRole()));
        layer.setFont(w.font());
        layer.setLayoutDirection(w.layoutDirection());
        paint(layer);
    } else {
        redrawn = false;
    }
    p.save();
    p.setRenderHints(p.renderHints(), false);
    p.drawImage(QPoint(0, 0), image);
    p.restore();
}

} // namespace draw
