#include "sound/soundcontroller.h"

#include "catalog/catalog.h"
#include "figures/figures.h"
#include "sound/tonegenerator.h"
#include "sound/wavfile.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QPushButton>
#include <QStandardPaths>

#include <cmath>

namespace sound
{

namespace
{

constexpr double longestFileSeconds = 3600.0;

// The window whose sound plays now.
QPointer<Controller> sounding;

QString playTip()
{
    return QStringLiteral("Включить или выключить звук сигнала");
}

} // namespace

Controller::Controller(QWidget &window, QPushButton &button, Source source)
    : QObject(&window), window(window), button(button), source(std::move(source)),
      output(findOutput())
{
    setObjectName(QStringLiteral("soundController"));
    button.setCheckable(true);
    button.setChecked(false);
    button.setEnabled(hasOutput());
    setTip(hasOutput() ? playTip() : output.reason);
    connect(&button, &QPushButton::toggled, this, &Controller::setPlaying);
    window.installEventFilter(this);
}

Controller::~Controller()
{
    if (sounding == this)
        sounding = nullptr;
}

bool Controller::isPlaying() const
{
    return player && player->isPlaying();
}

qint64 Controller::outputBufferBytes() const
{
    return isPlaying() ? player->bufferBytes() : 0;
}

void Controller::toggle()
{
    if (button.isEnabled())
        button.toggle();
}

void Controller::setPlaying(bool on)
{
    if (on && !hasOutput())
        on = false;
    if (button.isChecked() != on) {
        // The button's toggled signal brings us back here with the state settled.
        button.setChecked(on);
        return;
    }
    if (on == isPlaying())
        return;
    if (on) {
        if (sounding && sounding != this)
            sounding->setPlaying(false);
        sounding = this;
        if (!player) {
            player = new Player(output, this);
            connect(player, &Player::lost, this, &Controller::onLost);
        }
        setTip(playTip());
        player->start(source());
    } else {
        player->stop();
        if (sounding == this)
            sounding = nullptr;
    }
    emit playingChanged(on);
}

void Controller::refresh()
{
    if (isPlaying())
        player->setSpectrum(source());
}

void Controller::onLost(const QString &reason)
{
    if (sounding == this)
        sounding = nullptr;
    player->deleteLater();
    player = nullptr;
    // The default output may have changed to another one, or there may be none left.
    output = findOutput();
    const QSignalBlocker quiet(button);
    button.setChecked(false);
    button.setEnabled(hasOutput());
    setTip(reason);
    emit playingChanged(false);
}

bool Controller::eventFilter(QObject *watched, QEvent *event)
{
    // Going back to the menu closes the window; a hidden window must fall silent too.
    if (watched == &window && (event->type() == QEvent::Hide || event->type() == QEvent::Close))
        setPlaying(false);
    return QObject::eventFilter(watched, event);
}

void Controller::setTip(const QString &text)
{
    button.setToolTip(text);
}

void Controller::saveClip()
{
    clip.clear();
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    const QString folder =
        QDir(music.isEmpty() ? QDir::homePath() : music).filePath(QStringLiteral("Вельтарн"));
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir()) {
        showNotice(QStringLiteral("Звук не сохранён: нельзя создать папку %1")
                       .arg(QDir::toNativeSeparators(folder)));
        return;
    }
    // Named like the window's pictures, so the sound of a state pairs up with its figure.
    veltarn::catalog::settleGlides(window);
    const QString path = veltarn::figures::freshName(window, folder, {QStringLiteral("wav")}) +
                         QStringLiteral(".wav");
    QString error;
    if (!writeWindowSound(window, path, clipSeconds, &error)) {
        showNotice(QStringLiteral("Звук не сохранён. ") + error);
        return;
    }
    clip = path;
    showNotice(QStringLiteral("Звук сохранён: %1").arg(QDir::toNativeSeparators(path)));
}

void Controller::showNotice(const QString &text)
{
    veltarn::figures::showNotice(window, text);
    emit noticeShown(text);
}

Controller *controllerOf(const QWidget *window)
{
    return window ? window->findChild<Controller *>(QStringLiteral("soundController"),
                                                    Qt::FindDirectChildrenOnly)
                  : nullptr;
}

namespace
{

// Why `seconds` of the window's sound cannot be written, or nothing.
QString refusal(const QWidget &window, double seconds)
{
    if (!controllerOf(&window))
        return QStringLiteral("В этом окне нет звука");
    if (!(seconds > 0.0 && seconds <= longestFileSeconds))
        return QStringLiteral("Длительность звука должна быть больше 0 и не больше %1 с")
            .arg(longestFileSeconds);
    return {};
}

std::vector<std::int16_t> clipOf(const QWidget &window, double seconds)
{
    return renderClip(controllerOf(&window)->spectrum(), seconds, fileSampleRate);
}

} // namespace

bool writeWindowSound(const QWidget &window, const QString &path, double seconds, QString *error)
{
    if (const QString why = refusal(window, seconds); !why.isEmpty()) {
        if (error)
            *error = why;
        return false;
    }
    return writeWav(path, clipOf(window, seconds), fileSampleRate, error);
}

QString writeWindowSound(const QWidget &window, QIODevice &out, double seconds)
{
    if (QString why = refusal(window, seconds); !why.isEmpty())
        return why;
    if (!writeWav(out, clipOf(window, seconds), fileSampleRate))
        return QStringLiteral("не удалось записать WAV: %1").arg(out.errorString());
    return {};
}

} // namespace sound
