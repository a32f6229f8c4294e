// Leaving out and clamping geometry far off the page, in double precision.
#include "export/files/page_clip.h"

#include <algorithm>
#include <cmath>

namespace qtexport {

namespace {

// cairo holds device coordinates in 24.8 fixed point (about ±8.4 million pixels); a clamping
// box must stay well inside that.
constexpr double kMaxDevice = 4e6;
// Halving a curve this often brings any single-precision curve down to a point.
constexpr int kMaxDepth = 300;

struct P {
    double x, y;
};

struct Cubic {
    P p0, p1, p2, p3;
};

P mid(P a, P b) { return {(a.x + b.x) * 0.5, (a.y + b.y) * 0.5}; }

void halve(const Cubic& c, Cubic& left, Cubic& right) {
    P a = mid(c.p0, c.p1), b = mid(c.p1, c.p2), d = mid(c.p2, c.p3);
    P ab = mid(a, b), bd = mid(b, d), m = mid(ab, bd);
    left = {c.p0, a, ab, m};
    right = {m, bd, d, c.p3};
}

// a * b - c * d with a single rounding: the line through two far-off points is found exactly
// enough to cross the page where it really does.
double differenceOfProducts(double a, double b, double c, double d) {
    double w = c * d;
    double error = std::fma(-c, d, w);
    return std::fma(a, b, -w) + error;
}

P point(AIRealPoint p) { return {p.h, p.v}; }

struct Extent {
    double left = INFINITY, bottom = INFINITY, right = -INFINITY, top = -INFINITY;
    void add(P p) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        bottom = std::min(bottom, p.y);
        top = std::max(top, p.y);
    }
};

class ClampedTrace {
  public:
    struct Box {
        double left, bottom, right, top;
        bool holds(const Extent& e) const {
            return e.left >= left && e.right <= right && e.bottom >= bottom && e.top <= top;
        }
        bool meets(const Extent& e) const {
            return e.left <= right && e.right >= left && e.bottom <= top && e.top >= bottom;
        }
    };

    ClampedTrace(cairo_t* cr, Box clamp, Box visible) : cr_(cr), clamp_(clamp), visible_(visible) {}

    void moveTo(P p) {
        P q = clamped(p);
        cairo_move_to(cr_, q.x, q.y);
    }

    // The image of the segment under clamping: straight between the places where it crosses
    // the lines of the box's edges, each of them clamped.
    void lineTo(P a, P b) {
        struct Crossing {
            double t;
            P at;
        } crossings[4];
        int n = 0;
        // The segment's line: ka * x + kb * y = kc.
        const double ka = b.y - a.y, kb = a.x - b.x, kc = differenceOfProducts(a.x, b.y, b.x, a.y);
        for (double x : {clamp_.left, clamp_.right}) {
            if ((a.x < x) != (b.x < x)) crossings[n++] = {(x - a.x) / (b.x - a.x), {x, (kc - ka * x) / kb}};
        }
        for (double y : {clamp_.bottom, clamp_.top}) {
            if ((a.y < y) != (b.y < y)) crossings[n++] = {(y - a.y) / (b.y - a.y), {(kc - kb * y) / ka, y}};
        }
        for (int i = 1; i < n; ++i) {  // at most four: in order along the segment
            for (int j = i; j > 0 && crossings[j].t < crossings[j - 1].t; --j)
                std::swap(crossings[j], crossings[j - 1]);
        }
        for (int i = 0; i < n; ++i) emitLine(crossings[i].at);
        emitLine(b);
    }

    void curveTo(const Cubic& c, int depth = 0) {
        Extent hull;
        for (P p : {c.p0, c.p1, c.p2, c.p3}) hull.add(p);
        if (clamp_.holds(hull)) {
            cairo_curve_to(cr_, c.p1.x, c.p1.y, c.p2.x, c.p2.y, c.p3.x, c.p3.y);
            return;
        }
        // Handles on their anchors draw a line; a piece whose hull misses the page may become
        // its chord (the two differ only inside the hull).
        bool straight = c.p1.x == c.p0.x && c.p1.y == c.p0.y && c.p2.x == c.p3.x && c.p2.y == c.p3.y;
        if (straight || !visible_.meets(hull) || depth >= kMaxDepth) {
            lineTo(c.p0, c.p3);
            return;
        }
        Cubic left{}, right{};
        halve(c, left, right);
        curveTo(left, depth + 1);
        curveTo(right, depth + 1);
    }

  private:
    P clamped(P p) const {
        return {std::clamp(p.x, clamp_.left, clamp_.right), std::clamp(p.y, clamp_.bottom, clamp_.top)};
    }
    void emitLine(P p) {
        P q = clamped(p);
        cairo_line_to(cr_, q.x, q.y);
    }

    cairo_t* cr_;
    Box clamp_, visible_;
};

}  // namespace

double PageClip::reach(const SceneNode& path) const {
    const AIReal width = path.style.stroke.width;
    const bool stroked = path.style.strokePaint && width > 0.0f;  // false for NaN
    return (stroked ? 8.0 * width : 0.0) + 2.0 / scale_;
}

double PageClip::margin(const SceneNode& path) const { return std::max(width_, height_) + 2.0 * reach(path); }

PageClip::Fit PageClip::fit(const SceneNode& path) const {
    Extent extent;
    for (const AIPathSegment& s : path.segments) {
        for (AIRealPoint p : {s.p, s.in, s.out}) {
            if (!std::isfinite(p.h) || !std::isfinite(p.v)) return Fit::drawn;
            extent.add(point(p));
        }
    }
    if (path.segments.empty()) return Fit::drawn;
    auto box = [this](double distance) {
        return ClampedTrace::Box{-distance, -distance, width_ + distance, height_ + distance};
    };
    const double margin = this->margin(path);
    if (box(margin).holds(extent)) return Fit::drawn;
    if (!box(reach(path)).meets(extent)) return Fit::leftOut;
    if (!((std::max(width_, height_) + margin) * scale_ <= kMaxDevice)) return Fit::drawn;  // also for NaN
    return Fit::clipped;
}

void PageClip::traceClipped(cairo_t* cr, const SceneNode& path, bool forFill) const {
    const auto& s = path.segments;
    if (s.empty()) return;
    const double margin = this->margin(path), reach = this->reach(path);
    ClampedTrace trace(cr, {-margin, -margin, width_ + margin, height_ + margin},
                       {-reach, -reach, width_ + reach, height_ + reach});
    trace.moveTo(point(s[0].p));
    const size_t curves = path.closed ? s.size() : s.size() - 1;
    for (size_t i = 0; i < curves; ++i) {
        const AIPathSegment& a = s[i];
        const AIPathSegment& b = s[(i + 1) % s.size()];
        trace.curveTo({point(a.p), point(a.out), point(b.in), point(b.p)});
    }
    if (path.closed) {
        cairo_close_path(cr);
    } else if (forFill) {
        trace.lineTo(point(s.back().p), point(s[0].p));
    }
}

}  // namespace qtexport
