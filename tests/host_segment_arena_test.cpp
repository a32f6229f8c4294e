// The segment arena: paths own ranges of one array; a range that may not be written in place
// moves to the end and leaves its old segments as they were.
#include <gtest/gtest.h>

#include "host/segment_arena.h"

namespace {

using qthost::SegmentArena;
using qthost::SegmentRange;

AIPathSegment at(AIReal h) { return {{h, 0}, {h, 0}, {h, 0}, 1}; }

void fill(SegmentArena& arena, SegmentRange& range, std::initializer_list<AIReal> values) {
    AIPathSegment* s = arena.writable(range, static_cast<uint32_t>(values.size()), true);
    for (AIReal v : values) *s++ = at(v);
    range.count = static_cast<uint32_t>(values.size());
}

std::vector<AIReal> read(const SegmentArena& arena, const SegmentRange& range) {
    std::vector<AIReal> out;
    for (uint32_t i = 0; i < range.count; ++i) out.push_back(arena.at(range.offset)[i].p.h);
    return out;
}

TEST(HostSegmentArena, TheLastRangeGrowsInPlaceAndAnInnerOneMovesToTheEnd) {
    SegmentArena arena;
    SegmentRange first, second;
    fill(arena, first, {1, 2});
    fill(arena, second, {3});
    EXPECT_EQ(first.offset, 0u);
    EXPECT_EQ(second.offset, 2u);

    fill(arena, second, {3, 4, 5});
    EXPECT_EQ(second.offset, 2u) << "last in the arena: grows where it is";
    EXPECT_EQ(second.capacity, 3u);

    fill(arena, first, {1, 2, 9});
    EXPECT_EQ(first.offset, 5u) << "hemmed in: moves to the end";
    EXPECT_EQ(first.capacity, 4u) << "twice its old capacity";
    EXPECT_EQ(read(arena, first), (std::vector<AIReal>{1, 2, 9}));
    EXPECT_EQ(read(arena, second), (std::vector<AIReal>{3, 4, 5}));
}

TEST(HostSegmentArena, ARangeNotWrittenInPlaceKeepsItsOldSegmentsForUndo) {
    SegmentArena arena;
    SegmentRange path;
    fill(arena, path, {1, 2});
    const SegmentRange before = path;
    const size_t point = arena.size();  // a recording point

    AIPathSegment* s = arena.writable(path, 2, false);
    s[0] = at(7);
    EXPECT_EQ(path.offset, 2u);
    EXPECT_EQ(path.capacity, 2u) << "just its count";
    EXPECT_EQ(read(arena, before), (std::vector<AIReal>{1, 2})) << "the old segments are untouched";
    EXPECT_EQ(read(arena, path), (std::vector<AIReal>{7, 2}));

    SegmentRange copy = arena.copy(path);
    EXPECT_EQ(read(arena, copy), (std::vector<AIReal>{7, 2}));
    EXPECT_EQ(copy.capacity, 2u);

    arena.truncate(point);  // the revert: the range goes back to where it was
    EXPECT_EQ(arena.size(), 2u);
    EXPECT_EQ(read(arena, before), (std::vector<AIReal>{1, 2}));
}

}  // namespace
