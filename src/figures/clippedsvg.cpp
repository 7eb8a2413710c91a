#include "figures/clippedsvg.h"

#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPixmap>
#include <QSvgGenerator>
#include <QTextItem>

#include <algorithm>
#include <optional>

namespace veltarn::figures
{

namespace
{

// What the SVG generator's own engine offers, so the painter hands this one the same calls.
const QPaintEngine::PaintEngineFeatures svgFeatures =
    QPaintEngine::PaintEngineFeatures(QPaintEngine::AllFeatures) &
    ~(QPaintEngine::PatternBrush | QPaintEngine::PerspectiveTransform |
      QPaintEngine::ConicalGradientFill | QPaintEngine::PorterDuff);

// The outline a pen paints along `shape`; a cosmetic hairline is one pixel wide.
QPainterPath strokeOf(const QPainterPath &shape, const QPen &pen)
{
    QPainterPathStroker stroker(pen);
    if (pen.widthF() == 0.0)
        stroker.setWidth(1.0);
    return stroker.createStroke(shape);
}

// Further than a pen's paint reaches beyond the line it follows: half its width, or half a
// miter's length.
qreal reachOf(const QPen &pen)
{
    if (pen.style() == Qt::NoPen)
        return 0.0;
    const qreal width = std::max<qreal>(pen.widthF(), 1.0);
    return pen.joinStyle() == Qt::MiterJoin ? width * std::max<qreal>(pen.miterLimit(), 1.0)
                                            : width;
}

class ClippingEngine : public QPaintEngine
{
public:
    explicit ClippingEngine(QPaintDevice &target) : QPaintEngine(svgFeatures), target(target) {}

    bool begin(QPaintDevice *) override { return out.begin(&target); }
    bool end() override { return out.end(); }
    Type type() const override { return QPaintEngine::SVG; }
    void updateState(const QPaintEngineState &state) override;

    void drawPath(const QPainterPath &path) override;
    void drawPolygon(const QPointF *points, int count, PolygonDrawMode mode) override;
    void drawRects(const QRectF *rects, int count) override;
    void drawLines(const QLineF *lines, int count) override;
    void drawEllipse(const QRectF &rect) override;
    void drawPoints(const QPointF *points, int count) override;
    void drawPixmap(const QRectF &rect, const QPixmap &pixmap, const QRectF &source) override;
    void drawImage(const QRectF &rect, const QImage &image, const QRectF &source,
                   Qt::ImageConversionFlags flags) override;
    void drawTextItem(const QPointF &position, const QTextItem &text) override;

private:
    // The clip in the painter's coordinates: the rendered widget's (the system clip) and the
    // painter's own, or nothing when nothing is clipped.
    std::optional<QPainterPath> clip() const;
    // Draws `shape` through `whole` when the clip leaves it whole, nothing when it lies outside,
    // and otherwise the part inside, filled when `filled`.
    template <class Whole> void draw(const QPainterPath &shape, bool filled, Whole whole);
    // Fills the part of `shape` inside `area` with `brush`; the pen and brush stay as they were.
    void fillInside(const QPainterPath &shape, const QBrush &brush, const QPainterPath &area);
    // The part of an image drawn at `rect` from `source` that the clip leaves; false for none.
    bool cutImage(QRectF &rect, QRectF &source) const;

    QPaintDevice &target;
    QPainter out;
};

void ClippingEngine::updateState(const QPaintEngineState &state)
{
    const DirtyFlags dirty = state.state();
    if (dirty & DirtyPen)
        out.setPen(state.pen());
    if (dirty & DirtyBrush)
        out.setBrush(state.brush());
    if (dirty & DirtyBrushOrigin)
        out.setBrushOrigin(state.brushOrigin());
    if (dirty & DirtyFont)
        out.setFont(state.font());
    if (dirty & DirtyBackground)
        out.setBackground(state.backgroundBrush());
    if (dirty & DirtyBackgroundMode)
        out.setBackgroundMode(state.backgroundMode());
    if (dirty & DirtyTransform)
        out.setTransform(state.transform());
    if (dirty & DirtyHints) {
        out.setRenderHints(out.renderHints(), false);
        out.setRenderHints(state.renderHints());
    }
    if (dirty & DirtyOpacity)
        out.setOpacity(state.opacity());
    if (dirty & DirtyCompositionMode)
        out.setCompositionMode(state.compositionMode());
}

std::optional<QPainterPath> ClippingEngine::clip() const
{
    const QRegion system = systemClip();
    const QPainter *p = painter();
    if (system.isEmpty() && !p->hasClipping())
        return std::nullopt;
    QPainterPath own;
    if (p->hasClipping())
        own = p->clipPath();
    if (system.isEmpty())
        return own;
    QPainterPath widget;
    widget.addRegion(system);
    widget = p->deviceTransform().inverted().map(widget);
    return p->hasClipping() ? widget.intersected(own) : widget;
}

template <class Whole>
void ClippingEngine::draw(const QPainterPath &shape, bool filled, Whole whole)
{
    const std::optional<QPainterPath> area = clip();
    const QPen pen = out.pen();
    const qreal reach = reachOf(pen);
    const QRectF bounds = shape.controlPointRect().adjusted(-reach, -reach, reach, reach);
    if (!area || area->contains(bounds)) {
        whole();
        return;
    }
    if (!area->intersects(bounds))
        return;
    if (filled && out.brush().style() != Qt::NoBrush)
        fillInside(shape, out.brush(), *area);
    if (pen.style() != Qt::NoPen)
        fillInside(strokeOf(shape, pen), pen.brush(), *area);
}

void ClippingEngine::fillInside(const QPainterPath &shape, const QBrush &brush,
                                const QPainterPath &area)
{
    const QPen keptPen = out.pen();
    const QBrush keptBrush = out.brush();
    out.setPen(Qt::NoPen);
    out.setBrush(brush);
    out.drawPath(shape.intersected(area));
    out.setPen(keptPen);
    out.setBrush(keptBrush);
}

void ClippingEngine::drawPath(const QPainterPath &path)
{
    draw(path, true, [&] { out.drawPath(path); });
}

void ClippingEngine::drawPolygon(const QPointF *points, int count, PolygonDrawMode mode)
{
    if (count < 1)
        return;
    QPainterPath shape(points[0]);
    for (int i = 1; i < count; ++i)
        shape.lineTo(points[i]);
    const bool filled = mode != PolylineMode;
    if (filled)
        shape.closeSubpath();
    const Qt::FillRule rule = mode == WindingMode ? Qt::WindingFill : Qt::OddEvenFill;
    shape.setFillRule(rule);
    draw(shape, filled, [&] {
        if (filled)
            out.drawPolygon(points, count, rule);
        else
            out.drawPolyline(points, count);
    });
}

void ClippingEngine::drawRects(const QRectF *rects, int count)
{
    for (int i = 0; i < count; ++i) {
        QPainterPath shape;
        shape.addRect(rects[i]);
        draw(shape, true, [&] { out.drawRect(rects[i]); });
    }
}

void ClippingEngine::drawLines(const QLineF *lines, int count)
{
    for (int i = 0; i < count; ++i) {
        QPainterPath shape(lines[i].p1());
        shape.lineTo(lines[i].p2());
        draw(shape, false, [&] { out.drawLine(lines[i]); });
    }
}

void ClippingEngine::drawEllipse(const QRectF &rect)
{
    QPainterPath shape;
    shape.addEllipse(rect);
    draw(shape, true, [&] { out.drawEllipse(rect); });
}

void ClippingEngine::drawPoints(const QPointF *points, int count)
{
    // A point is its pen's cap, the stroke of a line too short to see.
    for (int i = 0; i < count; ++i) {
        QPainterPath shape(points[i]);
        shape.lineTo(points[i] + QPointF(1.0 / 65536, 0.0));
        draw(shape, false, [&] { out.drawPoint(points[i]); });
    }
}

bool ClippingEngine::cutImage(QRectF &rect, QRectF &source) const
{
    const std::optional<QPainterPath> area = clip();
    if (!area || area->contains(rect))
        return true;
    const QRectF inside = rect & area->boundingRect();
    if (inside.isEmpty())
        return false;
    const qreal sx = source.width() / rect.width(), sy = source.height() / rect.height();
    source =
        QRectF(source.x() + (inside.x() - rect.x()) * sx, source.y() + (inside.y() - rect.y()) * sy,
               inside.width() * sx, inside.height() * sy);
    rect = inside;
    return true;
}

void ClippingEngine::drawPixmap(const QRectF &rect, const QPixmap &pixmap, const QRectF &source)
{
    drawImage(rect, pixmap.toImage(), source, Qt::AutoColor);
}

void ClippingEngine::drawImage(const QRectF &rect, const QImage &image, const QRectF &source,
                               Qt::ImageConversionFlags flags)
{
    QRectF to = rect, from = source;
    if (!cutImage(to, from))
        return;
    // The generator writes the whole image whatever part is asked for, so it gets only that part.
    const QRect part = from.toRect();
    out.drawImage(to, part == image.rect() ? image : image.copy(part),
                  QRectF(QPointF(), part.size()), flags);
}

void ClippingEngine::drawTextItem(const QPointF &position, const QTextItem &text)
{
    QPainterPath glyphs;
    glyphs.addText(position, text.font(), text.text());
    const std::optional<QPainterPath> area = clip();
    const QRectF bounds = glyphs.boundingRect();
    if (!area || area->contains(bounds)) {
        out.drawTextItem(position, text);
        return;
    }
    if (area->intersects(bounds))
        fillInside(glyphs, out.pen().brush(), *area);
}

} // namespace

ClippedSvgDevice::ClippedSvgDevice(QSvgGenerator &generator)
    : generator(generator), engine(std::make_unique<ClippingEngine>(generator))
{
}

ClippedSvgDevice::~ClippedSvgDevice() = default;

QPaintEngine *ClippedSvgDevice::paintEngine() const
{
    return engine.get();
}

int ClippedSvgDevice::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return generator.width();
    case PdmHeight:
        return generator.height();
    case PdmWidthMM:
        return generator.widthMM();
    case PdmHeightMM:
        return generator.heightMM();
    case PdmNumColors:
        return generator.colorCount();
    case PdmDepth:
        return generator.depth();
    case PdmDpiX:
        return generator.logicalDpiX();
    case PdmDpiY:
        return generator.logicalDpiY();
    case PdmPhysicalDpiX:
        return generator.physicalDpiX();
    case PdmPhysicalDpiY:
        return generator.physicalDpiY();
    case PdmDevicePixelRatio:
        return qRound(generator.devicePixelRatio());
    case PdmDevicePixelRatioScaled:
        return qRound(generator.devicePixelRatio() * devicePixelRatioFScale());
    }
    return QPaintDevice::metric(metric);
}

} // namespace veltarn::figures
