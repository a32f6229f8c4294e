// The scene handed to the page's canvas as flat arrays, read in place from the module's
// memory: one record per path or per group that composites as a whole, in paint order.
#ifndef QT_WEB_DRAW_LIST_H
#define QT_WEB_DRAW_LIST_H

#include <cstdint>
#include <vector>

#include "export/scene.h"

namespace qtweb {

// Record kinds, and the path flags.
enum : int32_t { kPathRecord = 0, kGroupBegin = 1, kGroupEnd = 2 };
enum : int32_t { kClosed = 1, kFilled = 2, kStroked = 4, kEvenOdd = 8 };

// Each record is kInts ints and kFloats floats:
//   ints:   kind, first segment, segment count, flags, fill 0xRRGGBB, stroke 0xRRGGBB, blend mode, 0
//   floats: stroke width, opacity, bounds left, bottom, right, top (anchors and handles),
//           widest stroke inside (groups), 0
// A segment is six floats: anchor, in handle, out handle (h, v in document points).
// A group gets a begin and an end record only when its opacity or blend mode applies to it as
// a whole; other groups just hand over their contents.
struct DrawList {
    static constexpr int kInts = 8;
    static constexpr int kFloats = 8;

    std::vector<int32_t> ints;
    std::vector<float> floats;
    std::vector<float> segments;
    uint32_t paths = 0;

    size_t records() const { return ints.size() / kInts; }
    void clear();
    void add(const qtexport::SceneNode& node);
    // Puts the records of `front` before these (new art beneath the rest).
    void prepend(DrawList front);
};

// Whether a node draws over whatever is beneath it as plain "over" compositing, so that art
// put beneath it later changes nothing of how it blends.
bool compositesNormally(const qtexport::SceneNode& node);

}  // namespace qtweb

#endif
