#pragma once

namespace veltarn
{

// The title word asks for the "MS PMincho" family. Where it is not installed, the installed
// metric-compatible Mincho stands in for it rather than whatever sans face the system prefers.
void addTitleFontSubstitute();

} // namespace veltarn
