// Faults the sanitizer build found in the headless host. Both tests pass in a plain build and
// fail under AddressSanitizer / UndefinedBehaviorSanitizer until the host is fixed.
#include <gtest/gtest.h>

#include "fixture.h"

namespace {

// A host that goes away with the plug-in still started must end it as a quitting host does,
// or the plug-in object (from the host's allocator) is never given back: LeakSanitizer
// reports it in every test that drops a started host without a shutdown.
TEST(ReliabilityHost, DestroyingAStartedHostEndsThePlugin) {
    auto host = qttest::startedHost();
    ASSERT_EQ(host->selectTool(), kNoErr);
    host.reset();
}

// An empty segment write carries no segments; the host must not hand its null pointer to
// memmove (UndefinedBehaviorSanitizer: null pointer passed as argument 1).
TEST(ReliabilityHost, AnEmptySegmentWriteNeedsNoSegments) {
    qthost::Document document;
    AIArtHandle path = nullptr;
    ASSERT_EQ(document.newArt(kPathArt, kPlaceAboveAll, nullptr, &path), kNoErr);
    EXPECT_EQ(document.setSegments(path, 0, 0, nullptr), kNoErr);
    EXPECT_TRUE(document.segments(path).empty());
}

}  // namespace
