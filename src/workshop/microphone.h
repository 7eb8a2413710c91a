#pragma once

#include "workshop/periodfinder.h"

#include <QAudioDevice>
#include <QObject>
#include <QTimer>

#include <memory>
#include <vector>

class QAudioSource;
class QIODevice;
class QMediaDevices;

namespace workshop
{

// The system's default sound input as a live source of periods: open, it keeps the last moments
// of the input in memory only and analyses the latest of them `updatesPerSecond` times a second.
// It never blocks and never fails loudly: no input gives a reason, an input lost while open
// closes it and says why.
class Microphone : public QObject
{
    Q_OBJECT

public:
    explicit Microphone(QObject *parent = nullptr);
    ~Microphone() override;

    // Why no input can be opened now, or empty when one can.
    QString unavailableReason() const;
    bool isOpen() const { return source != nullptr; }

    static constexpr int updatesPerSecond = 25;

public slots:
    // Opens the default input; false (nothing open) when there is none or it refuses.
    bool open();
    void close();

signals:
    void openChanged(bool open);
    // The latest period of the input, or none (fundamental 0) when it is not periodic.
    void analysed(const workshop::Period &period);
    // The input went away while open; it is closed already.
    void lost(const QString &reason);
    // The inputs the system knows changed (one may have come or gone).
    void availabilityChanged();

private:
    void takeSamples();
    void analyse();
    void loseInput(const QString &reason);
    void lookForService();

    // Only once a sound service may answer; until then looked for every second.
    std::unique_ptr<QMediaDevices> devices;
    QTimer serviceRetry;
    std::unique_ptr<QAudioSource> source;
    QIODevice *stream = nullptr; // the source's
    QAudioDevice device;
    std::vector<float> recent;
    QTimer ticks;
};

} // namespace workshop
