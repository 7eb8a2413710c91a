#include "sound/soundcontroller.h"

#include "sound/tonegenerator.h"
#include "sound/wavfile.h"
#include "windowing/notice.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QPushButton>

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
    return QCoreApplication::translate("sound", "Включить или выключить звук сигнала");
}

} // namespace

Controller::Controller(QWidget &window, QPushButton &button, Source source)
    : QObject(&window), window(window), button(button), source(std::move(source))
{
    setObjectName(QStringLiteral("soundController"));
    button.setCheckable(true);
    button.setChecked(false);
    onOutputsChanged();
    connect(&button, &QPushButton::toggled, this, &Controller::setPlaying);
    connect(&Outputs::instance(), &Outputs::changed, this, &Controller::onOutputsChanged);
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
    else
        showNotice(button.toolTip());
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
            player = new Player(this);
            connect(player, &Player::lost, this, &Controller::onLost);
        }
        emit playingChanged(true);
        // An output that does not open is lost at once, and onLost says so.
        player->start(Outputs::instance().current(), source());
    } else {
        player->stop();
        if (sounding == this)
            sounding = nullptr;
        emit playingChanged(false);
    }
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
    const QSignalBlocker quiet(button);
    button.setChecked(false);
    emit playingChanged(false);
    showNotice(reason);
}

void Controller::onOutputsChanged()
{
    // The sounding window's player watches its own output.
    if (isPlaying())
        return;
    const Outputs &outputs = Outputs::instance();
    button.setEnabled(outputs.available());
    button.setToolTip(outputs.available() ? playTip() : outputs.current().shownReason());
}

bool Controller::eventFilter(QObject *watched, QEvent *event)
{
    // Going back to the menu closes the window; a hidden window must fall silent too.
    if (watched == &window && (event->type() == QEvent::Hide || event->type() == QEvent::Close))
        setPlaying(false);
    return QObject::eventFilter(watched, event);
}

void Controller::saveClip(const QString &path)
{
    QString error;
    if (!writeWindowSound(window, path, clipSeconds, &error))
        showNotice(QCoreApplication::translate("sound", "Звук не сохранён. ") + error);
    else
        showNotice(QCoreApplication::translate("sound", "Звук сохранён: %1")
                       .arg(QDir::toNativeSeparators(path)));
}

void Controller::showNotice(const QString &text)
{
    veltarn::showNotice(window, text);
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
        return QCoreApplication::translate("sound", "В этом окне нет звука");
    if (!(seconds > 0.0 && seconds <= longestFileSeconds))
        return QCoreApplication::translate(
                   "sound", "Длительность звука должна быть больше 0 и не больше %1 с")
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
        return QCoreApplication::translate("sound", "не удалось записать WAV: %1")
            .arg(out.errorString());
    return {};
}

} // namespace sound
