// The limits of one run: each keeps it within what a 24 GB, two-core machine holds
// comfortably, and each has a flag to raise it (README, "The command line").
#ifndef QT_SESSION_LIMITS_H
#define QT_SESSION_LIMITS_H

#include <cstdint>

namespace qtsession {

struct Limits {
    // Drag events of one run (--steps, or the drags of a gesture): --max-steps.
    uint64_t steps = 100000;
    // Bytes of a gesture file: --max-gesture-bytes.
    uint64_t gestureBytes = 64ull << 20;
    // Art objects the document may hold as it grows (paths, groups, envelopes): --max-art.
    // About 200 bytes of memory each while drawing and 380 bytes of JSON: at the limit a run
    // takes about 0.4 GB, and its JSON file 0.75 GB.
    uint64_t art = 2000000;
    // Pixels of a PNG (one per point): --max-png-pixels. 4 bytes each while drawing.
    uint64_t pngPixels = 100000000;
};

}  // namespace qtsession

#endif
