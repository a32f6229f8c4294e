// Walking the scene and flattening its curves.
#include "python/geometry.h"

#include <algorithm>
#include <cmath>

namespace qtpython {

namespace {

void collect(const std::vector<qtexport::SceneNode>& nodes, size_t layer,
             std::vector<const qtexport::SceneNode*>& groups, std::vector<ScenePath>& out) {
    for (const qtexport::SceneNode& node : nodes) {
        if (!node.isGroup) {
            out.push_back({&node, layer, groups});
            continue;
        }
        groups.push_back(&node);
        collect(node.children, layer, groups, out);
        groups.pop_back();
    }
}

struct Point {
    double x, y;
};

Point at(AIRealPoint p) { return {p.h, p.v}; }
double length(double x, double y) { return std::hypot(x, y); }

// A cubic cut into k equal steps of t strays at most 3/4 * M / k^2 from it, where M is the
// larger second difference of its control points.
void addCurve(Point p0, Point c1, Point c2, Point p1, double tolerance, std::vector<double>& out) {
    if (c1.x == p0.x && c1.y == p0.y && c2.x == p1.x && c2.y == p1.y) {
        out.insert(out.end(), {p1.x, p1.y});
        return;
    }
    const double m = std::max(length(p0.x - 2 * c1.x + c2.x, p0.y - 2 * c1.y + c2.y),
                              length(c1.x - 2 * c2.x + p1.x, c1.y - 2 * c2.y + p1.y));
    const double pieces = std::ceil(std::sqrt(0.75 * m / tolerance));
    const int k = std::isfinite(pieces) ? static_cast<int>(std::clamp(pieces, 1.0, double(kMaxPieces))) : 1;
    for (int j = 1; j < k; ++j) {
        const double t = static_cast<double>(j) / k, u = 1.0 - t;
        const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
        out.insert(out.end(),
                   {a * p0.x + b * c1.x + c * c2.x + d * p1.x, a * p0.y + b * c1.y + c * c2.y + d * p1.y});
    }
    out.insert(out.end(), {p1.x, p1.y});  // the end exactly
}

}  // namespace

std::vector<ScenePath> scenePaths(const qtexport::Scene& scene) {
    std::vector<ScenePath> paths;
    std::vector<const qtexport::SceneNode*> groups;
    for (size_t i = 0; i < scene.layers.size(); ++i) collect(scene.layers[i].nodes, i, groups, paths);
    return paths;
}

Polylines flatten(const std::vector<ScenePath>& paths, double tolerance) {
    Polylines lines;
    lines.offsets.push_back(0);
    for (const ScenePath& path : paths) {
        const auto& s = path.node->segments;
        if (!s.empty()) {
            lines.points.insert(lines.points.end(), {s[0].p.h, s[0].p.v});
            const size_t curves = path.node->closed ? s.size() : s.size() - 1;
            for (size_t i = 0; i < curves; ++i) {
                const AIPathSegment& a = s[i];
                const AIPathSegment& b = s[(i + 1) % s.size()];
                addCurve(at(a.p), at(a.out), at(b.in), at(b.p), tolerance, lines.points);
            }
        }
        lines.offsets.push_back(lines.points.size() / 2);
    }
    return lines;
}

}  // namespace qtpython
