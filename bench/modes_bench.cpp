// Every mode through PluginMain: one processed drag event (the revert of the previous
// event's art included) at the defaults, with every shared styling option on, and at the
// largest counts the palette allows; each also as a ratio to the floor loop.
#include <benchmark/benchmark.h>

#include <map>
#include <string>

#include "bench_session.h"
#include "floor.h"

namespace qtbench {
namespace {

struct ModeRun {
    std::string label;
    int tool;
    Options options;
};

double cachedFloorSeconds(size_t copies, size_t segmentsPerCopy) {
    static std::map<std::pair<size_t, size_t>, double> cache;
    auto key = std::make_pair(copies, segmentsPerCopy);
    auto it = cache.find(key);
    if (it == cache.end()) it = cache.emplace(key, floorSeconds(copies, segmentsPerCopy)).first;
    return it->second;
}

void processedEvent(benchmark::State& state, const ModeRun& run) {
    auto session = modeSession(run.tool, run.options);
    qthost::Host& host = session->host();
    const size_t pathsBefore = tallyPaths(host.document()).paths;
    host.mouseDown(kDragStart);
    uint64_t event = 0;
    // Two events first, so the measured ones each revert a full layout.
    host.mouseDrag(dragPoint(event++));
    host.mouseDrag(dragPoint(event++));
    const PathTally tally = tallyPaths(host.document());
    const size_t copies = tally.paths - pathsBefore;
    const uint64_t callsBefore = host.fallibleCallCount();

    const double start = threadCpuSeconds();
    for (auto _ : state) host.mouseDrag(dragPoint(event++));
    const double seconds = threadCpuSeconds() - start;
    const double calls = static_cast<double>(host.fallibleCallCount() - callsBefore);
    host.mouseUp();

    for (ASErr result : host.results()) {
        if (result != kNoErr) {
            state.SkipWithError(("the plug-in returned " + std::to_string(result)).c_str());
            return;
        }
    }
    const double iterations = static_cast<double>(state.iterations());
    const size_t segmentsPerCopy = tally.paths ? (tally.segments + tally.paths / 2) / tally.paths : 0;
    state.counters["copies"] = static_cast<double>(copies);
    state.counters["segs/copy"] = static_cast<double>(segmentsPerCopy);
    state.counters["copies/s"] =
        benchmark::Counter(static_cast<double>(copies) * iterations, benchmark::Counter::kIsRate);
    if (copies > 0) {
        state.counters["calls/copy"] = calls / iterations / static_cast<double>(copies);
        const double floor = cachedFloorSeconds(copies, segmentsPerCopy);
        state.counters["floor_us"] = floor * 1e6;
        state.counters["x_floor"] = seconds / iterations / floor;
    }
}

std::vector<ModeRun> largestRuns() {
    return {
        {"grid_300x300",
         qttable::toolNamed("grid"),
         {{"horizontalcopiesvalue_0", "300"}, {"verticalcopiesvalue_0", "300"}}},
        {"drag_500", qttable::toolNamed("drag"), {{"copiesvalue_1", "500"}}},
        {"zoom_500", qttable::toolNamed("zoom"), {{"copiesvalue_2", "500"}}},
        {"framed_300x300",
         qttable::toolNamed("framed"),
         {{"horizontalcopiesvalue_3", "300"}, {"verticalcopiesvalue_3", "300"}}},
        {"rimrandom_300", qttable::toolNamed("rim-random"), {{"copiesvalue_4", "300"}}},
        {"windmill_300x30",
         qttable::toolNamed("windmill"),
         {{"copiesvalue_5", "300"}, {"circlesvalue_5", "30"}}},
        {"scaledown_500", qttable::toolNamed("scaledown"), {{"copiesvalue_6", "500"}}},
        {"bouncealong_500", qttable::toolNamed("bounce-along"), {{"copiesvalue_7", "500"}}},
        {"spiral_500x50", qttable::toolNamed("spiral"), {{"copiesvalue_8", "500"}, {"spiralsvalue_8", "50"}}},
        {"checkerboard_300x300",
         qttable::toolNamed("checkerboard"),
         {{"horizontalcopiesvalue_9", "300"}, {"verticalcopiesvalue_9", "300"}}},
        {"background_300", qttable::toolNamed("background"), {{"copiesvalue_12", "300"}}},
    };
}

void floorEvent(benchmark::State& state) {
    const size_t copies = static_cast<size_t>(state.range(0));
    FloorLoop loop(copies, 2);
    for (auto _ : state) loop.run();
    state.counters["copies/s"] = benchmark::Counter(
        static_cast<double>(copies) * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

}  // namespace

void registerModeBenchmarks() {
    for (int tool = 0; tool < kModeCount; ++tool) {
        ModeRun run{std::string("default/") + modeLabel(tool), tool, {}};
        benchmark::RegisterBenchmark(("Event/" + run.label).c_str(), processedEvent, run)
            ->Unit(benchmark::kMicrosecond);
    }
    for (int tool = 0; tool < kModeCount; ++tool) {
        ModeRun run{std::string("styled/") + modeLabel(tool), tool, styledOptions(tool)};
        benchmark::RegisterBenchmark(("Event/" + run.label).c_str(), processedEvent, run)
            ->Unit(benchmark::kMicrosecond);
    }
    for (const ModeRun& run : largestRuns()) {
        benchmark::RegisterBenchmark(("Event/largest/" + run.label).c_str(), processedEvent, run)
            ->Unit(benchmark::kMillisecond);
    }
    for (const ModeRun& base : largestRuns()) {
        if (base.tool != 0 && base.tool != 1) continue;
        ModeRun run = base;
        run.label = "largest_styled/" + base.label;
        for (auto& option : styledOptions(base.tool)) run.options.push_back(option);
        benchmark::RegisterBenchmark(("Event/" + run.label).c_str(), processedEvent, run)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("Floor/copies", floorEvent)
        ->Arg(10)
        ->Arg(70)
        ->Arg(500)
        ->Arg(9000)
        ->Arg(25000)
        ->Arg(90000)
        ->Arg(180000)
        ->Unit(benchmark::kMicrosecond);
}

}  // namespace qtbench
