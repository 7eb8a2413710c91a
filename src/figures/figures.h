#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

class QIODevice;
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
// vector generator, so lines and text stay lines and text.
void writeSvg(QWidget &window, QIODevice &out, const QString &title);

// Writes every file, or none: all are written to temporary files first and put in place only
// when every one was written. Returns one line in Russian when something cannot be done.
// With `resize`, the window is first brought to the options' size.
QString exportFiles(QWidget &window, const QStringList &paths, const ExportOptions &options,
                    bool resize = true);

// Ctrl+S: the window's picture as PNG and SVG in the user's pictures folder, subfolder
// "Вельтарн", named after the demonstration, its parameters and the time; a short notice on the
// window names the files, or says why nothing was saved.
void savePicture(QWidget &window);

// Ctrl+C: the window's picture to the clipboard, with a short notice.
void copyPicture(QWidget &window);

} // namespace veltarn::figures
