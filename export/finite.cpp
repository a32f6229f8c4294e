// Checks for non-finite geometry.
#include "export/finite.h"

#include <algorithm>

#include "export/drawn_art.h"

namespace qtexport {

namespace {

bool finitePath(qthost::ArtView art) {
    auto segments = art.segments();
    return std::all_of(segments.begin(), segments.end(), finiteSegment);
}

size_t countIn(qthost::ArtView art) {
    if (art.type() == kPathArt) return finitePath(art) ? 0 : 1;
    size_t n = 0;
    for (qthost::ArtView child : art.children()) n += countIn(child);
    return n;
}

}  // namespace

bool finiteGeometry(const qthost::Document& doc, AIArtHandle art) {
    qthost::ArtView view = doc.view(art);
    return view.type() != kPathArt || finitePath(view);
}

size_t countNonFinite(const qthost::Document& doc) {
    size_t n = 0;
    for (size_t i = 0; i < doc.layerCount(); ++i) {
        for (qthost::ArtView art : doc.topLevelArt(i)) n += countIn(art);
    }
    return n;
}

}  // namespace qtexport
