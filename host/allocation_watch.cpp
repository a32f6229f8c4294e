// The counting new-handler.
#include "host/allocation_watch.h"

#include <mutex>
#include <new>

namespace qthost {

namespace {

// Per thread: a host's messages run on its thread, and so do the plug-in's allocations in them.
thread_local uint64_t gFailures = 0;
std::new_handler gPrevious = nullptr;

// Called by operator new when the heap has no block: counted, then as the runtime would have
// done without a handler (or as the one set before this one does).
void countFailure() {
    ++gFailures;
    if (gPrevious == nullptr) throw std::bad_alloc();
    gPrevious();
}

}  // namespace

void watchAllocationFailures() {
    static std::once_flag once;
    std::call_once(once, [] {
        gPrevious = std::set_new_handler(countFailure);
        if (gPrevious == countFailure) gPrevious = nullptr;
    });
}

uint64_t allocationFailures() { return gFailures; }

}  // namespace qthost
