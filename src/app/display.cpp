#include "app/display.h"

#include <QtGlobal>

#include <cstring>

namespace veltarn
{

bool platformChosen(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    // The toolkit takes its own options with one dash or two.
    for (int i = 1; i < argc; ++i) {
        const char *arg = argv[i];
        if (std::strncmp(arg, "--", 2) == 0)
            ++arg;
        if (std::strcmp(arg, "-platform") == 0 || std::strcmp(arg, "-display") == 0)
            return true;
    }
    return false;
}

bool hasDisplay(int argc, char *argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN) && !defined(Q_OS_ANDROID)
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY"})
        if (!qEnvironmentVariableIsEmpty(name))
            return true;
    return platformChosen(argc, argv);
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return true;
#endif
}

} // namespace veltarn
