#include "resources/resources.h"

#include <QtCore/qglobal.h>

// Q_INIT_RESOURCE declares its function at the scope it is used in, so it must run outside any
// namespace.
static void registerImages()
{
    Q_INIT_RESOURCE(images);
}

namespace veltarn
{

void initResources()
{
    registerImages();
}

} // namespace veltarn
