// Flattening the document for the drawing exporters.
#include "export/scene.h"

#include <algorithm>

#include "export/finite.h"
#include "export/warp_geometry.h"

namespace qtexport {

namespace {

using qthost::Document;

// Bounds of the anchors and handles of a subtree (a safe envelope frame for the warp).
void growBounds(const Document& doc, AIArtHandle art, bool& any, AIRealRect& box) {
    for (const AIPathSegment& s : doc.segments(art)) {
        for (AIRealPoint p : {s.p, s.in, s.out}) {
            if (!any) {
                box = {p.h, p.v, p.h, p.v};
                any = true;
            }
            box.left = std::min(box.left, p.h);
            box.right = std::max(box.right, p.h);
            box.top = std::max(box.top, p.v);
            box.bottom = std::min(box.bottom, p.v);
        }
    }
    for (AIArtHandle child = doc.firstChild(art); child; child = doc.nextSibling(child)) {
        growBounds(doc, child, any, box);
    }
}

struct WarpFrame {
    qthost::Warp warp;
    AIRealRect bounds;
};

SceneNode nodeOf(const Document& doc, AIArtHandle art, std::vector<WarpFrame>& warps) {
    SceneNode node;
    node.opacity = doc.opacity(art);
    node.blendMode = doc.blendMode(art);
    for (const qthost::TagView& tag : doc.tags(art)) node.tags.emplace_back(tag.name, tag.value);
    ASInt16 type = doc.artType(art);
    if (type == kPathArt) {
        auto segs = doc.segments(art);
        node.segments.assign(segs.begin(), segs.end());
        node.closed = doc.closed(art);
        node.style = doc.style(art);
        // Innermost warp first: it deformed the content inside its own envelope.
        for (auto it = warps.rbegin(); it != warps.rend(); ++it) {
            node.segments = warpPath(it->warp, it->bounds, node.segments, node.closed);
        }
        return node;
    }
    node.isGroup = true;
    bool pushed = false;
    if (type == kEnvelopeArt) {
        if (std::optional<qthost::Warp> warp = doc.warp(art)) {
            WarpFrame frame{*warp, {}};
            bool any = false;
            AIArtHandle shape = doc.envelopeShape(art);
            growBounds(doc, shape ? shape : art, any, frame.bounds);
            if (!shape || !any) growBounds(doc, art, any, frame.bounds);
            if (any) {
                warps.push_back(frame);
                pushed = true;
            }
        }
    }
    for (AIArtHandle child = doc.firstChild(art); child; child = doc.nextSibling(child)) {
        if (finiteGeometry(doc, child)) node.children.push_back(nodeOf(doc, child, warps));
    }
    if (pushed) warps.pop_back();
    return node;
}

}  // namespace

bool buildTopLevelNode(const Document& doc, AIArtHandle art, SceneNode& node) {
    if (!finiteGeometry(doc, art)) return false;
    std::vector<WarpFrame> warps;
    node = nodeOf(doc, art, warps);
    return true;
}

Scene buildScene(const Document& doc) {
    Scene scene;
    scene.pageWidth = doc.pageWidth();
    scene.pageHeight = doc.pageHeight();
    for (size_t i = 0; i < doc.layerCount(); ++i) {
        SceneLayer layer;
        layer.name = doc.layerName(i);
        for (AIArtHandle art = doc.firstLayerArt(i); art; art = doc.nextSibling(art)) {
            SceneNode node;
            if (buildTopLevelNode(doc, art, node)) layer.nodes.push_back(std::move(node));
        }
        scene.layers.push_back(std::move(layer));
    }
    return scene;
}

}  // namespace qtexport
