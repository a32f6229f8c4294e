// A scene's paths in paint order, as arrays a script reads: the segments of every path one
// after another, and the paths flattened to polylines.
#ifndef QT_PYTHON_GEOMETRY_H
#define QT_PYTHON_GEOMETRY_H

#include <cstddef>
#include <vector>

#include "export/scene.h"

namespace qtpython {

struct ScenePath {
    const qtexport::SceneNode* node;
    size_t layer;
    std::vector<const qtexport::SceneNode*> groups;  // the groups it is in, outermost first
};

// Layers bottom to top, each back to front, into every group.
std::vector<ScenePath> scenePaths(const qtexport::Scene& scene);

// Every path's curves as straight pieces no farther than `tolerance` from them (at most
// kMaxPieces a curve): `points` holds x, y pairs, path i's from offsets[i] to offsets[i + 1]
// (in points). A closed path ends with its first point again.
struct Polylines {
    std::vector<double> points;
    std::vector<size_t> offsets;
};
constexpr int kMaxPieces = 10000;
Polylines flatten(const std::vector<ScenePath>& paths, double tolerance);

}  // namespace qtpython

#endif
