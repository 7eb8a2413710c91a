#pragma once

// Probes shared by the tests of the parameter demonstrations.

#include "plotdrivers.h"
#include "testsupport.h"

namespace testsupport
{

// Appends "name value" to `heard` for every value `sender` announces through `signal`.
template <typename S>
void listen(QStringList &heard, S &sender, void (S::*signal)(int), const char *name)
{
    QObject::connect(&sender, signal, &sender, [&heard, name](int v) {
        heard << QLatin1String(name) + ' ' + QString::number(v);
    });
}

} // namespace testsupport
