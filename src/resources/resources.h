#pragma once

namespace veltarn
{

// Registers the compiled-in images (":/tern.png", ":/phys.png", ":/author.png"). A static
// library's resources are not registered by themselves: every program that links the library
// calls this once before it builds a window.
void initResources();

} // namespace veltarn
