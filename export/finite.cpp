// Checks for non-finite geometry.
#include "export/finite.h"

#include <cmath>

namespace qtexport {

namespace {

bool finite(AIRealPoint p) { return std::isfinite(p.h) && std::isfinite(p.v); }

size_t countIn(const qthost::Document& doc, AIArtHandle art) {
    if (doc.artType(art) == kPathArt) return finiteGeometry(doc, art) ? 0 : 1;
    size_t n = 0;
    for (AIArtHandle child = doc.firstChild(art); child; child = doc.nextSibling(child)) n += countIn(doc, child);
    return n;
}

}  // namespace

bool finiteGeometry(const qthost::Document& doc, AIArtHandle art) {
    if (doc.artType(art) != kPathArt) return true;
    for (const AIPathSegment& s : doc.segments(art)) {
        if (!finite(s.p) || !finite(s.in) || !finite(s.out)) return false;
    }
    return true;
}

size_t countNonFinite(const qthost::Document& doc) {
    size_t n = 0;
    for (size_t i = 0; i < doc.layerCount(); ++i) {
        for (AIArtHandle art = doc.firstLayerArt(i); art; art = doc.nextSibling(art)) n += countIn(doc, art);
    }
    return n;
}

}  // namespace qtexport
