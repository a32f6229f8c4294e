// Flattening, stroking and scan conversion of the page's paths.
#include "web/raster.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace qtweb {

namespace {

constexpr float kTolerance = 0.2f;  // pixels between a curve and its flattened lines
constexpr int kMaxPieces = 1024;    // lines per curve, however large it is on screen
constexpr int kSamples = 4;         // sample rows per pixel row
constexpr float kMiterLimit = 4.0f;  // SVG's default stroke-miterlimit

float length(Vec2 v) { return std::sqrt(v.x * v.x + v.y * v.y); }

}  // namespace

PixelRect intersect(const PixelRect& a, const PixelRect& b) {
    return {std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}

PixelRect unite(const PixelRect& a, const PixelRect& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

void Rasterizer::clear() {
    points_.clear();
    contourEnds_.clear();
    contourClosed_.clear();
    open_ = false;
}

void Rasterizer::moveTo(Vec2 p) {
    endContour();
    contourStart_ = static_cast<uint32_t>(points_.size());
    points_.push_back(p);
    open_ = true;
}

void Rasterizer::lineTo(Vec2 p) {
    const Vec2 last = points_.back();
    if (p.x != last.x || p.y != last.y) points_.push_back(p);
}

void Rasterizer::cubicTo(Vec2 c1, Vec2 c2, Vec2 p) {
    const Vec2 p0 = points_.back();
    // Wang's bound: this many pieces keep every point within the tolerance.
    const float d = std::max(length({p0.x - 2 * c1.x + c2.x, p0.y - 2 * c1.y + c2.y}),
                             length({c1.x - 2 * c2.x + p.x, c1.y - 2 * c2.y + p.y}));
    const float wanted = std::ceil(std::sqrt(0.75f * d / kTolerance));
    const int pieces = wanted >= kMaxPieces ? kMaxPieces : std::max(1, static_cast<int>(wanted));
    for (int i = 1; i < pieces; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(pieces);
        const float u = 1 - t;
        const float a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, e = t * t * t;
        lineTo({a * p0.x + b * c1.x + c * c2.x + e * p.x, a * p0.y + b * c1.y + c * c2.y + e * p.y});
    }
    lineTo(p);
}

void Rasterizer::close() {
    if (!open_) return;
    contourEnds_.push_back(static_cast<uint32_t>(points_.size()));
    contourClosed_.push_back(1);
    open_ = false;
}

void Rasterizer::endContour() {
    if (!open_) return;
    contourEnds_.push_back(static_cast<uint32_t>(points_.size()));
    contourClosed_.push_back(0);
    open_ = false;
}

void Rasterizer::addEdge(Vec2 a, Vec2 b) {
    if (a.y == b.y) return;
    int32_t dir = 1;
    if (a.y > b.y) {
        std::swap(a, b);
        dir = -1;
    }
    edges_.push_back({a.x, a.y, b.y, (b.x - a.x) / (b.y - a.y), dir});
    minX_ = std::min({minX_, a.x, b.x});
    maxX_ = std::max({maxX_, a.x, b.x});
    minY_ = std::min(minY_, a.y);
    maxY_ = std::max(maxY_, b.y);
}

void Rasterizer::addPolygon(const Vec2* p, int count) {
    float area = 0;
    for (int i = 0; i < count; ++i) {
        const Vec2 a = p[i], b = p[(i + 1) % count];
        area += a.x * b.y - b.x * a.y;
    }
    if (area == 0) return;
    for (int i = 0; i < count; ++i) {
        const Vec2 a = p[i], b = p[(i + 1) % count];
        if (area > 0) {
            addEdge(a, b);
        } else {
            addEdge(b, a);
        }
    }
}

// The stroke as a union of polygons: one rectangle per line, and at each corner the miter
// (or, past the limit, the bevel) on its outer side.
void Rasterizer::strokeContour(const Vec2* p, int count, bool closed, float hw) {
    if (closed && count > 1 && p[count - 1].x == p[0].x && p[count - 1].y == p[0].y) --count;
    if (count < 2) return;
    const int lines = closed ? count : count - 1;
    auto direction = [&](int i) {
        const Vec2 a = p[i], b = p[(i + 1) % count];
        const Vec2 d{b.x - a.x, b.y - a.y};
        const float l = length(d);
        return Vec2{d.x / l, d.y / l};
    };
    for (int i = 0; i < lines; ++i) {
        const Vec2 a = p[i], b = p[(i + 1) % count];
        const Vec2 u = direction(i);
        const Vec2 n{-u.y * hw, u.x * hw};
        const Vec2 quad[4] = {{a.x + n.x, a.y + n.y}, {b.x + n.x, b.y + n.y}, {b.x - n.x, b.y - n.y}, {a.x - n.x, a.y - n.y}};
        addPolygon(quad, 4);
    }
    const int first = closed ? 0 : 1;
    for (int i = first; i < count - (closed ? 0 : 1); ++i) {
        const Vec2 u = direction((i - 1 + count) % count);
        const Vec2 v = direction(i);
        const float cross = u.x * v.y - u.y * v.x;
        const float dot = u.x * v.x + u.y * v.y;
        if (cross == 0 && dot > 0) continue;  // straight on
        const float side = cross > 0 ? -hw : hw;  // towards the outer side of the turn
        const Vec2 at = p[i];
        const Vec2 nu{-u.y, u.x}, nv{-v.y, v.x};
        const Vec2 a{at.x + nu.x * side, at.y + nu.y * side};
        const Vec2 b{at.x + nv.x * side, at.y + nv.y * side};
        // The miter's length over the half width is 1 / cos(turn / 2).
        if (1 + dot >= 2 / (kMiterLimit * kMiterLimit)) {
            const float k = side / (1 + dot);
            const Vec2 tip{at.x + (nu.x + nv.x) * k, at.y + (nu.y + nv.y) * k};
            const Vec2 miter[4] = {at, a, tip, b};
            addPolygon(miter, 4);
        } else {
            const Vec2 bevel[3] = {at, a, b};
            addPolygon(bevel, 3);
        }
    }
}

void Rasterizer::fill(bool evenOdd, const PixelRect& clip, Mask& out) {
    endContour();
    edges_.clear();
    minX_ = minY_ = INFINITY;
    maxX_ = maxY_ = -INFINITY;
    uint32_t start = 0;
    for (uint32_t end : contourEnds_) {
        for (uint32_t i = start; i < end; ++i) addEdge(points_[i], points_[i + 1 < end ? i + 1 : start]);
        start = end;
    }
    scan(evenOdd, clip, out);
}

void Rasterizer::stroke(float width, const PixelRect& clip, Mask& out) {
    endContour();
    edges_.clear();
    minX_ = minY_ = INFINITY;
    maxX_ = maxY_ = -INFINITY;
    uint32_t start = 0;
    for (size_t c = 0; c < contourEnds_.size(); ++c) {
        const uint32_t end = contourEnds_[c];
        strokeContour(&points_[start], static_cast<int>(end - start), contourClosed_[c] != 0, width / 2);
        start = end;
    }
    scan(false, clip, out);
}

void Rasterizer::scan(bool evenOdd, const PixelRect& clip, Mask& out) {
    out.rect = {};
    if (edges_.empty() || !std::isfinite(minX_ + maxX_ + minY_ + maxY_)) return;
    PixelRect box{static_cast<int>(std::max<float>(std::floor(minX_), INT_MIN / 2)),
                  static_cast<int>(std::max<float>(std::floor(minY_), INT_MIN / 2)),
                  static_cast<int>(std::min<float>(std::ceil(maxX_), INT_MAX / 2)),
                  static_cast<int>(std::min<float>(std::ceil(maxY_), INT_MAX / 2))};
    const PixelRect r = intersect(box, clip);
    if (r.empty()) return;
    out.rect = r;
    const int w = r.width(), h = r.height();
    out.cover.resize(static_cast<size_t>(w) * h);
    out.left.assign(h, 0);
    out.right.assign(h, 0);
    if (rowCover_.size() < static_cast<size_t>(w) + 2) {
        rowCover_.assign(w + 2, 0.0f);
        rowStep_.assign(w + 2, 0.0f);
    }
    std::sort(edges_.begin(), edges_.end(), [](const Edge& a, const Edge& b) { return a.y0 < b.y0; });
    active_.clear();
    size_t next = 0;
    const float left = static_cast<float>(r.x0);
    const float span = static_cast<float>(w);
    float* cov = rowCover_.data();
    float* step = rowStep_.data();
    for (int y = r.y0; y < r.y1; ++y) {
        if (next == edges_.size() && active_.empty()) break;
        int lo = INT_MAX, hi = -1;
        for (int s = 0; s < kSamples; ++s) {
            const float yc = static_cast<float>(y) + (static_cast<float>(s) + 0.5f) / kSamples;
            while (next < edges_.size() && edges_[next].y0 <= yc) active_.push_back(static_cast<uint32_t>(next++));
            crossings_.clear();
            size_t kept = 0;
            for (uint32_t index : active_) {
                const Edge& e = edges_[index];
                if (e.y1 <= yc) continue;
                active_[kept++] = index;
                const Crossing c{e.x0 + (yc - e.y0) * e.slope, e.dir};
                size_t k = crossings_.size();
                crossings_.push_back(c);
                while (k > 0 && crossings_[k - 1].x > c.x) {
                    crossings_[k] = crossings_[k - 1];
                    --k;
                }
                crossings_[k] = c;
            }
            active_.resize(kept);
            int32_t winding = 0;
            float from = 0;
            for (const Crossing& c : crossings_) {
                const bool wasIn = evenOdd ? (winding & 1) != 0 : winding != 0;
                winding += c.dir;
                const bool isIn = evenOdd ? (winding & 1) != 0 : winding != 0;
                if (!wasIn && isIn) {
                    from = c.x;
                } else if (wasIn && !isIn) {
                    const float xa = std::clamp(from - left, 0.0f, span);
                    const float xb = std::clamp(c.x - left, 0.0f, span);
                    if (xb <= xa) continue;
                    const int ia = static_cast<int>(xa), ib = static_cast<int>(xb);
                    if (ia == ib) {
                        cov[ia] += xb - xa;
                    } else {
                        cov[ia] += static_cast<float>(ia + 1) - xa;
                        step[ia + 1] += 1;
                        step[ib] -= 1;
                        cov[ib] += xb - static_cast<float>(ib);
                    }
                    lo = std::min(lo, ia);
                    hi = std::max(hi, ib);
                }
            }
        }
        if (hi < lo) continue;
        const int row = y - r.y0;
        const int right = std::min(hi, w - 1) + 1;
        float* dst = &out.cover[static_cast<size_t>(row) * w];
        float run = 0;
        for (int x = lo; x < right; ++x) {
            run += step[x];
            dst[x] = std::clamp((cov[x] + run) * (1.0f / kSamples), 0.0f, 1.0f);
        }
        std::fill(cov + lo, cov + hi + 2, 0.0f);
        std::fill(step + lo, step + hi + 2, 0.0f);
        out.left[row] = lo;
        out.right[row] = right;
    }
}

}  // namespace qtweb
