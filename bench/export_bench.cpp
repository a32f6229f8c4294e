// Export of a 100,000-path document: JSON and SVG as the command line streams them (to a sink
// that keeps nothing) and as strings, and PNG.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>

#include "bench_session.h"
#include "export/files/cairo_bands.h"
#include "export/files/cairo_export.h"
#include "export/json_export.h"
#include "export/scene.h"
#include "export/svg_export.h"

namespace qtbench {
namespace {

constexpr size_t kExportPaths = 100'000;

// Drag mode, 500 copies, Trail on: each event leaves its copies, until the document holds
// at least kExportPaths paths. Built once, on first use.
qtsession::Session& exportSession() {
    static std::unique_ptr<qtsession::Session> session = [] {
        auto s = modeSession(1, {{"copiesvalue_1", "500"}, {"trailvalue_1", "1"}});
        qthost::Host& host = s->host();
        host.mouseDown(kDragStart);
        for (uint64_t event = 0; tallyPaths(host.document()).paths < kExportPaths; ++event) {
            host.mouseDrag(dragPoint(event));
        }
        host.mouseUp();
        return s;
    }();
    return *session;
}

void setPathCount(benchmark::State& state, const qthost::Document& document) {
    state.counters["paths"] = static_cast<double>(tallyPaths(document).paths);
}

// Counts the bytes and keeps none, as a file would.
struct CountingSink : qtexport::ByteSink {
    size_t bytes = 0;
    void write(std::string_view piece) override {
        bytes += piece.size();
        benchmark::DoNotOptimize(piece.data());
    }
};

void exportJsonStream(benchmark::State& state) {
    const qthost::Document& document = exportSession().host().document();
    size_t bytes = 0;
    for (auto _ : state) {
        CountingSink sink;
        qtexport::writeDocumentJson(document, {}, sink);
        bytes = sink.bytes;
    }
    setPathCount(state, document);
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

void exportSvgStream(benchmark::State& state) {
    const qthost::Document& document = exportSession().host().document();
    size_t bytes = 0;
    for (auto _ : state) {
        CountingSink sink;
        qtexport::writeDocumentSvg(document, sink);
        bytes = sink.bytes;
    }
    setPathCount(state, document);
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

void exportJson(benchmark::State& state) {
    const qthost::Document& document = exportSession().host().document();
    size_t bytes = 0;
    for (auto _ : state) {
        std::string json = qtexport::documentJson(document, {});
        bytes = json.size();
        benchmark::DoNotOptimize(json.data());
    }
    setPathCount(state, document);
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

void exportSvg(benchmark::State& state) {
    const qthost::Document& document = exportSession().host().document();
    size_t bytes = 0;
    for (auto _ : state) {
        std::string svg = qtexport::sceneSvg(qtexport::buildScene(document));
        bytes = svg.size();
        benchmark::DoNotOptimize(svg.data());
    }
    setPathCount(state, document);
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
}

void exportPng(benchmark::State& state) {
    const qthost::Document& document = exportSession().host().document();
    const std::string path = "/tmp/quentarb_bench_export.png";
    for (auto _ : state) {
        std::string error = qtexport::writePng(qtexport::buildScene(document), path);
        if (!error.empty()) {
            state.SkipWithError(error.c_str());
            break;
        }
    }
    std::remove(path.c_str());
    setPathCount(state, document);
    state.counters["bands"] = qtexport::defaultBandCount();
}

// The page drawn in a given number of bands (threads), without the PNG encoding: one band
// shows the drawing's whole CPU cost on a single thread.
void exportBands(benchmark::State& state) {
    const qthost::Document& document = exportSession().host().document();
    int bands = static_cast<int>(state.range(0));
    for (auto _ : state) {
        qtexport::Scene scene = qtexport::buildScene(document);
        qtexport::PageImage image;
        image.width = static_cast<int>(std::ceil(scene.pageWidth));
        image.height = static_cast<int>(std::ceil(scene.pageHeight));
        image.stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, image.width);
        image.pixels.resize(static_cast<size_t>(image.stride) * image.height);
        std::string error = qtexport::renderBands(scene, 1.0, image, bands);
        if (!error.empty()) {
            state.SkipWithError(error.c_str());
            break;
        }
        benchmark::DoNotOptimize(image.pixels.data());
    }
    setPathCount(state, document);
}

}  // namespace

void registerExportBenchmarks() {
    benchmark::RegisterBenchmark("Export/json_100k", exportJson)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Export/svg_100k", exportSvg)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Export/json_100k_stream", exportJsonStream)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Export/svg_100k_stream", exportSvgStream)->Unit(benchmark::kMillisecond);
    // The PNG is drawn on several threads: CPU time is the whole process's, and the time
    // reported is wall time.
    benchmark::RegisterBenchmark("Export/png_100k", exportPng)
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime()
        ->UseRealTime();
    benchmark::RegisterBenchmark("Export/png_100k_draw_bands", exportBands)
        ->Arg(1)
        ->Arg(2)
        ->Unit(benchmark::kMillisecond)
        ->MeasureProcessCPUTime()
        ->UseRealTime();
}

}  // namespace qtbench
