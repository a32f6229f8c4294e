// The document as JSON: page, colour model, seed, every plug-in result, alerts, and the
// layers with their art back to front.
#ifndef QT_EXPORT_JSON_EXPORT_H
#define QT_EXPORT_JSON_EXPORT_H

#include <string>
#include <vector>

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

std::string documentJson(const qthost::Document& document, const RunInfo& run);

}  // namespace qtexport

#endif
