#include "app/display.h"

#include "cli/commandline.h"
#include "language/language.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

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

namespace
{

struct HeldMessage {
    QtMsgType type;
    const char *category; // a logging category's name lives as long as the program
    QString text;
};

struct Guarded {
    QtMessageHandler previous = nullptr;
    QString language;
    QByteArray display;
    QList<HeldMessage> held;
};

Guarded &guarded()
{
    static Guarded g;
    return g;
}

void holdOrFail(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        guarded().held.append({type, context.category, text});
        return;
    }
    const QByteArray &display = guarded().display;
    const QString line =
        language::translatedEarly(
            guarded().language, "app",
            QT_TRANSLATE_NOOP("app", "veltarn: не удаётся открыть дисплей %1: окна негде показать; "
                                     "проверьте DISPLAY или WAYLAND_DISPLAY и что графический "
                                     "сеанс запущен\n"))
            .arg(display.isEmpty()
                     ? language::translatedEarly(guarded().language, "app",
                                                 QT_TRANSLATE_NOOP("app", "(не задан)"))
                     : QString::fromLocal8Bit(display));
    std::fputs(line.toLocal8Bit().constData(), stderr);
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}

// The display the toolkit is about to open: -display on the command line, else the
// environment's.
QByteArray displayName(int argc, char *argv[])
{
    for (int i = 1; i + 1 < argc; ++i) {
        const char *arg = argv[i];
        if (std::strncmp(arg, "--", 2) == 0)
            ++arg;
        if (std::strcmp(arg, "-display") == 0)
            return argv[i + 1];
    }
    for (const char *name : {"WAYLAND_DISPLAY", "DISPLAY"})
        if (!qEnvironmentVariableIsEmpty(name))
            return qgetenv(name);
    return {};
}

} // namespace

DisplayGuard::DisplayGuard(int argc, char *argv[])
{
    guarded().display = displayName(argc, argv);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    guarded().language = cli::languageCode(arguments);
    guarded().previous = qInstallMessageHandler(holdOrFail);
}

DisplayGuard::~DisplayGuard()
{
    qInstallMessageHandler(guarded().previous);
    for (const HeldMessage &m : std::exchange(guarded().held, {}))
        qt_message_output(m.type, QMessageLogContext(nullptr, 0, nullptr, m.category), m.text);
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
