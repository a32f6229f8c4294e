// Taking a document's snapshot, and its formats through the export layer.
#include "python/snapshot.h"

#include <cairo.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <new>
#include <sstream>

#include "export/files/cairo_export.h"
#include "export/files/document_file.h"
#include "export/finite.h"
#include "export/json_export.h"
#include "export/svg_export.h"
#include "host/run_errors.h"
#include "session/draw_plan.h"

namespace qtpython {

namespace fs = std::filesystem;

using qthost::RunFailure;
using qthost::UsageError;

namespace {

size_t countPaths(const std::vector<qtexport::SceneNode>& nodes) {
    size_t n = 0;
    for (const qtexport::SceneNode& node : nodes) n += node.isGroup ? countPaths(node.children) : 1;
    return n;
}

// PNG and PDF are written by the exporters to files only: they are written into a folder of
// our own and read back, so the bytes are the very bytes `quentarb draw` writes.
template <class Write>
std::string bytesThroughFile(const char* name, Write write) {
    std::error_code ec;
    std::string folder = (fs::temp_directory_path(ec) / "quentarb-export-XXXXXX").string();
    if (ec || !mkdtemp(folder.data())) throw RunFailure("cannot make a temporary folder for the export");
    struct Remove {
        std::string folder;
        ~Remove() {
            std::error_code ignored;
            fs::remove_all(folder, ignored);
        }
    } remove{folder};
    const std::string path = (fs::path(folder) / name).string();
    write(path);
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw RunFailure("cannot read back the export");
    return bytes;
}

void drawn(const std::string& failure, const char* format) {
    if (failure.empty()) return;
    if (failure == cairo_status_to_string(CAIRO_STATUS_NO_MEMORY)) throw std::bad_alloc();
    throw RunFailure(std::string("cannot make the ") + format + ": " + failure);
}

}  // namespace

Snapshot takeSnapshot(qthost::Host& host, uint64_t maxPngPixels) {
    Snapshot s;
    s.seed = host.config().seed;
    s.results = host.results().all();
    s.alerts = host.records().alerts;
    s.json = qtexport::documentJson(host.document(), qtexport::RunInfo{s.seed, s.results, s.alerts});
    s.scene = qtexport::buildScene(host.document());
    s.leftOut = qtexport::countNonFinite(host.document());
    s.maxPngPixels = maxPngPixels;
    return s;
}

size_t Snapshot::pathCount() const {
    size_t n = 0;
    for (const qtexport::SceneLayer& layer : scene.layers) n += countPaths(layer.nodes);
    return n;
}

void checkPngSize(const qtexport::Scene& scene, double pixelsPerPoint, uint64_t maxPixels) {
    if (!(pixelsPerPoint > 0.0) || !std::isfinite(pixelsPerPoint))
        throw UsageError("png: scale must be above 0");
    const double width = std::ceil(scene.pageWidth * pixelsPerPoint),
                 height = std::ceil(scene.pageHeight * pixelsPerPoint);
    if (width > qtexport::kMaxPngSide || height > qtexport::kMaxPngSide) {
        throw UsageError("png: " + std::to_string(static_cast<long long>(width)) + " x " +
                         std::to_string(static_cast<long long>(height)) +
                         " is too large for a PNG (at most " + std::to_string(qtexport::kMaxPngSide) +
                         " pixels a side)");
    }
    const auto pixels = static_cast<uint64_t>(width) * static_cast<uint64_t>(height);
    if (pixels > maxPixels)
        throw UsageError(qtsession::overLimit("png: pixels", pixels, maxPixels, "--max-png-pixels"));
}

std::string Snapshot::svg() const { return qtexport::sceneSvg(scene); }

std::string Snapshot::pdf() const {
    return bytesThroughFile("drawing.pdf",
                            [&](const std::string& path) { drawn(qtexport::writePdf(scene, path), "PDF"); });
}

std::string Snapshot::png(double pixelsPerPoint) const {
    checkPngSize(scene, pixelsPerPoint, maxPngPixels);
    return bytesThroughFile("drawing.png", [&](const std::string& path) {
        drawn(qtexport::writePng(scene, path, pixelsPerPoint), "PNG");
    });
}

void Snapshot::save(const std::string& path) const {
    if (path == "-") throw UsageError("save: '-' is standard output; give a file name");
    const qtexport::Format format = qtexport::formatFor(path);
    if (format == qtexport::Format::png) checkPngSize(scene, 1.0, maxPngPixels);
    if (format == qtexport::Format::json) {
        qtexport::writeTextFile(path, json);
    } else {
        qtexport::writeDrawing(scene, path);
    }
}

}  // namespace qtpython
