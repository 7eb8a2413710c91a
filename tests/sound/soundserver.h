#pragma once

// A PulseAudio server of a test's own, its home and runtime folder inside the test's temporary
// folder, so that nothing of the machine's own sound service is touched.

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

namespace soundserver
{

inline QString socket(const QTemporaryDir &dir)
{
    return dir.filePath(QStringLiteral("run/native"));
}

// Gives `server` its home and a private runtime folder within `dir`.
inline bool prepare(QProcess &server, const QTemporaryDir &dir)
{
    if (!QDir(dir.path()).mkdir(QStringLiteral("run")))
        return false;
    QFile::setPermissions(dir.filePath(QStringLiteral("run")),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), dir.path());
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.filePath(QStringLiteral("run")));
    server.setProcessEnvironment(env);
    server.setProcessChannelMode(QProcess::MergedChannels);
    return true;
}

// Starts the server with `modules` (each "name arguments") and its socket, and waits for the
// socket; what the server said is left in `server` when it does not come up.
inline bool start(QProcess &server, const QTemporaryDir &dir, const QStringList &modules)
{
    QStringList arguments{"-n",
                          "--daemonize=no",
                          "--exit-idle-time=-1",
                          "--use-pid-file=no",
                          "--disable-shm=yes",
                          "--log-target=stderr"};
    for (const QString &m : modules)
        arguments << QStringLiteral("--load=") + m;
    arguments << QStringLiteral("--load=module-native-protocol-unix auth-anonymous=1 socket=") +
                     socket(dir);
    server.start(QStringLiteral("pulseaudio"), arguments);
    return server.waitForStarted(5000) &&
           QTest::qWaitFor([&] { return QFileInfo::exists(socket(dir)); }, 10000);
}

} // namespace soundserver
