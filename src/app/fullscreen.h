#pragma once

class QWidget;

namespace veltarn
{

// Shows a top-level window full screen with its layout settled beforehand, so the minimum size
// that the layout gives the window is already known when the platform window is made. Some
// platforms (the offscreen one the tests use) cannot take a new minimum size afterwards.
void showFullScreen(QWidget &window);

} // namespace veltarn
