// quentarb_bench: the benchmark suite. Google Benchmark's own flags apply
// (--benchmark_filter, --benchmark_repetitions, --benchmark_format, ...).
#include <benchmark/benchmark.h>

namespace qtbench {
void registerModeBenchmarks();
void registerExportBenchmarks();
void registerMemoryBenchmarks();
}  // namespace qtbench

int main(int argc, char** argv) {
    qtbench::registerModeBenchmarks();
    qtbench::registerExportBenchmarks();
    qtbench::registerMemoryBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
