#pragma once

#include <QWidget>

#include <vector>

// The envelope of a sound file over its whole length, the largest magnitude of each stretch as a
// bar about the middle line, and a mark at the moment analysed.
class soundEnvelope : public QWidget
{
    Q_OBJECT

public:
    explicit soundEnvelope(QWidget *parent = nullptr);

    // Magnitudes from 0 to 1, one per equal stretch of the sound.
    void setEnvelope(std::vector<float> peaks);
    // The moment analysed, as a share of the sound's length from 0 to 1.
    void setMoment(double share);
    // Where that moment is drawn.
    int momentX() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<float> peaks;
    double moment = 0.0;
};
