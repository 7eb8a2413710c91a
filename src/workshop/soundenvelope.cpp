#include "workshop/soundenvelope.h"

#include <QPainter>

#include <algorithm>

namespace
{

const QColor groundColor(255, 255, 255);
const QColor envelopeColor(90, 90, 160);
const QColor momentColor(200, 0, 0);
constexpr int momentWidth = 3;

} // namespace

soundEnvelope::soundEnvelope(QWidget *parent) : QWidget(parent)
{
    setMinimumHeight(60);
}

void soundEnvelope::setEnvelope(std::vector<float> newPeaks)
{
    peaks = std::move(newPeaks);
    update();
}

void soundEnvelope::setMoment(double share)
{
    moment = std::clamp(share, 0.0, 1.0);
    update();
}

int soundEnvelope::momentX() const
{
    return std::min(width() - 1, int(moment * width()));
}

void soundEnvelope::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), groundColor);
    const int middle = height() / 2;
    if (!peaks.empty()) {
        p.setPen(envelopeColor);
        for (int x = 0; x < width(); ++x) {
            const float peak = peaks[std::size_t(x) * peaks.size() / std::size_t(width())];
            const int reach = int(peak * (middle - 1));
            p.drawLine(x, middle - reach, x, middle + reach);
        }
    }
    p.fillRect(momentX() - momentWidth / 2, 0, momentWidth, height(), momentColor);
}
