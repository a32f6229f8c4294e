// A document as it was at one moment: its JSON and its scene (what every drawing exporter
// reads), taken from the host, so that it stays as it was while the session draws on.
#ifndef QT_PYTHON_SNAPSHOT_H
#define QT_PYTHON_SNAPSHOT_H

#include <cstdint>
#include <string>
#include <vector>

#include "export/scene.h"
#include "host/host.h"

namespace qtpython {

struct Snapshot {
    std::string json;  // byte for byte what `quentarb draw --out -` writes
    qtexport::Scene scene;
    std::vector<ASErr> results;
    std::vector<std::string> alerts;
    uint32_t seed = 1;
    std::string colorModel;
    size_t leftOut = 0;  // objects whose geometry is not finite, left out of every format
    uint64_t maxPngPixels = 0;

    // In paint order, envelopes warped.
    size_t pathCount() const;

    std::string svg() const;
    std::string pdf() const;
    std::string png(double pixelsPerPoint) const;
    // By the extension, written whole or not at all; UsageError for a bad name or a PNG over
    // the limit, RunFailure when the file cannot be written.
    void save(const std::string& path) const;
};

Snapshot takeSnapshot(qthost::Host& host, uint64_t maxPngPixels);

// UsageError when the page at this scale is more than a PNG holds or more pixels than allowed.
void checkPngSize(const qtexport::Scene& scene, double pixelsPerPoint, uint64_t maxPixels);

}  // namespace qtpython

#endif
