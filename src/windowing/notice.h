#pragma once

class QString;
class QWidget;

namespace veltarn
{

// A short notice at the window's bottom edge, for a few seconds, replacing one still showing
// (saved or copied pictures and saved sound share it).
void showNotice(QWidget &window, const QString &text);
// Takes a notice still showing off the window, so it is no part of the next picture.
void removeNotice(QWidget &window);

// The object name of the notice label on the window.
inline constexpr const char *noticeName = "pictureNotice";
// How long the notice stays, in milliseconds.
inline constexpr int noticeDuration = 4000;

} // namespace veltarn
