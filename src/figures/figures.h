#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

class QIODevice;
class QSaveFile;
class QImage;
class QWidget;

namespace veltarn::figures
{

// How a window is written to files: pictures at `size` (the window is brought to that size
// first) and device pixel ratio `scale`; sound `seconds` long.
struct ExportOptions {
    QSize size{1920, 1080};
    double scale = 1.0;
    double seconds = 3.0;
};

// The formats a file can be written in, by the suffix of its name. Null error: the suffix is
// known; otherwise one line in Russian.
QString checkSuffix(const QString &path);
QStringList suffixes();

// The window at its current size as the screen shows it, at device pixel ratio `scale`.
QImage picture(QWidget &window, double scale);

// Writes the window at its current size as SVG: the plots' own paint code drawing into the
// vector generator, so lines and text stay lines and text, clipped as the screen clips them.
void writeSvg(QWidget &window, QIODevice &out, const QString &title);

// Writes every file, or none: all are written to temporary files first and put in place only
// when every one was written. Returns one line in Russian when something cannot be done.
// With `resize`, the window is first brought to the options' size. A glide under way lands
// first, so every file shows the same state at rest.
QString exportFiles(QWidget &window, const QStringList &paths, const ExportOptions &options,
                    bool resize = true);

// Puts every written file in place, or none: when one cannot be, those already put in place are
// removed again. An empty string, or one line in Russian.
QString putInPlace(const std::vector<std::unique_ptr<QSaveFile>> &files);

// The name, without suffix, under which a picture or sound of the window's present state is
// saved in `folder`: the demonstration's id, its parameters and the time
// ("shape_T=16_tau1=4_tau2=3_2026-03-01_10-15-00"), then "_2", "_3"… while a file of that name
// with one of `suffixes` exists.
QString freshName(const QWidget &window, const QString &folder, const QStringList &suffixes);

// Ctrl+S: the window's picture as PNG and SVG in the user's pictures folder, subfolder
// "Вельтарн", named after the demonstration, its parameters and the time; a short notice on the
// window names the files, or says why nothing was saved.
void savePicture(QWidget &window);

// Ctrl+C: the window's picture (a glide under way landed first) to the clipboard, with a short
// notice.
void copyPicture(QWidget &window);

// Ctrl+Shift+S: three seconds of the window's sound in the user's music folder, subfolder
// "Вельтарн", named as its pictures are (a glide under way lands first), so the sound of a state
// pairs up with its figure; a short notice names the file or says why nothing was saved.
void saveSound(QWidget &window);

} // namespace veltarn::figures
