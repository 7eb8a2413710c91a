#pragma once

namespace veltarn
{

// Makes a face with the metrics of the one the forms were laid out for the default of every
// widget whose form names no family, at the size the platform chose. The families the forms do
// name keep their own faces. Call it once the application object exists.
void setDefaultFont();

} // namespace veltarn
