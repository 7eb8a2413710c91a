#pragma once

namespace veltarn
{

// False when the toolkit would find no screen to show the windows on: on X11 and Wayland
// systems, when neither DISPLAY nor WAYLAND_DISPLAY is set and no platform was chosen (by
// QT_QPA_PLATFORM or -platform on the command line). Read before the application object exists.
bool hasDisplay(int argc, char *argv[]);

// True when the platform was chosen by QT_QPA_PLATFORM or -platform on the command line.
bool platformChosen(int argc, char *argv[]);

} // namespace veltarn
