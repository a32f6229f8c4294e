// The document flattened for drawing: paths with their final geometry (envelopes drawn as
// their warped content), grouped where opacity or blending applies to a whole container.
// Every exporter that draws (SVG, PNG, PDF) works from this one description.
#ifndef QT_EXPORT_SCENE_H
#define QT_EXPORT_SCENE_H

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "host/document.h"

namespace qtexport {

struct SceneNode {
    bool isGroup = false;
    // A path: its segments in document coordinates, after every warp that contains it.
    std::vector<AIPathSegment> segments;
    bool closed = false;
    AIPathStyle style{};
    // Both: opacity, blend mode and tags of the art object.
    AIReal opacity = 1.0f;
    ASInt32 blendMode = kNormalBlendMode;
    std::vector<std::pair<std::string, std::string>> tags;
    // A group or envelope: its contents back to front.
    std::vector<SceneNode> children;
};

struct SceneLayer {
    std::string name;
    std::vector<SceneNode> nodes;  // back to front
};

struct Scene {
    double pageWidth = 0.0;
    double pageHeight = 0.0;
    std::vector<SceneLayer> layers;  // bottom to top
    size_t leftOut = 0;              // paths whose geometry is not finite
};

Scene buildScene(const qthost::Document& document);

// One top-level art object as buildScene gives it (no envelope contains top-level art), or
// false when its geometry is not finite and the exporters leave it out. Lets a reader that
// draws the document in parts rebuild only the art that is new.
bool buildTopLevelNode(qthost::ArtView art, SceneNode& node);
bool buildTopLevelNode(const qthost::Document& document, AIArtHandle art, SceneNode& node);

}  // namespace qtexport

#endif
