#include "workshop/soundsourcepanel.h"

soundSourcePanel::soundSourcePanel(QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
    connect(&mic, &workshop::Microphone::analysed, this, &soundSourcePanel::showAnalysis);
    connect(&mic, &workshop::Microphone::openChanged, ui.recordMark, &QWidget::setVisible);
    connect(&mic, &workshop::Microphone::lost, this, [this](const QString &reason) {
        clear();
        emit lost(reason);
    });
    connect(ui.freeze, &QPushButton::clicked, this, &soundSourcePanel::freeze);
    connect(ui.moment, &QSlider::valueChanged, this,
            [this](int step) { emit momentPeriod(analyseMoment(step)); });
    ui.recordMark->hide();
    hide();
}

bool soundSourcePanel::startLive()
{
    clear();
    if (!mic.open())
        return false;
    ui.fundamental->setText(tr("нет периодичности"));
    setLiveRow(true);
    show();
    return true;
}

void soundSourcePanel::clear()
{
    mic.close();
    sound = {};
    hide();
}

void soundSourcePanel::freeze()
{
    if (!isLive())
        return;
    mic.close();
    ui.freeze->hide();
    emit frozen();
}

void soundSourcePanel::hideEvent(QHideEvent *event)
{
    freeze();
    QWidget::hideEvent(event);
}

workshop::Period soundSourcePanel::showSound(workshop::Sound newSound, const QString &name)
{
    clear();
    sound = std::move(newSound);
    const std::size_t step = workshop::momentStep(sound.rate);
    const std::size_t length = workshop::analysisLength(sound.rate);
    const int last =
        sound.samples.size() > length ? int((sound.samples.size() - length) / step) : 0;
    ui.envelope->setEnvelope(workshop::envelope(sound.samples, 2000));
    ui.fileName->setText(name);
    setLiveRow(false);
    const int steadiest = int(workshop::steadiestMoment(sound.samples, sound.rate) / step);
    {
        const QSignalBlocker quiet(ui.moment);
        ui.moment->setRange(0, last);
        ui.moment->setValue(steadiest);
    }
    show();
    return analyseMoment(steadiest);
}

workshop::Period soundSourcePanel::analyseMoment(int step)
{
    if (sound.samples.empty())
        return {};
    const std::size_t at = std::size_t(step) * workshop::momentStep(sound.rate);
    ui.envelope->setMoment(double(at) / double(sound.samples.size()));
    ui.momentTime->setText(tr("%1 с").arg(double(at) / sound.rate, 0, 'f', 1));
    const workshop::Period period = workshop::periodAt(sound.samples, sound.rate, at);
    showAnalysis(period);
    return period;
}

void soundSourcePanel::showAnalysis(const workshop::Period &period)
{
    ui.fundamental->setText(period.fundamental > 0.0
                                ? tr("f₀ = %1 Гц").arg(period.fundamental, 0, 'f', 1)
                                : tr("нет периодичности"));
    if (isLive() && period.fundamental > 0.0)
        emit livePeriod(period);
}

void soundSourcePanel::setLiveRow(bool live)
{
    ui.freeze->setVisible(live);
    ui.fileName->setVisible(!live);
    ui.momentTime->setVisible(!live);
    ui.envelope->setVisible(!live);
    ui.moment->setVisible(!live);
}
