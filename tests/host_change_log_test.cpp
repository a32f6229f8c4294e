// The change log: a revert hands back the changes since a recording point, newest first, and
// the table sizes to cut back to; the point and later ones go.
#include <gtest/gtest.h>

#include "host/change_log.h"

namespace {

using qthost::Change;
using qthost::ChangeKind;
using qthost::ChangeLog;

TEST(HostChangeLog, RevertHandsBackTheChangesSinceThePointNewestFirst) {
    ChangeLog log({0, 0, 1, 0});
    log.record({ChangeKind::created, 1});
    EXPECT_EQ(log.place({0, 10, 2, 0}), 1u);
    log.record({ChangeKind::created, 2});
    log.record({ChangeKind::style, 2, 7});
    EXPECT_EQ(log.place({0, 20, 3, 1}), 2u);
    log.record({ChangeKind::opacity, 3});
    EXPECT_EQ(log.lastPoint().logSize, 3u) << "a point records the log's size itself";

    std::vector<uint32_t> reverted;
    qthost::RecordingPoint point = log.revertTo(1, [&](const Change& c) { reverted.push_back(c.slot); });
    EXPECT_EQ(reverted, (std::vector<uint32_t>{3, 2, 2}));
    EXPECT_EQ(point.arenaSize, 10u) << "the sizes of the tables at point 1";
    EXPECT_EQ(point.styleCount, 2u);
    EXPECT_EQ(log.size(), 1u);
    EXPECT_EQ(log.depth(), 0u) << "point 1 and the later ones are gone";

    reverted.clear();
    point = log.revertTo(0, [&](const Change& c) { reverted.push_back(c.slot); });
    EXPECT_EQ(reverted, std::vector<uint32_t>{1});
    EXPECT_EQ(point.styleCount, 1u) << "the empty document's";
    EXPECT_EQ(log.depth(), 0u) << "depth 0 always stays";
    EXPECT_EQ(log.revertTo(5, [](const Change&) { ADD_FAILURE(); }).logSize, 0u)
        << "past the deepest: the last";
}

}  // namespace
