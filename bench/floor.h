// The floor: what copying and transforming the same segments costs in a plain loop over
// contiguous memory, with no host, no plug-in and no undo. Modes are reported as a ratio to it.
#ifndef QT_BENCH_FLOOR_H
#define QT_BENCH_FLOOR_H

#include <cstddef>
#include <vector>

#include "sdk/quen_tarb_sdk.h"

namespace qtbench {

class FloorLoop {
  public:
    FloorLoop(size_t copies, size_t segmentsPerCopy);
    // One event's worth: every copy's segments copied from the source and moved by a matrix.
    void run();
    const std::vector<AIPathSegment>& output() const { return out_; }

  private:
    size_t copies_;
    std::vector<AIPathSegment> source_;
    std::vector<AIPathSegment> out_;
};

// CPU seconds this thread has used: the machine is shared, so ratios compare CPU time.
double threadCpuSeconds();

// Median CPU seconds of one floor event for this many copies and segments per copy.
double floorSeconds(size_t copies, size_t segmentsPerCopy);

}  // namespace qtbench

#endif
