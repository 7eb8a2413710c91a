#pragma once

#include <memory>

class QApplication;

namespace bench
{

// The application on the offscreen platform with a 1920×1080 screen, whatever the command line.
std::unique_ptr<QApplication> makeApplication();

// Resident memory of this process in kibibytes, after freed memory went back to the system.
long residentKiB();

// Heap memory the program holds (allocated and not yet freed) in kibibytes; -1 where the C
// library does not say.
long heapInUseKiB();

} // namespace bench
