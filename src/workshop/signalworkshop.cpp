#include "workshop/signalworkshop.h"

#include "harmonics/harmoniccount.h"
#include "harmonics/synthesissound.h"
#include "sound/spectrum.h"
#include "windowing/notice.h"
#include "workshop/signalsources.h"
#include "workshop/soundfile.h"
#include "workshop/soundsourcepanel.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QPalette>
#include <QSaveFile>
#include <QStandardItemModel>

namespace
{

// The ground of a formula line that was refused.
const QColor refusedGround(255, 200, 200);

QString percent(double value)
{
    return value < 0.0 ? QStringLiteral("—")
                       : QString::number(value, 'f', 1) + QStringLiteral(" %");
}

// The combo box's entries after the presets.
int microphoneEntry()
{
    return int(workshop::presetNames().size());
}

int soundFileEntry()
{
    return microphoneEntry() + 1;
}

// The sound files the dialogs list; any other the decoder knows opens too.
const QString soundPatterns = QStringLiteral("*.wav *.flac *.ogg *.oga *.mp3");

} // namespace

signalWorkshop::signalWorkshop(QWidget *parent) : QWidget(parent), panel(new soundSourcePanel(this))
{
    ui.setupUi(this);
    for (const workshop::PresetName &p : workshop::presetNames())
        ui.preset->addItem(QCoreApplication::translate("workshop", p.title));
    ui.preset->addItem(tr("Микрофон"));
    ui.preset->addItem(tr("Звуковой файл…"));
    // Under the row of sources; hidden, it takes no room.
    ui.verticalLayout->insertWidget(ui.verticalLayout->indexOf(ui.Func), panel);

    // The next step, by button or remote, takes the live period before it adds to the sum.
    connect(ui.addHarmonic, &QPushButton::clicked, panel, &soundSourcePanel::freeze);
    connect(ui.sum, &QPushButton::clicked, panel, &soundSourcePanel::freeze);

    // The synthesis, as in the three synthesis windows: a click calls its receivers in the
    // order connected, so the button hides itself only after both plots took the new harmonic.
    connect(ui.addHarmonic, &QPushButton::clicked, ui.Func, &workshopPlot::addHarmonic);
    connect(ui.reper, &QPushButton::clicked, ui.Func, &workshopPlot::reper);
    connect(ui.reper, &QPushButton::clicked, ui.Spec, &workshopSpectrum::reper);
    connect(ui.addHarmonic, &QPushButton::clicked, ui.Spec, &workshopSpectrum::moveSpec);
    connect(ui.sum, &QPushButton::clicked, ui.addHarmonic, &QWidget::show);
    connect(ui.addHarmonic, &QPushButton::clicked, ui.addHarmonic, &QWidget::hide);
    connect(ui.sum, &QPushButton::clicked, ui.Func, &workshopPlot::getSum);
    connect(ui.reper, &QPushButton::clicked, ui.addHarmonic, &QWidget::show);
    connect(ui.pushButton, &QPushButton::clicked, this, &QWidget::close);
    connect(ui.Func, &workshopPlot::sumOfHarmonicChanged, ui.label_6,
            qOverload<int>(&QLabel::setNum));
    followHarmonicCount(*ui.label_3, *ui.Func);
    connect(ui.Func, &workshopPlot::sumOfHarmonicChanged, this, &signalWorkshop::showConvergence);
    // The sources of the signal.
    connect(ui.preset, &QComboBox::activated, this, &signalWorkshop::chooseSource);
    connect(ui.formula, &QLineEdit::returnPressed, this, &signalWorkshop::applyFormula);
    connect(ui.clear, &QPushButton::clicked, this, &signalWorkshop::clearSignal);
    connect(ui.open, &QPushButton::clicked, this, &signalWorkshop::askOpen);
    connect(ui.save, &QPushButton::clicked, this, &signalWorkshop::askSave);
    connect(ui.Func, &workshopPlot::stroked, this, &signalWorkshop::drawStroke);
    connect(ui.Spec, &workshopSpectrum::amplitudeEdited, this, &signalWorkshop::editAmplitude);
    connect(panel, &soundSourcePanel::livePeriod, this, &signalWorkshop::takePeriod);
    connect(panel, &soundSourcePanel::frozen, this, [this] { beforeLive.reset(); });
    connect(panel, &soundSourcePanel::lost, this, &signalWorkshop::microphoneLost);
    connect(panel, &soundSourcePanel::momentPeriod, this, &signalWorkshop::takePeriod);
    connect(&panel->microphone(), &workshop::Microphone::availabilityChanged, this,
            &signalWorkshop::showMicrophoneAvailability);
    attachSynthesisSound(*this, *ui.sound, *ui.Func, [this] { return fundamental(); });
    showMicrophoneAvailability();
    setPalette(QPalette(QColor(245, 245, 255)));
    setAutoFillBackground(true);
    choosePreset(0);
}

workshop::Convergence signalWorkshop::convergence() const
{
    return workshop::convergence(samples,
                                 workshop::partialSum(coefficients, ui.Func->harmonicsSummed()));
}

QString signalWorkshop::message() const
{
    return ui.message->text();
}

double signalWorkshop::fundamental() const
{
    return pitch > 0.0 ? pitch : sound::synthesisFundamental;
}

// Every source but a real sound's period: the microphone closes, the file goes.
void signalWorkshop::setSignal(const workshop::Samples &newSamples)
{
    panel->clear();
    beforeLive.reset();
    pitch = 0.0;
    setSignal(newSamples, workshop::seriesOf(newSamples));
}

void signalWorkshop::setSignal(const workshop::Samples &newSamples,
                               const workshop::Series &newSeries)
{
    samples = newSamples;
    coefficients = newSeries;
    // The curves built so far belong to the old series: the synthesis starts over before the
    // plot takes the new one. Its count going back to 0 shows the new signal's readouts.
    ui.reper->click();
    ui.Func->setSignal(samples, coefficients);
    ui.Spec->setSeries(coefficients);
    ui.message->clear();
    ui.formula->setPalette(QPalette());
}

void signalWorkshop::refuse(const QString &text)
{
    ui.message->setText(text);
}

void signalWorkshop::showConvergence()
{
    const workshop::Convergence c = convergence();
    ui.overshoot->setText(percent(c.overshoot));
    ui.error->setText(percent(c.error));
}

void signalWorkshop::choosePreset(int index)
{
    const auto &names = workshop::presetNames();
    if (index < 0 || index >= int(names.size()))
        return;
    ui.preset->setCurrentIndex(index);
    shownSource = index;
    source = QLatin1String(names[std::size_t(index)].id);
    setSignal(workshop::presetSamples(names[std::size_t(index)].preset));
}

bool signalWorkshop::applyFormula()
{
    const workshop::Loaded typed = workshop::parseFormula(ui.formula->text());
    if (!typed.error.isEmpty()) {
        QPalette red = ui.formula->palette();
        red.setColor(QPalette::Base, refusedGround);
        ui.formula->setPalette(red);
        refuse(typed.error);
        return false;
    }
    source = QStringLiteral("formula");
    setSignal(typed.samples);
    return true;
}

bool signalWorkshop::setFormula(const QString &text)
{
    ui.formula->setText(text);
    return applyFormula();
}

bool signalWorkshop::openFile(const QString &path)
{
    if (workshop::isSoundFile(path))
        return openSound(path);
    const workshop::Loaded read = workshop::readCsv(path);
    if (!read.error.isEmpty()) {
        refuse(QStringLiteral("%1: %2").arg(QFileInfo(path).fileName(), read.error));
        return false;
    }
    source = QStringLiteral("file");
    setSignal(read.samples);
    return true;
}

bool signalWorkshop::saveFile(const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(workshop::csvOf(samples)) < 0 ||
        !file.commit()) {
        refuse(tr("%1: не удаётся записать файл (%2)")
                   .arg(QFileInfo(path).fileName(), file.errorString()));
        return false;
    }
    ui.message->clear();
    return true;
}

void signalWorkshop::clearSignal()
{
    source = QStringLiteral("drawn");
    setSignal(workshop::Samples(workshop::sampleCount, 0.0));
}

void signalWorkshop::drawStroke(double t0, double v0, double t1, double v1)
{
    workshop::Samples drawn = samples;
    if (workshop::drawStroke(drawn, t0, v0, t1, v1) > 0) {
        source = QStringLiteral("drawn");
        setSignal(drawn);
    }
}

void signalWorkshop::editAmplitude(int k, double value)
{
    workshop::Series edited = coefficients;
    edited.amplitude.at(std::size_t(k)) = value;
    source = QStringLiteral("edited");
    setSignal(workshop::partialSum(edited, workshop::harmonicCount), edited);
}

void signalWorkshop::askOpen()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Открыть сигнал"), QString(),
        tr("Таблицы CSV и звуковые файлы (*.csv %1);;Таблицы CSV (*.csv);;Звуковые файлы (%1)")
            .arg(soundPatterns));
    if (!path.isEmpty())
        openFile(path);
}

void signalWorkshop::askSave()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Сохранить сигнал"), QString(),
                                                      tr("Таблицы CSV (*.csv)"));
    if (!path.isEmpty())
        saveFile(path);
}

void signalWorkshop::chooseSource(int index)
{
    if (index == microphoneEntry())
        startMicrophone();
    else if (index == soundFileEntry())
        askOpenSound();
    else
        choosePreset(index);
}

bool signalWorkshop::startMicrophone()
{
    const Kept kept{samples, coefficients, pitch, shownSource, source};
    ui.preset->setCurrentIndex(microphoneEntry());
    if (const QString reason = panel->microphone().unavailableReason(); !reason.isEmpty()) {
        microphoneLost(reason);
        return false;
    }
    if (!panel->startLive()) {
        microphoneLost(tr("Микрофон не открывается; сигнал прежний"));
        return false;
    }
    beforeLive = kept;
    shownSource = microphoneEntry();
    return true;
}

void signalWorkshop::microphoneLost(const QString &reason)
{
    if (beforeLive) {
        const Kept kept = *beforeLive;
        beforeLive.reset();
        pitch = kept.pitch;
        setSignal(kept.samples, kept.series);
        shownSource = kept.source;
        source = kept.name;
    }
    ui.preset->setCurrentIndex(shownSource);
    veltarn::showNotice(*this, reason);
}

void signalWorkshop::showMicrophoneAvailability()
{
    const QString reason = panel->microphone().unavailableReason();
    auto *entries = qobject_cast<QStandardItemModel *>(ui.preset->model());
    QStandardItem *entry = entries->item(microphoneEntry());
    entry->setEnabled(reason.isEmpty());
    entry->setToolTip(reason);
}

bool signalWorkshop::openSound(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    workshop::Sound sound = workshop::readSound(path);
    if (!sound.error.isEmpty()) {
        refuse(QStringLiteral("%1: %2").arg(name, sound.error));
        return false;
    }
    const workshop::Period period = panel->showSound(std::move(sound), name);
    if (period.fundamental <= 0.0) {
        panel->clear();
        refuse(tr("%1: нет периодичности").arg(name));
        return false;
    }
    takePeriod(period);
    shownSource = soundFileEntry();
    ui.preset->setCurrentIndex(shownSource);
    return true;
}

void signalWorkshop::askOpenSound()
{
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Открыть звуковой файл"), QString(),
                                     tr("Звуковые файлы (%1);;Все файлы (*)").arg(soundPatterns));
    if (path.isEmpty() || !openSound(path))
        ui.preset->setCurrentIndex(shownSource);
}

// A period found in a real sound becomes the signal at its own pitch; none keeps the signal.
void signalWorkshop::takePeriod(const workshop::Period &period)
{
    if (period.fundamental <= 0.0) {
        refuse(tr("нет периодичности"));
        return;
    }
    pitch = period.fundamental;
    source = QStringLiteral("sound");
    setSignal(period.samples, workshop::seriesOf(period.samples));
}
