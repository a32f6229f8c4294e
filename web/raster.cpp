// Flattening, stroking and scan conversion of the page's paths.
#include "web/raster.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>

namespace qtweb {

namespace {

constexpr float kTolerance = 0.2f;   // pixels between a curve and its flattened lines
constexpr int kMaxPieces = 1024;     // lines per curve, however large it is on screen
constexpr int kSamples = 4;          // sample rows per pixel row
constexpr float kMiterLimit = 4.0f;  // SVG's default stroke-miterlimit
constexpr int kMaxHairLevels = 9;    // a hairline curve is cut into at most 2^9 lines
constexpr size_t kDenseHairPixels = 1 << 16;

float length(Vec2 v) { return std::sqrt(v.x * v.x + v.y * v.y); }

// Hairlines in 26.6 and 16.16 fixed point, as the browser's rasteriser draws them: along the
// major axis, each pixel column (or row) is covered one pixel across, split between the two
// pixels the line's centre falls between; the end columns by the part the line covers.
using Dot6 = int32_t;
using Fixed = int32_t;

Dot6 toDot6(float v) { return static_cast<Dot6>(v * 64); }
int dot6Floor(Dot6 v) { return v >> 6; }
int dot6Ceil(Dot6 v) { return (v + 63) >> 6; }
Fixed dot6Div(Dot6 a, Dot6 b) { return static_cast<Fixed>((static_cast<int64_t>(a) << 16) / b); }
int scale64(int value, int dot6) { return (value * dot6) >> 6; }

template <typename Blit>  // blit(x, y, coverage 0..255)
void antiHairline(Dot6 x0, Dot6 y0, Dot6 x1, Dot6 y1, const Blit& blit) {
    if (std::abs(x1 - x0) > 511 * 64 || std::abs(y1 - y0) > 511 * 64) {
        const Dot6 hx = (x0 >> 1) + (x1 >> 1);
        const Dot6 hy = (y0 >> 1) + (y1 >> 1);
        antiHairline(x0, y0, hx, hy, blit);
        antiHairline(hx, hy, x1, y1, blit);
        return;
    }
    const bool horizontal = std::abs(x1 - x0) > std::abs(y1 - y0);
    // Along the major axis u, across it v.
    Dot6 u0 = horizontal ? x0 : y0, v0 = horizontal ? y0 : x0;
    Dot6 u1 = horizontal ? x1 : y1, v1 = horizontal ? y1 : x1;
    if (u0 > u1) {
        std::swap(u0, u1);
        std::swap(v0, v1);
    }
    if (u0 == u1) return;
    const int start = dot6Floor(u0);
    const int stop = dot6Ceil(u1);
    Fixed fv = v0 << 10;
    Fixed slope = 0;
    if (v0 != v1) {
        slope = dot6Div(v1 - v0, u1 - u0);
        fv += (slope * (32 - (u0 & 63)) + 32) >> 6;
    }
    int scaleStart, scaleStop;
    if (stop - start == 1) {
        scaleStart = u1 - u0;
        scaleStop = 0;
    } else {
        scaleStart = 64 - (u0 & 63);
        scaleStop = u1 & 63;
    }
    auto column = [&](int u, int mod64) {
        const Fixed centre = fv + (1 << 15);
        const int lower = centre >> 16;
        const int a = (centre >> 8) & 0xFF;
        const int a0 = mod64 == 64 ? 255 - a : scale64(255 - a, mod64);
        const int a1 = mod64 == 64 ? a : scale64(a, mod64);
        if (horizontal) {
            blit(u, lower - 1, a0);
            blit(u, lower, a1);
        } else {
            blit(lower - 1, u, a0);
            blit(lower, u, a1);
        }
        fv += slope;
    };
    column(start, scaleStart);
    const int full = stop - (start + 1) - (scaleStop > 0 ? 1 : 0);
    for (int u = start + 1; u < start + 1 + full; ++u) column(u, 64);
    if (scaleStop > 0) column(stop - 1, scaleStop);
}

// Cuts the line a-b to `r` (Liang-Barsky); false when nothing of it is inside.
bool clipLine(Vec2& a, Vec2& b, float x0, float y0, float x1, float y1) {
    float t0 = 0, t1 = 1;
    const float dx = b.x - a.x, dy = b.y - a.y;
    const float p[4] = {-dx, dx, -dy, dy};
    const float q[4] = {a.x - x0, x1 - a.x, a.y - y0, y1 - a.y};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const float t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) return false;
    }
    const Vec2 from = a;
    if (t0 > 0) a = {from.x + t0 * dx, from.y + t0 * dy};
    if (t1 < 1) b = {from.x + t1 * dx, from.y + t1 * dy};
    return true;
}

}  // namespace

PixelRect intersect(const PixelRect& a, const PixelRect& b) {
    return {std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}

PixelRect unite(const PixelRect& a, const PixelRect& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

uint8_t* Mask::widen(int row, int x) {
    uint8_t* line = &cover[static_cast<size_t>(row) * rect.width()];
    int32_t& l = left[row];
    int32_t& r = right[row];
    if (l == r) {
        l = x;
        r = x + 1;
        line[x] = 0;
    } else if (x < l) {
        std::memset(line + x, 0, l - x);
        l = x;
    } else if (x >= r) {
        std::memset(line + r, 0, x + 1 - r);
        r = x + 1;
    }
    return line + x;
}

void Rasterizer::clear() { commands_.clear(); }

void Rasterizer::moveTo(Vec2 p) { commands_.push_back({Command::move, {p}}); }
void Rasterizer::lineTo(Vec2 p) { commands_.push_back({Command::line, {p}}); }
void Rasterizer::cubicTo(Vec2 c1, Vec2 c2, Vec2 p) { commands_.push_back({Command::cubic, {c1, c2, p}}); }
void Rasterizer::close() { commands_.push_back({Command::close, {}}); }

void Rasterizer::addPoint(Vec2 p) {
    const Vec2 last = points_.back();
    if (p.x != last.x || p.y != last.y) points_.push_back(p);
}

void Rasterizer::endContour(bool closed) {
    if (!open_) return;
    contourEnds_.push_back(static_cast<uint32_t>(points_.size()));
    contourClosed_.push_back(closed ? 1 : 0);
    open_ = false;
}

void Rasterizer::flatCubic(Vec2 p0, Vec2 c1, Vec2 c2, Vec2 p, bool asHairline) {
    int pieces;
    if (asHairline) {
        // The browser's division: a power of two from how far the handles leave the chord.
        const float d = std::max(
            {std::fabs(c1.x - (p.x / 3 + p0.x * 2 / 3)), std::fabs(c1.y - (p.y / 3 + p0.y * 2 / 3)),
             std::fabs(c2.x - (p0.x / 3 + p.x * 2 / 3)), std::fabs(c2.y - (p0.y / 3 + p.y * 2 / 3))});
        float tolerance = 1.0f / 8;
        int level = 0;
        while (level < kMaxHairLevels && !(d < tolerance)) {
            tolerance *= 4;
            ++level;
        }
        pieces = 1 << level;
        // Its polynomial form, stepped in t.
        const Vec2 a{p.x + 3 * (c1.x - c2.x) - p0.x, p.y + 3 * (c1.y - c2.y) - p0.y};
        const Vec2 b{3 * (c2.x - 2 * c1.x + p0.x), 3 * (c2.y - 2 * c1.y + p0.y)};
        const Vec2 c{3 * (c1.x - p0.x), 3 * (c1.y - p0.y)};
        const float dt = 1.0f / static_cast<float>(pieces);
        float t = 0;
        for (int i = 1; i < pieces; ++i) {
            t += dt;
            addPoint({((a.x * t + b.x) * t + c.x) * t + p0.x, ((a.y * t + b.y) * t + c.y) * t + p0.y});
        }
        addPoint(p);
        return;
    }
    // Wang's bound: this many pieces keep every point within the tolerance.
    const float d = std::max(length({p0.x - 2 * c1.x + c2.x, p0.y - 2 * c1.y + c2.y}),
                             length({c1.x - 2 * c2.x + p.x, c1.y - 2 * c2.y + p.y}));
    const float wanted = std::ceil(std::sqrt(0.75f * d / kTolerance));
    pieces = wanted >= kMaxPieces ? kMaxPieces : std::max(1, static_cast<int>(wanted));
    for (int i = 1; i < pieces; ++i) {
        const float t = static_cast<float>(i) / static_cast<float>(pieces);
        const float u = 1 - t;
        const float w0 = u * u * u, w1 = 3 * u * u * t, w2 = 3 * u * t * t, w3 = t * t * t;
        addPoint(
            {w0 * p0.x + w1 * c1.x + w2 * c2.x + w3 * p.x, w0 * p0.y + w1 * c1.y + w2 * c2.y + w3 * p.y});
    }
    addPoint(p);
}

void Rasterizer::flatten(bool asHairline) {
    points_.clear();
    contourEnds_.clear();
    contourClosed_.clear();
    open_ = false;
    for (const Command& c : commands_) {
        switch (c.kind) {
            case Command::move:
                endContour(false);
                points_.push_back(c.p[0]);
                open_ = true;
                break;
            case Command::line:
                if (open_) addPoint(c.p[0]);
                break;
            case Command::cubic:
                if (open_) flatCubic(points_.back(), c.p[0], c.p[1], c.p[2], asHairline);
                break;
            case Command::close: endContour(true); break;
        }
    }
    endContour(false);
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
        const Vec2 quad[4] = {
            {a.x + n.x, a.y + n.y}, {b.x + n.x, b.y + n.y}, {b.x - n.x, b.y - n.y}, {a.x - n.x, a.y - n.y}};
        addPolygon(quad, 4);
    }
    const int first = closed ? 0 : 1;
    for (int i = first; i < count - (closed ? 0 : 1); ++i) {
        const Vec2 u = direction((i - 1 + count) % count);
        const Vec2 v = direction(i);
        const float cross = u.x * v.y - u.y * v.x;
        const float dot = u.x * v.x + u.y * v.y;
        if (cross == 0 && dot > 0) continue;      // straight on
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
    flatten(false);
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
    if (width <= 1) {
        hairline(width, clip, out);
        return;
    }
    flatten(false);
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

void Rasterizer::hairline(float width, const PixelRect& clip, Mask& out) {
    out.rect = {};
    out.alpha = width >= 1 ? 255 : (255 * static_cast<int>(width * 256)) >> 8;
    flatten(true);
    if (points_.empty()) return;
    float x0 = INFINITY, y0 = INFINITY, x1 = -INFINITY, y1 = -INFINITY;
    for (Vec2 p : points_) {
        x0 = std::min(x0, p.x);
        y0 = std::min(y0, p.y);
        x1 = std::max(x1, p.x);
        y1 = std::max(y1, p.y);
    }
    // Room for the pixel either side of the line, and for the quick test in hairSegment.
    const PixelRect box{static_cast<int>(std::floor(x0)) - 3, static_cast<int>(std::floor(y0)) - 3,
                        static_cast<int>(std::ceil(x1)) + 4, static_cast<int>(std::ceil(y1)) + 4};
    const PixelRect r = intersect(box, clip);
    if (r.empty()) return;
    out.rect = r;
    const size_t size = static_cast<size_t>(r.width()) * r.height();
    if (out.cover.size() < size) out.cover.resize(size);
    out.left.assign(r.height(), 0);
    out.right.assign(r.height(), 0);
    // A small mask is cleared whole, a large one row by row as the line reaches it.
    denseHair_ = size <= kDenseHairPixels;
    if (denseHair_) std::memset(out.cover.data(), 0, size);
    uint32_t start = 0;
    for (size_t c = 0; c < contourEnds_.size(); ++c) {
        const uint32_t end = contourEnds_[c];
        for (uint32_t i = start; i + 1 < end; ++i) hairSegment(points_[i], points_[i + 1], r, out);
        if (contourClosed_[c] && end - start > 1) hairSegment(points_[end - 1], points_[start], r, out);
        start = end;
    }
}

void Rasterizer::hairSegment(Vec2 a, Vec2 b, const PixelRect& r, Mask& out) {
    // A line well inside the mask needs neither cutting nor a check per pixel.
    const bool inside = std::min(a.x, b.x) >= static_cast<float>(r.x0 + 2) &&
                        std::max(a.x, b.x) <= static_cast<float>(r.x1 - 3) &&
                        std::min(a.y, b.y) >= static_cast<float>(r.y0 + 2) &&
                        std::max(a.y, b.y) <= static_cast<float>(r.y1 - 3);
    if (!inside && !clipLine(a, b, static_cast<float>(r.x0 - 1), static_cast<float>(r.y0 - 1),
                             static_cast<float>(r.x1 + 1), static_cast<float>(r.y1 + 1))) {
        return;
    }
    const int w = r.width();
    auto blit = [&](int x, int y, int coverage) {
        if (coverage <= 0) return;
        if (!inside && (x < r.x0 || x >= r.x1 || y < r.y0 || y >= r.y1)) return;
        const int row = y - r.y0, col = x - r.x0;
        uint8_t* cell;
        if (denseHair_) {
            cell = &out.cover[static_cast<size_t>(row) * w + col];
            int32_t& left = out.left[row];
            int32_t& right = out.right[row];
            if (left == right) {
                left = col;
                right = col + 1;
            } else {
                left = std::min(left, col);
                right = std::max(right, col + 1);
            }
        } else {
            cell = out.widen(row, col);
        }
        *cell = static_cast<uint8_t>(*cell + ((coverage * (256 - *cell)) >> 8));
    };
    antiHairline(toDot6(a.x), toDot6(a.y), toDot6(b.x), toDot6(b.y), blit);
}

void Rasterizer::scan(bool evenOdd, const PixelRect& clip, Mask& out) {
    out.rect = {};
    out.alpha = 255;
    if (edges_.empty() || !std::isfinite(minX_ + maxX_ + minY_ + maxY_)) return;
    PixelRect box{static_cast<int>(std::max<float>(std::floor(minX_), INT_MIN / 2)),
                  static_cast<int>(std::max<float>(std::floor(minY_), INT_MIN / 2)),
                  static_cast<int>(std::min<float>(std::ceil(maxX_), INT_MAX / 2)),
                  static_cast<int>(std::min<float>(std::ceil(maxY_), INT_MAX / 2))};
    const PixelRect r = intersect(box, clip);
    if (r.empty()) return;
    out.rect = r;
    const int w = r.width(), h = r.height();
    const size_t size = static_cast<size_t>(w) * h;
    if (out.cover.size() < size) out.cover.resize(size);
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
            while (next < edges_.size() && edges_[next].y0 <= yc)
                active_.push_back(static_cast<uint32_t>(next++));
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
        uint8_t* dst = &out.cover[static_cast<size_t>(row) * w];
        float run = 0;
        for (int x = lo; x < right; ++x) {
            run += step[x];
            const float c = (cov[x] + run) * (255.0f / kSamples) + 0.5f;
            dst[x] = static_cast<uint8_t>(c <= 0 ? 0 : c >= 255 ? 255 : static_cast<int>(c));
        }
        std::fill(cov + lo, cov + hi + 2, 0.0f);
        std::fill(step + lo, step + hi + 2, 0.0f);
        out.left[row] = lo;
        out.right[row] = right;
    }
}

}  // namespace qtweb
