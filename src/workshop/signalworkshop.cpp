#include "workshop/signalworkshop.h"

#include "harmonics/synthesissound.h"
#include "workshop/signalsources.h"

#include <QFileDialog>
#include <QPalette>
#include <QSaveFile>

namespace
{

// The ground of a formula line that was refused.
const QColor refusedGround(255, 200, 200);

QString percent(double value)
{
    return value < 0.0 ? QStringLiteral("—")
                       : QString::number(value, 'f', 1) + QStringLiteral(" %");
}

} // namespace

signalWorkshop::signalWorkshop(QWidget *parent) : QWidget(parent)
{
    ui.setupUi(this);
    for (const workshop::PresetName &p : workshop::presetNames())
        ui.preset->addItem(QString::fromUtf8(p.title));

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
    connect(ui.Func, &workshopPlot::sumOfHarmonicChanged, this, &signalWorkshop::showConvergence);
    // The sources of the signal.
    connect(ui.preset, &QComboBox::activated, this, &signalWorkshop::choosePreset);
    connect(ui.formula, &QLineEdit::returnPressed, this, &signalWorkshop::applyFormula);
    connect(ui.clear, &QPushButton::clicked, this, &signalWorkshop::clearSignal);
    connect(ui.open, &QPushButton::clicked, this, &signalWorkshop::askOpen);
    connect(ui.save, &QPushButton::clicked, this, &signalWorkshop::askSave);
    connect(ui.Func, &workshopPlot::stroked, this, &signalWorkshop::drawStroke);
    connect(ui.Spec, &workshopSpectrum::amplitudeEdited, this, &signalWorkshop::editAmplitude);
    attachSynthesisSound(*this, *ui.sound, *ui.Func);
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

void signalWorkshop::setSignal(const workshop::Samples &newSamples)
{
    setSignal(newSamples, workshop::seriesOf(newSamples));
}

void signalWorkshop::setSignal(const workshop::Samples &newSamples,
                               const workshop::Series &newSeries)
{
    samples = newSamples;
    coefficients = newSeries;
    // The curves built so far belong to the old series: the synthesis starts over before the
    // plot takes the new one.
    ui.reper->click();
    ui.Func->setSignal(samples, coefficients);
    ui.Spec->setSeries(coefficients);
    ui.message->clear();
    ui.formula->setPalette(QPalette());
    showConvergence();
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
        refuse(QStringLiteral("%1: не удаётся записать файл (%2)")
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
    const QString path = QFileDialog::getOpenFileName(this, tr("Открыть сигнал"), QString(),
                                                      tr("Таблицы CSV (*.csv)"));
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
