// Geometry of art: bounds of the drawn curves and transforms by a matrix.
#include <algorithm>
#include <cmath>

#include "host/document.h"
#include "host/real_math.h"

namespace qthost {

namespace {

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

// Points of the curve are rounded to single precision as they are added: rounding keeps order,
// so the extremes are the rounded extremes.
void add(OptionalRect& box, double h, double v) { box.add(static_cast<AIReal>(h), static_cast<AIReal>(v)); }

void addCurve(OptionalRect& box, const AIPathSegment& from, const AIPathSegment& to) {
    box.add(to.p);
    const double h[4] = {from.p.h, from.out.h, to.in.h, to.p.h};
    const double v[4] = {from.p.v, from.out.v, to.in.v, to.p.v};
    auto point = [&](double t) {
        double u = 1 - t;
        add(box, u * u * u * h[0] + 3 * u * u * t * h[1] + 3 * u * t * t * h[2] + t * t * t * h[3],
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

void Document::boundsOf(uint32_t slot, OptionalRect& box) const {
    const Art& art = arts_[slot];
    const uint32_t count = art.segments.count;
    if (art.type == kPathArt && count > 0) {
        const AIPathSegment* s = segments_.at(art.segments.offset);
        box.add(s[0].p);
        for (uint32_t i = 1; i < count; ++i) addCurve(box, s[i - 1], s[i]);
        if (art.closed && count > 1) addCurve(box, s[count - 1], s[0]);
    }
    // An envelope occupies its shape's bounds; its contents are warped into them.
    if (art.type == kEnvelopeArt && art.shape != kNone) {
        boundsOf(art.shape, box);
        return;
    }
    for (uint32_t c = art.firstChild; c != kNone; c = arts_[c].next) boundsOf(c, box);
}

OptionalRect Document::artBounds(AIArtHandle art) const {
    OptionalRect box;
    if (const Art* a = resolve(art)) boundsOf(slotOf(a), box);
    return box;
}

ASErr Document::getArtBounds(AIArtHandle art, AIRealRect* bounds) const {
    const Art* a = resolve(art);
    if (!a) return kBadArtHandleErr;
    if (!bounds) return kBadParameterErr;
    OptionalRect box;
    boundsOf(slotOf(a), box);
    *bounds = box.rectOr({0.0f, 0.0f, 0.0f, 0.0f});
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
    for (uint32_t c = arts_[slot].firstChild; c != kNone; c = arts_[c].next)
        transformTree(c, m, lineScale, flags);
    if (arts_[slot].shape != kNone) transformTree(arts_[slot].shape, m, lineScale, flags);
}

ASErr Document::transformArt(AIArtHandle art, const AIRealMatrix& matrix, AIReal lineScale, ASInt32 flags) {
    const Art* a = resolve(art);
    if (!a) return kBadArtHandleErr;
    transformTree(slotOf(a), matrix, lineScale, flags);
    return kNoErr;
}

}  // namespace qthost
