// One art object as the document stores it.
#ifndef QT_HOST_ART_RECORD_H
#define QT_HOST_ART_RECORD_H

#include <cstdint>

#include "host/segment_arena.h"
#include "sdk/quen_tarb_sdk.h"

namespace qthost {

inline constexpr uint32_t kNoSlot = UINT32_MAX;

// Trivially copyable and small, because a duplicate copies it and a drag makes tens of
// thousands: styles, warps and tag sets live in tables and the record holds their indices.
struct ArtRecord {
    uint32_t generation = 1;
    ASInt16 type = kUnknownArt;
    bool inUse : 1 = false;      // allocated: in the document, or disposed but revivable by undo
    bool alive : 1 = false;      // in the document
    bool layerRoot : 1 = false;  // the invisible container of a layer's top-level art
    bool closed : 1 = false;
    uint8_t blendMode = kNormalBlendMode;
    uint32_t parent = kNoSlot, prev = kNoSlot, next = kNoSlot;
    uint32_t firstChild = kNoSlot, lastChild = kNoSlot;
    uint32_t shape = kNoSlot;  // envelope: the object it was made from
    uint32_t bornAt = 0;       // change-log size when it was made
    SegmentRange segments;     // in the segment arena
    uint32_t style = 0;        // in the style table
    uint32_t warp = kNoSlot;   // in the warp table; none: no warp
    uint32_t tags = 0;         // in the tag interner's sets; 0: no tags
    AIReal opacity = 1.0f;

    // Layer roots answer to no handle: the plug-in never sees them.
    bool hidden() const { return layerRoot; }
};

}  // namespace qthost

#endif
