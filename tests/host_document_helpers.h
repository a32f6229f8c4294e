// Helpers for the host's own document tests: small paths and a full text picture of a
// document, so that "the same document" can be checked in one comparison.
#ifndef QT_TESTS_HOST_DOCUMENT_HELPERS_H
#define QT_TESTS_HOST_DOCUMENT_HELPERS_H

#include <sstream>
#include <string>
#include <vector>

#include "host/document.h"

namespace qttest {

inline AIPathSegment corner(AIReal h, AIReal v) { return {{h, v}, {h, v}, {h, v}, 1}; }

// A new path art of straight segments through the points, above all.
inline AIArtHandle makePath(qthost::Document& doc, std::vector<AIRealPoint> points,
                            ASInt16 order = kPlaceAboveAll, AIArtHandle prep = nullptr) {
    AIArtHandle art = nullptr;
    if (doc.newArt(kPathArt, order, prep, &art) != kNoErr) return nullptr;
    std::vector<AIPathSegment> segs;
    for (auto p : points) segs.push_back(corner(p.h, p.v));
    doc.setSegments(art, 0, static_cast<ASInt16>(segs.size()), segs.data());
    return art;
}

inline void describeArt(const qthost::Document& doc, AIArtHandle art, std::ostringstream& out, int depth) {
    out << std::string(static_cast<size_t>(depth) * 2, ' ') << "type " << doc.artType(art);
    if (doc.artType(art) == kPathArt) {
        out << (doc.closed(art) ? " closed" : " open") << " [";
        for (const AIPathSegment& s : doc.segments(art))
            out << s.p.h << "," << s.p.v << " " << s.in.h << "," << s.in.v << " " << s.out.h << "," << s.out.v
                << " " << int(s.corner) << ";";
        AIPathStyle st = doc.style(art);
        out << "] fill " << int(st.fillPaint) << ":" << st.fill.color.kind << ":" << st.fill.color.c.values[0]
            << "," << st.fill.color.c.values[1] << "," << st.fill.color.c.values[2] << ","
            << st.fill.color.c.values[3] << " stroke " << int(st.strokePaint) << ":" << st.stroke.color.kind
            << ":" << st.stroke.color.c.values[0] << " w " << st.stroke.width;
    }
    out << " opacity " << doc.opacity(art) << " blend " << doc.blendMode(art) << " tags {";
    for (const auto& t : doc.tags(art)) out << t.name << ":" << t.type << "=" << t.value << ";";
    out << "}";
    if (auto w = doc.warp(art))
        out << " warp " << w->style << "," << w->bend << "," << w->horizontal << "," << w->vertical << ","
            << w->rotate;
    out << "\n";
    if (AIArtHandle shape = doc.envelopeShape(art)) {
        out << std::string(static_cast<size_t>(depth) * 2 + 2, ' ') << "shape:\n";
        describeArt(doc, shape, out, depth + 2);
    }
    for (AIArtHandle c : doc.children(art)) describeArt(doc, c, out, depth + 1);
}

// Every layer and every art object with every property, in paint order.
inline std::string describe(const qthost::Document& doc) {
    std::ostringstream out;
    out << "current " << doc.currentLayerIndex() << " live " << doc.liveArtCount() << "\n";
    for (size_t i = 0; i < doc.layerCount(); ++i) {
        out << "layer " << doc.layerName(i) << "\n";
        for (AIArtHandle art : doc.layerArt(i)) describeArt(doc, art, out, 1);
    }
    return out.str();
}

}  // namespace qttest

#endif
