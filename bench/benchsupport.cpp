#include "benchsupport.h"

#include "resources/resources.h"

#include <QApplication>
#include <QFile>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace bench
{

std::unique_ptr<QApplication> makeApplication()
{
    static int argc = 3;
    static char name[] = "veltarn-bench";
    static char platformFlag[] = "-platform";
    static QByteArray platform = QByteArray("offscreen:configfile=") + VELTARN_SCREEN_CONFIG;
    static char *argv[] = {name, platformFlag, platform.data(), nullptr};
    auto app = std::make_unique<QApplication>(argc, argv);
    veltarn::initResources();
    return app;
}

long residentKiB()
{
#ifdef __GLIBC__
    // Memory freed but kept by the allocator for reuse is not the program's; hand it back first.
    malloc_trim(0);
#endif
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

long heapInUseKiB()
{
#ifdef __GLIBC__
    return long(mallinfo2().uordblks / 1024);
#else
    return -1;
#endif
}

} // namespace bench
