// The document as JSON: page, colour model, seed, every plug-in result, alerts, and the
// layers with their art back to front. Paths whose geometry is not finite are left out.
#ifndef QT_EXPORT_JSON_EXPORT_H
#define QT_EXPORT_JSON_EXPORT_H

#include <cstddef>
#include <string>
#include <vector>

#include "export/byte_sink.h"
#include "host/document.h"

namespace qtexport {

struct RunInfo {
    unsigned seed = 1;
    std::vector<ASErr> results;
    std::vector<std::string> alerts;
};

// A colour as the JSON names it: its kind ("gray", "cmyk", "rgb", "pattern", "spot",
// "gradient", "none") and how many of its components it writes.
const char* colorKindName(ASInt32 kind);
int colorComponentCount(ASInt32 kind);

// Written to `sink` as the document is walked, each segment read once; returns the number of
// paths left out.
size_t writeDocumentJson(const qthost::Document& document, const RunInfo& run, ByteSink& sink);

// The same bytes as one string.
std::string documentJson(const qthost::Document& document, const RunInfo& run);

}  // namespace qtexport

#endif
