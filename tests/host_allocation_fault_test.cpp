// The host's exception boundary: an allocation that fails while the host serves a suite call
// (the document growing, say) becomes the host's out-of-memory answer to the plug-in. Nothing
// crosses the C suite tables and nothing aborts; the host keeps the fault, refuses every later
// call with the same code, and goes away cleanly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <new>

#include "fixture.h"
#include "host/host_impl.h"

namespace {

// Allocations made inside suite calls still to go before one fails; negative: none fails.
// Allocations of the plug-in itself and of the test never count.
long gFailAfter = -1;

}  // namespace

// GCC cannot see that this pair replaces the allocator as a whole.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"

// Replaces the program's allocator (the loaded module binds to it too, but only allocations
// made while the host serves the plug-in can fail).
void* operator new(std::size_t size) {
    if (gFailAfter >= 0 && qthost::servingPlugin() && gFailAfter-- == 0) throw std::bad_alloc();
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

using qthost::HostFault;

// From the palette's creation through a finished drag, the nth allocation inside the host
// fails, for every n until a run gets through with no allocation failed.
TEST(HostAllocationFault, EveryFailedAllocationIsOutOfMemoryForThePlugin) {
    long n = 0;
    for (;; ++n) {
        const std::string where = "allocation " + std::to_string(n);
        auto host = qttest::startedHost();
        const size_t resultsBefore = host->results().size();
        gFailAfter = n;
        host->selectTool();
        qttest::drag(*host, {100, 100}, {300, 250}, 4);
        qttest::drag(*host, {120, 300}, {400, 500}, 4);
        const bool failed = gFailAfter < 0;
        gFailAfter = -1;
        if (!failed) {
            EXPECT_EQ(host->fault(), HostFault::none) << where;
            break;
        }
        ASSERT_EQ(host->fault(), HostFault::outOfMemory) << where;
        const auto& results = host->results().all();
        EXPECT_NE(
            std::find(results.begin() + static_cast<long>(resultsBefore), results.end(), kOutOfMemoryErr),
            results.end())
            << where << ": the plug-in was told the host is out of memory";
        // Every later call is refused with the same code: the document may be half changed.
        AIArtHandle art = nullptr;
        const AIArtSuite* suite = nullptr;
        for (const qthost::SuiteEntry& entry : qthost::artSuites()) {
            if (std::string(entry.name) == kAIArtSuite) suite = static_cast<const AIArtSuite*>(entry.table);
        }
        ASSERT_NE(suite, nullptr);
        EXPECT_EQ(suite->NewArt(kPathArt, kPlaceAboveAll, nullptr, &art), kOutOfMemoryErr) << where;
    }
    EXPECT_GT(n, 10) << "the host allocates while it serves the plug-in, so some allocations failed";
}

// The host's art limit is the same answer, kept as a limit.
TEST(HostAllocationFault, TheArtLimitIsOutOfMemoryForThePluginAndKeptAsALimit) {
    qthost::HostConfig config;
    config.maxArt = 5;
    auto host = qttest::startedHost(config);
    host->selectTool();
    qttest::drag(*host, {100, 100}, {300, 250}, 4);
    EXPECT_EQ(host->fault(), HostFault::limit);
    EXPECT_LE(host->document().liveArtCount(), 5u);
    const auto& results = host->results().all();
    EXPECT_NE(std::find(results.begin(), results.end(), kOutOfMemoryErr), results.end());
}

}  // namespace
