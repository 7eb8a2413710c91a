#pragma once

class QScreen;
class QWidget;

namespace veltarn
{

// Shows a top-level window full screen with its layout settled beforehand, so the minimum size
// that the layout gives the window is already known when the platform window is made. Some
// platforms (the offscreen one the tests use) cannot take a new minimum size afterwards.
// With a screen given, the window goes to that screen (the projector the menu was moved to)
// instead of the one chosen by showWindowsOn().
void showFullScreen(QWidget &window, QScreen *screen = nullptr);

// How showFullScreen() shows the windows from now on: on `screen` (null: wherever the system
// puts them), and with `windowed` as ordinary windows (as toggleFullScreen() makes them) rather
// than full screen.
void showWindowsOn(QScreen *screen, bool windowed);

// Between full screen and an ordinary window with a title bar that the lecturer can resize,
// on the same screen. The ordinary window takes three quarters of the screen, or its layout's
// minimum where that is larger.
void toggleFullScreen(QWidget &window);

} // namespace veltarn
