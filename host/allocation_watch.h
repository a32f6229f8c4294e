// The process's allocation failures, counted. The plug-in's own heap is the C++ heap it shares
// with the host where the C++ runtime is shared (a POSIX module linked against the system's
// libstdc++): an allocation that fails there calls the runtime's new-handler, which the host
// sets, before std::bad_alloc is thrown. The plug-in answers such a failure with "CANT" (it
// carries no code); the host tells it from any other "CANT" by this count, and knows it ran
// out of memory. (A module with a C++ runtime of its own, such as the Windows build, has its
// own handler; its failures are not seen here.)
#ifndef QT_HOST_ALLOCATION_WATCH_H
#define QT_HOST_ALLOCATION_WATCH_H

#include <cstdint>

namespace qthost {

// Installs the counting new-handler once; a handler set before is still called after it.
void watchAllocationFailures();
// Allocation failures on this thread since it started.
uint64_t allocationFailures();

}  // namespace qthost

#endif
