// Envelope warp geometry. Each style maps the envelope's bounds, normalised to
// u, v in [-1, 1], to a deformed copy; bend scales the effect, the two distortions add a
// perspective taper, and rotate swaps the axes the warp acts along.
#include "export/warp_geometry.h"

#include <algorithm>
#include <cmath>

namespace qtexport {

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Vec {
    double x, y;
};

// The style's displacement of a normalised point (u along the warp, v across it), in
// units of the half-width and half-height.
Vec deform(int style, double b, double u, double v) {
    double arch = 1.0 - u * u;  // 1 in the middle, 0 at the ends
    switch (style) {
        case 1:  // arc: the whole shape bends, the top fanning out as it rises
            return {u * v * 0.25 * b, b * arch};
        case 2:  // arc lower: only the bottom edge bends
            return {0.0, b * arch * (1.0 - v) * 0.5};
        case 3:  // arc upper: only the top edge bends
            return {0.0, b * arch * (1.0 + v) * 0.5};
        case 4:  // arch: every row lifted alike
            return {0.0, b * arch};
        case 5:  // bulge: top up and bottom down in the middle
            return {0.0, b * arch * v};
        case 6:  // shell lower: the bottom corners drawn out
            return {0.0, -b * u * u * (1.0 - v) * 0.5};
        case 7:  // shell upper: the top corners drawn out
            return {0.0, b * u * u * (1.0 + v) * 0.5};
        case 8:  // flag: one wave across the whole height
            return {0.0, b * 0.5 * std::sin(kPi * u)};
        case 9:  // wave: two waves, stronger at the top
            return {0.0, b * 0.5 * std::sin(2.0 * kPi * u) * (0.5 + 0.5 * v)};
        case 10: {  // fish: full body, pinched tail
            double body = 0.5 * arch - 0.5 * std::max(u, 0.0) * std::max(u, 0.0);
            return {0.0, b * body * v};
        }
        case 11:  // rise: the right side climbs
            return {0.0, b * 0.5 * (u + 1.0)};
        case 12: {  // fisheye: a lens in the middle
            double r2 = u * u + v * v;
            double k = r2 < 1.0 ? b * 0.5 * (1.0 - r2) : 0.0;
            return {u * k, v * k};
        }
        case 13:  // inflate: every side pushed out
            return {b * 0.5 * u * (1.0 - v * v), b * 0.5 * v * (1.0 - u * u)};
        case 14:  // squeeze: waist drawn in, sides pushed out
            return {b * 0.25 * u * (1.0 - v * v), -b * 0.5 * v * arch};
        case 15: {  // twist: turn about the centre, most in the middle
            double r = std::min(1.0, std::sqrt(u * u + v * v));
            double a = b * (kPi / 2.0) * (1.0 - r);
            return {u * std::cos(a) - v * std::sin(a) - u, u * std::sin(a) + v * std::cos(a) - v};
        }
        default: return {0.0, 0.0};
    }
}

}  // namespace

AIRealPoint warpPoint(const qthost::Warp& warp, const AIRealRect& bounds, AIRealPoint point) {
    double halfW = (static_cast<double>(bounds.right) - bounds.left) / 2.0;
    double halfH = (static_cast<double>(bounds.top) - bounds.bottom) / 2.0;
    double cx = bounds.left + halfW, cy = bounds.bottom + halfH;
    double x = point.h - cx, y = point.v - cy;
    double hw = halfW, hh = halfH;
    if (warp.rotate) {  // act along v: swap the axes, warp, swap back
        std::swap(x, y);
        std::swap(hw, hh);
    }
    double u = hw > 0.0 ? x / hw : 0.0;
    double v = hh > 0.0 ? y / hh : 0.0;
    Vec d = deform(warp.style, warp.bend, u, v);
    u += d.x;
    v += d.y;
    // Perspective: horizontal distortion tapers the height along u, vertical the width along v.
    double taperH = 1.0 + warp.horizontal * u * 0.5;
    double taperV = 1.0 + warp.vertical * v * 0.5;
    x = u * hw * taperV;
    y = v * hh * taperH;
    if (warp.rotate) std::swap(x, y);
    return {static_cast<AIReal>(cx + x), static_cast<AIReal>(cy + y)};
}

namespace {

struct Cubic {
    AIRealPoint p0, c1, c2, p3;
};

AIRealPoint lerp(AIRealPoint a, AIRealPoint b, double t) {
    return {static_cast<AIReal>(a.h + (b.h - a.h) * t), static_cast<AIReal>(a.v + (b.v - a.v) * t)};
}

// Splits a cubic at t into its two halves (de Casteljau).
void splitAt(const Cubic& c, double t, Cubic& left, Cubic& right) {
    AIRealPoint a = lerp(c.p0, c.c1, t), b = lerp(c.c1, c.c2, t), d = lerp(c.c2, c.p3, t);
    AIRealPoint ab = lerp(a, b, t), bd = lerp(b, d, t), m = lerp(ab, bd, t);
    left = {c.p0, a, ab, m};
    right = {m, bd, d, c.p3};
}

// Piece [t0, t1] of a cubic: cut at t1, then cut the left part at t0 / t1.
Cubic piece(const Cubic& c, double t0, double t1) {
    Cubic left{}, right{};
    splitAt(c, t1, left, right);
    Cubic head{}, tail{};
    splitAt(left, t0 / t1, head, tail);
    return tail;
}

}  // namespace

bool warpPathInto(const qthost::Warp& warp, const AIRealRect& bounds, std::span<const AIPathSegment> path,
                  bool closed, std::vector<AIPathSegment>& out, int pieces) {
    out.clear();
    bool finite = true;
    auto check = [&finite](const AIPathSegment& s) {
        finite = finite && std::isfinite(s.p.h) && std::isfinite(s.p.v) && std::isfinite(s.in.h) &&
                 std::isfinite(s.in.v) && std::isfinite(s.out.h) && std::isfinite(s.out.v);
    };
    if (warp.style < kWarpStyleFirst || warp.style > kWarpStyleLast || path.empty() || pieces < 1) {
        for (const AIPathSegment& s : path) {
            check(s);
            out.push_back(s);
        }
        return finite;
    }
    auto f = [&](AIRealPoint p) { return warpPoint(warp, bounds, p); };
    size_t curves = closed ? path.size() : path.size() - 1;
    out.reserve(curves * pieces + 1);
    AIPathSegment first{f(path[0].p), f(path[0].in), f(path[0].p), false};
    out.push_back(first);
    for (size_t i = 0; i < curves; ++i) {
        const AIPathSegment& a = path[i];
        const AIPathSegment& b = path[(i + 1) % path.size()];
        check(a);
        Cubic whole{a.p, a.out, b.in, b.p};
        for (int k = 0; k < pieces; ++k) {
            Cubic part = piece(whole, static_cast<double>(k) / pieces, static_cast<double>(k + 1) / pieces);
            out.back().out = f(part.c1);
            bool lastPiece = k == pieces - 1;
            AIPathSegment next{f(part.p3), f(part.c2), f(part.p3), false};
            if (lastPiece && closed && i + 1 == curves) {
                out.front().in = next.in;  // the closing curve ends on the first anchor
            } else {
                if (lastPiece) next.out = f(b.out);
                out.push_back(next);
            }
        }
    }
    if (!closed) {
        check(path.back());  // the open path's last anchor starts no curve
        out.back().out = f(path.back().out);
    }
    return finite;
}

std::vector<AIPathSegment> warpPath(const qthost::Warp& warp, const AIRealRect& bounds,
                                    std::span<const AIPathSegment> path, bool closed, int pieces) {
    std::vector<AIPathSegment> out;
    warpPathInto(warp, bounds, path, closed, out, pieces);
    return out;
}

}  // namespace qtexport
