// quentarb_bench: the benchmark suite. Google Benchmark's own flags apply
// (--benchmark_filter, --benchmark_repetitions, --benchmark_format, ...).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

namespace qtbench {
void registerModeBenchmarks();
void registerExportBenchmarks();
void registerMemoryBenchmarks();
void registerSoakBenchmarks();
// One line for each soak that failed, naming what grew or broke.
const std::vector<std::string>& soakFailures();
}  // namespace qtbench

int main(int argc, char** argv) {
    qtbench::registerModeBenchmarks();
    qtbench::registerExportBenchmarks();
    qtbench::registerMemoryBenchmarks();
    qtbench::registerSoakBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    // A failed soak fails the run (a benchmark's own error does not change the exit status).
    for (const std::string& failure : qtbench::soakFailures())
        std::fprintf(stderr, "soak failed: %s\n", failure.c_str());
    return qtbench::soakFailures().empty() ? 0 : 1;
}
