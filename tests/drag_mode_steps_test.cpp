// The order of the drag mode's per-copy steps, read from the host's trace of one event with
// every step switched on: fill, stroke, width, tag, transform, opacity, pressure opacity,
// blend, pattern, envelope.
#include <algorithm>
#include <string>
#include <vector>

#include "driver_fixture.h"

namespace qttest {
namespace {

class DragToolStepsTest : public DriverTest {};

const std::vector<std::string> kStepCalls = {
    "AI Path Style Suite.GetPathStyle",
    "AI Path Style Suite.SetPathStyle",
    "AI Tag Suite.SetTag",
    "AI Transform Art Suite.TransformArt",
    "AI Blend Style Suite.SetOpacity",
    "AI Blend Style Suite.SetBlendingMode",
    "AI Art Suite.DuplicateArt",
    "AI Envelope Suite.MakeEnvelope",
};

TEST_F(DragToolStepsTest, EachCopyPassesTheStepsInOrder) {
    plainDragMode(2);
    selectEntry(items::fillMode, 1);
    selectEntry(items::strokeMode, 1);
    setBool(items::width, true);
    setBool(items::opacity, true);
    setBool(items::prOpacity, true);
    setBool(items::blend, true);
    selectEntry(items::pattern, 1);  // group 1: three duplicates
    setBool(items::warp1, true);
    down({100, 100});
    host().setTracing(true);
    host().clearTrace();
    ASSERT_EQ(move({180, 140}), kNoErr);

    // The steps of copy 0 (the drag path) start after the mode reads D's centre.
    const auto& trace = host().trace();
    auto it = std::find(trace.begin(), trace.end(), "AI Art Suite.GetArtBounds");
    ASSERT_NE(it, trace.end());
    std::vector<std::string> calls;
    for (++it; it != trace.end(); ++it)
        if (std::find(kStepCalls.begin(), kStepCalls.end(), *it) != kStepCalls.end()) calls.push_back(*it);

    const std::vector<std::string> upToPattern = {
        "AI Path Style Suite.GetPathStyle",
        "AI Path Style Suite.SetPathStyle",  // fill
        "AI Path Style Suite.GetPathStyle",
        "AI Path Style Suite.SetPathStyle",  // stroke
        "AI Path Style Suite.GetPathStyle",
        "AI Path Style Suite.SetPathStyle",  // width
        "AI Tag Suite.SetTag",
        "AI Transform Art Suite.TransformArt",  // tag, transform
        "AI Blend Style Suite.SetOpacity",
        "AI Blend Style Suite.SetOpacity",       // opacity, pressure
        "AI Blend Style Suite.SetBlendingMode",  // blend
        "AI Art Suite.DuplicateArt",             // pattern's first
    };
    ASSERT_GE(calls.size(), upToPattern.size());
    EXPECT_EQ(std::vector<std::string>(calls.begin(), calls.begin() + upToPattern.size()), upToPattern);

    // The envelope comes after the pattern's three duplicates and its own shape, before the
    // duplicate that starts copy 1.
    std::vector<size_t> duplicates;
    for (size_t i = 0; i < calls.size(); ++i)
        if (calls[i] == "AI Art Suite.DuplicateArt") duplicates.push_back(i);
    const auto envelope =
        std::find(calls.begin(), calls.end(), "AI Envelope Suite.MakeEnvelope") - calls.begin();
    ASSERT_GE(duplicates.size(), 5u);
    EXPECT_EQ(static_cast<size_t>(envelope), duplicates[3] + 1) << "the shape is duplicated just before";
    EXPECT_LT(static_cast<size_t>(envelope), duplicates[4]);
}

}  // namespace
}  // namespace qttest
