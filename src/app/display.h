#pragma once

namespace veltarn
{

// False when the toolkit would find no screen to show the windows on: on X11 and Wayland
// systems, when neither DISPLAY nor WAYLAND_DISPLAY is set and no platform was chosen (by
// QT_QPA_PLATFORM or -platform on the command line). Read before the application object exists.
bool hasDisplay(int argc, char *argv[]);

// True when the platform was chosen by QT_QPA_PLATFORM or -platform on the command line.
bool platformChosen(int argc, char *argv[]);

// While it lives, a display the toolkit cannot open (a DISPLAY naming no running server, say)
// ends the program with one line naming the display, in the language --language names, and exit
// status 1, instead of the toolkit's messages and an abort. Whatever else the toolkit says
// meanwhile is passed on as usual once it is gone. Made before the application object, gone
// once it exists.
class DisplayGuard
{
public:
    DisplayGuard(int argc, char *argv[]);
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard &) = delete;
    DisplayGuard &operator=(const DisplayGuard &) = delete;
};

} // namespace veltarn
