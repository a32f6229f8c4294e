// Every path's segments in one growing array. Undo cuts the array back to its size at a
// recording point, so segments stored before the point are never written again.
#ifndef QT_HOST_SEGMENT_ARENA_H
#define QT_HOST_SEGMENT_ARENA_H

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "host/vector_growth.h"
#include "sdk/quen_tarb_sdk.h"

namespace qthost {

// A path's place in the arena: `count` segments used of `capacity` reserved from `offset`.
struct SegmentRange {
    uint32_t offset = 0, count = 0, capacity = 0;
};

class SegmentArena {
  public:
    size_t size() const { return segments_.size(); }
    const AIPathSegment* at(uint32_t offset) const { return segments_.data() + offset; }
    AIPathSegment* at(uint32_t offset) { return segments_.data() + offset; }

    // A copy of the range's segments at the end of the arena, reserving just their count.
    SegmentRange copy(const SegmentRange& from) {
        uint32_t offset = extend(from.count);
        // An empty arena has no storage to name, not even for zero bytes.
        if (from.count) {
            std::memcpy(segments_.data() + offset, segments_.data() + from.offset,
                        from.count * sizeof(AIPathSegment));
        }
        return {offset, from.count, from.count};
    }

    // Room for `newCount` segments that may be written. With `inPlace`, the range's own space
    // is written, or grown when it ends the arena; otherwise (or when it cannot grow there)
    // the segments move to fresh space at the end, and the old space stays as it was.
    AIPathSegment* writable(SegmentRange& range, uint32_t newCount, bool inPlace) {
        if (inPlace && newCount <= range.capacity) return segments_.data() + range.offset;
        if (inPlace && range.offset + range.capacity == segments_.size()) {
            uint32_t capacity = std::max<uint32_t>(newCount, range.capacity * 2);
            extend(range.offset + capacity - segments_.size());
            range.capacity = capacity;
            return segments_.data() + range.offset;
        }
        uint32_t capacity = std::max<uint32_t>(newCount, inPlace ? range.capacity * 2 : range.count);
        uint32_t offset = extend(capacity);
        if (uint32_t kept = std::min(range.count, capacity)) {
            std::memcpy(segments_.data() + offset, segments_.data() + range.offset,
                        kept * sizeof(AIPathSegment));
        }
        range.offset = offset;
        range.capacity = capacity;
        return segments_.data() + offset;
    }

    // Drops everything stored after the first `size` segments.
    void truncate(size_t size) { segments_.resize(size); }

  private:
    // `count` more segments at the end; returns where they start.
    uint32_t extend(size_t count) {
        size_t offset = segments_.size();
        makeRoom(segments_, count);
        segments_.resize(offset + count);
        return static_cast<uint32_t>(offset);
    }

    std::vector<AIPathSegment> segments_;
};

}  // namespace qthost

#endif
