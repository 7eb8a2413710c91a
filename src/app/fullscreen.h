#pragma once

class QScreen;
class QWidget;

namespace veltarn
{

// Shows a top-level window full screen with its layout settled beforehand, so the minimum size
// that the layout gives the window is already known when the platform window is made. Some
// platforms (the offscreen one the tests use) cannot take a new minimum size afterwards.
void showFullScreen(QWidget &window);

// How showFullScreen() shows the windows from now on: on `screen` (null: wherever the system
// puts them), and with `windowed` as ordinary windows rather than full screen.
void showWindowsOn(QScreen *screen, bool windowed);

} // namespace veltarn
