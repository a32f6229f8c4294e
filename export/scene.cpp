// Flattening the document for the drawing exporters.
#include "export/scene.h"

#include "export/drawn_art.h"

namespace qtexport {

namespace {

using qthost::ArtView;
using qthost::Document;

// Builds the nodes of one top-level object as the walk hands them over.
class NodeBuilder : public DrawnArtVisitor {
  public:
    explicit NodeBuilder(SceneNode& top) : top_(top) {}

    void group(ArtView art) override {
        SceneNode& node = place(art);
        node.isGroup = true;
        open_.push_back(&node);
    }
    void groupEnd(ArtView) override { open_.pop_back(); }

    bool path(ArtView art, std::span<const AIPathSegment> segments, bool unchecked) override {
        SceneNode& node = place(art);
        node.segments.reserve(segments.size());
        for (const AIPathSegment& s : segments) {
            if (unchecked && !finiteSegment(s)) {
                if (!open_.empty()) open_.back()->children.pop_back();
                return false;
            }
            node.segments.push_back(s);
        }
        node.closed = art.closed();
        node.style = art.style();
        return true;
    }

  private:
    // The new node: the top-level one, or the last of the open group's contents. A group's
    // node stays where it is while it is open: only its own contents grow.
    SceneNode& place(ArtView art) {
        SceneNode& node = open_.empty() ? top_ : open_.back()->children.emplace_back();
        node.opacity = art.opacity();
        node.blendMode = art.blendMode();
        for (const qthost::TagView& tag : art.tags()) node.tags.emplace_back(tag.name, tag.value);
        return node;
    }

    SceneNode& top_;
    std::vector<SceneNode*> open_;
};

}  // namespace

bool buildTopLevelNode(ArtView art, SceneNode& node) {
    node = SceneNode();
    NodeBuilder builder(node);
    DrawnArtWalk walk;
    return walk.walk(art, builder);
}

bool buildTopLevelNode(const Document& doc, AIArtHandle art, SceneNode& node) {
    return buildTopLevelNode(doc.view(art), node);
}

Scene buildScene(const Document& doc) {
    Scene scene;
    scene.pageWidth = doc.pageWidth();
    scene.pageHeight = doc.pageHeight();
    DrawnArtWalk walk;
    for (size_t i = 0; i < doc.layerCount(); ++i) {
        SceneLayer& layer = scene.layers.emplace_back();
        layer.name = doc.layerName(i);
        for (ArtView art : doc.topLevelArt(i)) {
            SceneNode& node = layer.nodes.emplace_back();
            NodeBuilder builder(node);
            if (!walk.walk(art, builder)) layer.nodes.pop_back();
        }
    }
    scene.leftOut = walk.leftOut();
    return scene;
}

}  // namespace qtexport
