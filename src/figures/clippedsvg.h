#pragma once

#include <QPaintDevice>

#include <memory>

class QSvgGenerator;

namespace veltarn::figures
{

// A paint device that writes into an SVG generator and does the clipping the generator leaves
// out (it writes no clip paths): whatever the painter's clip, or the clip of the widget being
// rendered, keeps off the screen is kept out of the file. A shape, line, text or image wholly
// inside is written as it comes; one wholly outside is left out; of one crossing an edge only
// the part inside is written: the fill cut to the clip, a stroke as the outline of its part
// inside, an image as its part inside.
class ClippedSvgDevice : public QPaintDevice
{
public:
    explicit ClippedSvgDevice(QSvgGenerator &generator);
    ~ClippedSvgDevice() override;

    QPaintEngine *paintEngine() const override;

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QSvgGenerator &generator;
    const std::unique_ptr<QPaintEngine> engine;
};

} // namespace veltarn::figures
