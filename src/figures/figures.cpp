#include "figures/figures.h"

#include "catalog/catalog.h"
#include "draw/plottedlines.h"
#include "figures/clippedsvg.h"
#include "language/language.h"
#include "sound/soundcontroller.h"
#include "windowing/notice.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QLayout>
#include <QLocale>
#include <QPainter>
#include <QSaveFile>
#include <QStandardPaths>
#include <QSvgGenerator>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <vector>

namespace veltarn::figures
{

namespace
{

// Writes the window to an open file in one format; returns an error line or nothing.
using Writer = QString (*)(QWidget &window, const ExportOptions &options, QIODevice &out);

QString writePng(QWidget &window, const ExportOptions &options, QIODevice &out)
{
    QImageWriter writer(&out, "png");
    if (!writer.write(picture(window, options.scale)))
        return QCoreApplication::translate("figures", "не удалось записать PNG: %1")
            .arg(writer.errorString());
    return {};
}

QString writeSvgFile(QWidget &window, const ExportOptions &, QIODevice &out)
{
    const catalog::Demonstration *d = catalog::of(window);
    writeSvg(window, out, d ? d->shownTitle() : window.windowTitle());
    return {};
}

struct Format {
    const char *suffix;
    Writer write;
};

QString writeWavFile(QWidget &window, const ExportOptions &options, QIODevice &out)
{
    return sound::writeWindowSound(window, out, options.seconds);
}

QString number(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}

// The lines of the window's live spectrum as its plot draws them: a header, then one row per
// line, its number, frequency and values, each number written so that it reads back exactly.
QString writeCsvFile(QWidget &window, const ExportOptions &, QIODevice &out)
{
    const draw::SpectrumPlot *plot = nullptr;
    for (const QWidget *child : window.findChildren<const QWidget *>())
        if ((plot = dynamic_cast<const draw::SpectrumPlot *>(child)))
            break;
    if (!plot)
        return QCoreApplication::translate("figures", "в окне нет спектра");
    const draw::PlottedLines lines = plot->plottedLines();
    const QStringList header =
        QStringList{QStringLiteral("n"), QStringLiteral("frequency")} + lines.values;
    QStringList rows{header.join(QLatin1Char(','))};
    for (const draw::PlottedLine &line : lines.lines) {
        QStringList row{QString::number(line.number), number(line.frequency)};
        for (const double value : line.values)
            row << number(value);
        rows << row.join(QLatin1Char(','));
    }
    const QByteArray text = (rows.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    if (out.write(text) != text.size())
        return QCoreApplication::translate("figures", "не удалось записать CSV: %1")
            .arg(out.errorString());
    return {};
}

const Format formats[] = {
    {"png", &writePng}, {"svg", &writeSvgFile}, {"wav", &writeWavFile}, {"csv", &writeCsvFile}};

const Format *formatOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    for (const Format &f : formats)
        if (suffix == QLatin1String(f.suffix))
            return &f;
    return nullptr;
}

QString quoted(const QString &path)
{
    return QStringLiteral("«%1»").arg(QDir::toNativeSeparators(path));
}

// Why a file cannot be created at `path`, in Russian.
QString whyNotWritable(const QString &path)
{
    const QFileInfo file(path);
    if (file.isDir())
        return QCoreApplication::translate("figures", "%1 — это папка, а не файл")
            .arg(quoted(path));
    const QFileInfo folder(file.absolutePath());
    if (!folder.exists())
        return QCoreApplication::translate("figures", "нет папки %1 для файла %2")
            .arg(quoted(folder.filePath()), quoted(path));
    if (!folder.isDir())
        return QCoreApplication::translate("figures", "%1 — не папка, файл %2 в ней не создать")
            .arg(quoted(folder.filePath()), quoted(path));
    return QCoreApplication::translate("figures",
                                       "нельзя записать файл %1: нет права записи в папку %2")
        .arg(quoted(path), quoted(folder.filePath()));
}

// Brings a window that is not shown to `size`; false when its layout will not go that small.
bool resizeHidden(QWidget &window, QSize size)
{
    window.ensurePolished();
    if (QLayout *layout = window.layout())
        layout->activate();
    window.resize(size);
    return window.size() == size;
}

QString fileStem(const QWidget &window)
{
    const catalog::Demonstration *d = catalog::of(window);
    QString stem = d ? QLatin1String(d->id) : QLatin1String(window.metaObject()->className());
    if (d && !d->parameters.empty())
        stem += QLatin1Char('_') + catalog::describeState(window, *d);
    return stem + QLatin1Char('_') +
           QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd_HH-mm-ss"));
}

} // namespace

QString checkSuffix(const QString &path)
{
    if (formatOf(path))
        return {};
    const QString suffix = QFileInfo(path).suffix();
    return QCoreApplication::translate("figures", "%1: %2; файл можно записать как %3")
        .arg(quoted(path),
             suffix.isEmpty()
                 ? QCoreApplication::translate("figures",
                                               "нет расширения, по которому выбрать формат")
                 : QCoreApplication::translate("figures", "неизвестный формат .%1").arg(suffix),
             QLatin1Char('.') + suffixes().join(QStringLiteral(", .")));
}

QStringList suffixes()
{
    QStringList list;
    for (const Format &f : formats)
        list << QLatin1String(f.suffix);
    return list;
}

QImage picture(QWidget &window, double scale)
{
    // As QWidget::grab() makes it, at the ratio asked for rather than the screen's.
    QImage image(window.size() * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    window.render(&image, QPoint(), QRegion(window.rect()),
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return image;
}

void writeSvg(QWidget &window, QIODevice &out, const QString &title)
{
    QSvgGenerator generator;
    generator.setOutputDevice(&out);
    generator.setSize(window.size());
    generator.setViewBox(window.rect());
    // Point sizes of the fonts become the same pixel sizes as on the screen.
    generator.setResolution(window.logicalDpiY());
    generator.setTitle(title);
    generator.setDescription(language::programName());
    ClippedSvgDevice clipped(generator);
    QPainter painter(&clipped);
    window.render(&painter, QPoint(), QRegion(window.rect()),
                  QWidget::DrawWindowBackground | QWidget::DrawChildren);
}

QString exportFiles(QWidget &window, const QStringList &paths, const ExportOptions &options,
                    bool resize)
{
    for (const QString &path : paths)
        if (QString error = checkSuffix(path); !error.isEmpty())
            return error;
    if (resize && !resizeHidden(window, options.size)) {
        const QSize least = window.minimumSize();
        return QCoreApplication::translate("figures", "размер %1x%2 мал для окна: наименьший %3x%4")
            .arg(options.size.width())
            .arg(options.size.height())
            .arg(least.width())
            .arg(least.height());
    }
    catalog::settleGlides(window);
    std::vector<std::unique_ptr<QSaveFile>> files;
    for (const QString &path : paths) {
        files.push_back(std::make_unique<QSaveFile>(path));
        if (QFileInfo(path).isDir() || !files.back()->open(QIODevice::WriteOnly))
            return whyNotWritable(path);
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
        const QString error = formatOf(paths[int(i)])->write(window, options, *files[i]);
        if (!error.isEmpty())
            return QStringLiteral("%1: %2").arg(quoted(paths[int(i)]), error);
    }
    return putInPlace(files);
}

QString putInPlace(const std::vector<std::unique_ptr<QSaveFile>> &files)
{
    for (std::size_t i = 0; i < files.size(); ++i)
        if (!files[i]->commit()) {
            for (std::size_t placed = 0; placed < i; ++placed)
                QFile::remove(files[placed]->fileName());
            return QCoreApplication::translate("figures", "не удалось записать файл %1: %2")
                .arg(quoted(files[i]->fileName()), files[i]->errorString());
        }
    return {};
}

QString freshName(const QWidget &window, const QString &folder, const QStringList &suffixes)
{
    const QString stem = fileStem(window);
    const QDir dir(folder);
    const auto taken = [&](const QString &base) {
        return std::any_of(suffixes.begin(), suffixes.end(), [&](const QString &suffix) {
            return QFileInfo::exists(dir.filePath(base + QLatin1Char('.') + suffix));
        });
    };
    QString base = stem;
    for (int n = 2; taken(base); ++n)
        base = QStringLiteral("%1_%2").arg(stem).arg(n);
    return dir.filePath(base);
}

void savePicture(QWidget &window)
{
    removeNotice(window);
    const QString pictures = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    const QString folder = QDir(pictures).filePath(language::programName());
    if (pictures.isEmpty() || !QDir().mkpath(folder)) {
        showNotice(window, QCoreApplication::translate(
                               "figures", "Рисунок не сохранён: не удалось создать папку %1")
                               .arg(quoted(folder)));
        return;
    }
    const QString base = freshName(window, folder, {QStringLiteral("png"), QStringLiteral("svg")});
    const QStringList paths = {base + QStringLiteral(".png"), base + QStringLiteral(".svg")};
    ExportOptions options;
    options.scale = window.devicePixelRatioF();
    const QString error = exportFiles(window, paths, options, false);
    if (!error.isEmpty()) {
        showNotice(window,
                   QCoreApplication::translate("figures", "Рисунок не сохранён: %1").arg(error));
        return;
    }
    showNotice(
        window,
        QCoreApplication::translate("figures", "Рисунок сохранён в папке %1: %2 и %3")
            .arg(quoted(folder), QFileInfo(paths[0]).fileName(), QFileInfo(paths[1]).fileName()));
}

void copyPicture(QWidget &window)
{
    removeNotice(window);
    catalog::settleGlides(window);
    QApplication::clipboard()->setImage(picture(window, window.devicePixelRatioF()));
    showNotice(window,
               QCoreApplication::translate("figures", "Рисунок окна скопирован в буфер обмена"));
}

void saveSound(QWidget &window)
{
    sound::Controller *sound = sound::controllerOf(&window);
    if (!sound)
        return;
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    const QString folder =
        QDir(music.isEmpty() ? QDir::homePath() : music).filePath(language::programName());
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir()) {
        sound->showNotice(
            QCoreApplication::translate("figures", "Звук не сохранён: нельзя создать папку %1")
                .arg(QDir::toNativeSeparators(folder)));
        return;
    }
    catalog::settleGlides(window);
    sound->saveClip(freshName(window, folder, {QStringLiteral("wav")}) + QStringLiteral(".wav"));
}

} // namespace veltarn::figures
