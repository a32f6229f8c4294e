// Memory: heap bytes per path copy kept by a Trail-on drag, and heap growth across 10,000
// reverted events of a Trail-off drag. Each runs once; the figures are counters.
#include <benchmark/benchmark.h>

#include "bench_session.h"

namespace qtbench {
namespace {

void trailOnBytesPerCopy(benchmark::State& state) {
    for (auto _ : state) {
        auto session = modeSession(1, {{"copiesvalue_1", "500"}, {"trailvalue_1", "1"}});
        qthost::Host& host = session->host();
        const size_t pathsBefore = tallyPaths(host.document()).paths;
        host.mouseDown(kDragStart);
        host.mouseDrag(dragPoint(0));  // the first event's one-time allocations
        const size_t paths0 = tallyPaths(host.document()).paths;
        const size_t heap0 = heapBytesInUse();
        for (uint64_t event = 1; event <= 200; ++event) host.mouseDrag(dragPoint(event));
        const size_t heap1 = heapBytesInUse();
        const PathTally tally = tallyPaths(host.document());
        host.mouseUp();
        const double copies = static_cast<double>(tally.paths - paths0);
        state.counters["copies"] = copies;
        state.counters["segs/copy"] =
            static_cast<double>(tally.segments) / static_cast<double>(tally.paths - pathsBefore);
        state.counters["bytes/copy"] = static_cast<double>(heap1 - heap0) / copies;
    }
}

void trailOffGrowth(benchmark::State& state) {
    for (auto _ : state) {
        auto session = modeSession(1, {});
        qthost::Host& host = session->host();
        host.mouseDown(kDragStart);
        uint64_t event = 0;
        for (; event < 100; ++event) host.mouseDrag(dragPoint(event));
        const size_t heap0 = heapBytesInUse();
        for (; event < 10'100; ++event) host.mouseDrag(dragPoint(event));
        const size_t heap1 = heapBytesInUse();
        host.mouseUp();
        state.counters["growth_bytes"] = static_cast<double>(heap1) - static_cast<double>(heap0);
        state.counters["events"] = 10'000;
    }
}

}  // namespace

void registerMemoryBenchmarks() {
    benchmark::RegisterBenchmark("Memory/trail_on_drag_500x200", trailOnBytesPerCopy)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Memory/trail_off_drag_10000_events", trailOffGrowth)
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);
}

}  // namespace qtbench
