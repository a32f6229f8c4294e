// Geometry of art: bounds of the drawn curves and transforms by a matrix.
#include <algorithm>
#include <cmath>

#include "host/document.h"
#include "host/real_math.h"

namespace qthost {

namespace {

struct Box {
    bool any = false;
    double left = 0, top = 0, right = 0, bottom = 0;

    void add(double h, double v) {
        if (!any) {
            left = right = h;
            top = bottom = v;
            any = true;
            return;
        }
        left = std::min(left, h);
        right = std::max(right, h);
        bottom = std::min(bottom, v);
        top = std::max(top, v);
    }
};

// The parameters in (0, 1) where one coordinate of a cubic has an extreme: roots of its
// derivative.
template <typename Visit>
void cubicExtremes(double p0, double p1, double p2, double p3, Visit visit) {
    double a = -p0 + 3 * p1 - 3 * p2 + p3;
    double b = 2 * (p0 - 2 * p1 + p2);
    double c = p1 - p0;
    auto at = [&](double t) {
        if (t <= 0 || t >= 1) return;
        visit(t);
    };
    if (std::abs(a) < 1e-12) {
        if (std::abs(b) > 1e-12) at(-c / b);
        return;
    }
    double disc = b * b - 4 * a * c;
    if (disc < 0) return;
    double root = std::sqrt(disc);
    at((-b + root) / (2 * a));
    at((-b - root) / (2 * a));
}

void addCurve(Box& box, const AIPathSegment& from, const AIPathSegment& to) {
    box.add(to.p.h, to.p.v);
    const double h[4] = {from.p.h, from.out.h, to.in.h, to.p.h};
    const double v[4] = {from.p.v, from.out.v, to.in.v, to.p.v};
    auto point = [&](double t) {
        double u = 1 - t;
        box.add(u * u * u * h[0] + 3 * u * u * t * h[1] + 3 * u * t * t * h[2] + t * t * t * h[3],
                u * u * u * v[0] + 3 * u * u * t * v[1] + 3 * u * t * t * v[2] + t * t * t * v[3]);
    };
    cubicExtremes(h[0], h[1], h[2], h[3], point);
    cubicExtremes(v[0], v[1], v[2], v[3], point);
}

AIRealPoint apply(const AIRealMatrix& m, AIRealPoint p) {
    AIRealPoint out;
    RealMath::xformPoint(m, p, out);
    return out;
}

}  // namespace

void Document::boundsOf(uint32_t slot, bool& any, AIRealRect& rect) const {
    const Art& art = arts_[slot];
    Box box;
    if (any) box = {true, rect.left, rect.top, rect.right, rect.bottom};
    const uint32_t count = art.segments.count;
    if (art.type == kPathArt && count > 0) {
        const AIPathSegment* s = segments_.at(art.segments.offset);
        box.add(s[0].p.h, s[0].p.v);
        for (uint32_t i = 1; i < count; ++i) addCurve(box, s[i - 1], s[i]);
        if (art.closed && count > 1) addCurve(box, s[count - 1], s[0]);
    }
    if (box.any) {
        rect = {static_cast<AIReal>(box.left), static_cast<AIReal>(box.top), static_cast<AIReal>(box.right),
                static_cast<AIReal>(box.bottom)};
        any = true;
    }
    // An envelope occupies its shape's bounds; its contents are warped into them.
    if (art.type == kEnvelopeArt && art.shape != kNone) {
        boundsOf(art.shape, any, rect);
        return;
    }
    for (uint32_t c = art.firstChild; c != kNone; c = arts_[c].next) boundsOf(c, any, rect);
}

ASErr Document::getArtBounds(AIArtHandle art, AIRealRect* bounds) const {
    const Art* a = resolve(art);
    if (!a) return kBadArtHandleErr;
    if (!bounds) return kBadParameterErr;
    bool any = false;
    AIRealRect rect{0.0f, 0.0f, 0.0f, 0.0f};
    boundsOf(slotOf(a), any, rect);
    *bounds = rect;
    return kNoErr;
}

void Document::transformTree(uint32_t slot, const AIRealMatrix& m, AIReal lineScale, ASInt32 flags) {
    if (arts_[slot].type == kPathArt) {
        if ((flags & kTransformObjects) && arts_[slot].segments.count > 0) {
            AIPathSegment* s = writableSegments(slot, arts_[slot].segments.count);
            for (uint32_t i = 0, n = arts_[slot].segments.count; i < n; ++i) {
                s[i].p = apply(m, s[i].p);
                s[i].in = apply(m, s[i].in);
                s[i].out = apply(m, s[i].out);
            }
        }
        if ((flags & kScaleLines) && lineScale != 1.0f) {  // a width times 1 is the same width
            AIPathStyle style = styles_[arts_[slot].style];
            style.stroke.width *= lineScale;
            restyle(slot, style);
        }
    }
    for (uint32_t c = arts_[slot].firstChild; c != kNone; c = arts_[c].next) transformTree(c, m, lineScale, flags);
    if (arts_[slot].shape != kNone) transformTree(arts_[slot].shape, m, lineScale, flags);
}

ASErr Document::transformArt(AIArtHandle art, const AIRealMatrix& matrix, AIReal lineScale, ASInt32 flags) {
    const Art* a = resolve(art);
    if (!a) return kBadArtHandleErr;
    transformTree(slotOf(a), matrix, lineScale, flags);
    return kNoErr;
}

}  // namespace qthost
