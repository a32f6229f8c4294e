// The drag path shapes. Fixed shapes run from startingPoint (s) to endPoint (e): the count
// is set to anchors - 1 and each anchor is written one at a time at the next index, which
// the host accepts as an append. Point-list shapes collect drag points in point1 (at most
// 21) and draw through them. The length factor H pulls fixed anchors toward the anchor
// written before them; for the point lists it scales the collecting thresholds instead.
#include "drag/shapes.h"

#include "drag/drag_state.h"
#include "frame/error.h"
#include "frame/suite_pointers.h"
#include "options/store.h"

namespace drag {
namespace {

constexpr ASInt32 kLastShape = 23;
constexpr ASInt32 kMaxPointIndex = 20;              // point1[0..20]: 21 anchors at most
constexpr ASUInt32 kCollectKey = kCommandModifier;  // 0x200

AIReal draw() { return sAIRandom->FloatRnd(); }

// A random sign from a draw: -1 when the draw times 10 is above 5, else +1.
AIReal drawSign() { return draw() * 10 > 5 ? -1.0f : 1.0f; }

// One random handle offset: a sign draw, then a magnitude draw r; the result is r*m*sign.
AIReal randomOffset(AIReal m) {
    const AIReal sign = drawSign();
    const AIReal r = draw();
    return r * m * sign;
}

AIPathSegment straight(AIRealPoint p) { return {p, p, p, false}; }

// Handles at fixed offsets from the anchor.
AIPathSegment offsets(AIRealPoint p, AIReal inH, AIReal inV, AIReal outH, AIReal outV) {
    return {p, {p.h + inH, p.v + inV}, {p.h + outH, p.v + outV}, false};
}

// The three random-handle forms differ only in the sign of the in-handle terms. The four
// pairs of draws are taken in the order in.h, in.v, out.h, out.v.
enum class RandomForm { R, RPlus, RPlusPlus };

AIPathSegment randomHandles(AIRealPoint p, RandomForm form, AIReal m) {
    const AIReal inH = randomOffset(m);
    const AIReal inV = randomOffset(m);
    const AIReal outH = randomOffset(m);
    const AIReal outV = randomOffset(m);
    AIPathSegment seg{p, {}, {p.h + outH, p.v + outV}, false};
    seg.in.h = form == RandomForm::R ? p.h - inH : p.h + inH;
    seg.in.v = form == RandomForm::RPlusPlus ? p.v + inV : p.v - inV;
    return seg;
}

// Writes the anchors of a fixed shape in order and remembers the last one for the pull.
class FixedWriter {
  public:
    FixedWriter(AIArtHandle path, AIReal H, ASInt16 anchors) : path_(path), H_(H) {
        sAIPath->SetPathSegmentCount(path_, static_cast<ASInt16>(anchors - 1));
    }

    // An anchor marked * is pulled toward the previous one: p + H (q - p), unless H is 1.
    AIRealPoint pulled(AIRealPoint p) const {
        if (H_ == 1.0f) return p;
        AIRealPoint result{};
        sAIRealMath->AIRealPointInterpolate(&p, &last_, H_, &result);
        return result;
    }

    ASErr put(const AIPathSegment& seg) {
        QT_PROPAGATE(sAIPath->SetPathSegments(path_, index_, 1, &seg));
        last_ = seg.p;
        ++index_;
        return kNoErr;
    }

  private:
    AIArtHandle path_;
    AIReal H_;
    ASInt16 index_ = 0;
    AIRealPoint last_{};
};

ASInt16 fixedAnchorCount(ASInt32 shape) {
    switch (shape) {
        case 1:
        case 2:
        case 14:
        case 19:
        case 20:
        case 22: return 3;
        case 3:
        case 15:
        case 21:
        case 23: return 4;
        default: return 2;
    }
}

// Shapes 0 to 5, 11 and 13 to 15: lines, splits and curves through fractions of e - s.
ASErr buildLineShape(FixedWriter& w, ASInt32 shape, AIRealPoint s, AIRealPoint e, AIReal H) {
    const AIReal dh = e.h - s.h;
    const AIReal dv = e.v - s.v;
    switch (shape) {
        case 0: QT_PROPAGATE(w.put(straight(s))); return w.put(straight(w.pulled(e)));
        case 1:
            // The middle anchor is half the difference, taken as an absolute position.
            QT_PROPAGATE(w.put(straight(s)));
            QT_PROPAGATE(w.put(straight(w.pulled({dh / 2, e.v}))));
            return w.put(straight(w.pulled(e)));
        case 2:
            QT_PROPAGATE(w.put(straight(s)));
            QT_PROPAGATE(w.put(straight(w.pulled({e.h, dv / 2}))));
            return w.put(straight(w.pulled(e)));
        case 3:
            QT_PROPAGATE(w.put(straight(s)));
            QT_PROPAGATE(w.put(straight(w.pulled({s.h, dv / 2}))));
            QT_PROPAGATE(w.put(straight(w.pulled({e.h, dv / 2}))));
            return w.put(straight(w.pulled(e)));
        case 4:
        case 5: {
            const AIReal d = shape == 4 ? 20.0f : 120.0f;
            QT_PROPAGATE(w.put(offsets(s, -d, -d, d, d)));
            return w.put(offsets(w.pulled(e), -d, -d, d, d));
        }
        case 11: {
            // The end lies a random fraction r*H of the way to e; it is not pulled.
            QT_PROPAGATE(w.put(straight(s)));
            const AIReal t = draw() * H;
            AIRealPoint p{};
            sAIRealMath->AIRealPointInterpolate(&s, &e, t, &p);
            return w.put(straight(p));
        }
        case 13:
            QT_PROPAGATE(w.put(randomHandles(s, RandomForm::R, 200.0f)));
            return w.put(randomHandles(w.pulled(e), RandomForm::R, 200.0f));
        case 14:
            QT_PROPAGATE(w.put(randomHandles(s, RandomForm::R, 200.0f)));
            QT_PROPAGATE(w.put(randomHandles(w.pulled({dh / 2, dv / 2}), RandomForm::R, 200.0f)));
            return w.put(randomHandles(w.pulled(e), RandomForm::R, 200.0f));
        case 15:
            QT_PROPAGATE(w.put(randomHandles(s, RandomForm::R, 200.0f)));
            QT_PROPAGATE(w.put(randomHandles(w.pulled({dh / 3, dv / 3}), RandomForm::R, 200.0f)));
            QT_PROPAGATE(w.put(randomHandles(w.pulled({dh * 2 / 3, dv * 2 / 3}), RandomForm::R, 200.0f)));
            return w.put(randomHandles(w.pulled(e), RandomForm::R, 200.0f));
        default: return kNoErr;
    }
}

// Shapes 17 to 23: curves whose end point is written up to four times with other handles.
ASErr buildCurveShape(FixedWriter& w, ASInt32 shape, AIRealPoint s, AIRealPoint e) {
    switch (shape) {
        case 17:
            QT_PROPAGATE(w.put(offsets(s, 0, -40, 0, 40)));
            return w.put(offsets(w.pulled(e), 0, -20, 0, 20));
        case 18:
            QT_PROPAGATE(w.put(offsets(s, -40, 0, 40, 0)));
            return w.put(offsets(w.pulled(e), -80, 0, 80, 0));
        case 19:
            QT_PROPAGATE(w.put(offsets(s, -80, 0, 80, 0)));
            QT_PROPAGATE(w.put(offsets(w.pulled(e), 40, 0, -40, 0)));
            return w.put(offsets(w.pulled(e), -80, 0, 80, 0));
        case 20:
            QT_PROPAGATE(w.put(offsets(s, 0, -40, 0, 40)));
            QT_PROPAGATE(w.put(offsets(w.pulled(e), 0, 80, 0, -80)));
            return w.put(offsets(w.pulled(e), 0, -40, 0, 80));
        case 21:
            QT_PROPAGATE(w.put(offsets(s, 0, -40, 0, 40)));
            QT_PROPAGATE(w.put(offsets(w.pulled(e), 0, 80, 0, -80)));
            QT_PROPAGATE(w.put(offsets(w.pulled(e), 0, -80, 0, 80)));
            return w.put(offsets(w.pulled(e), 0, 60, 0, -60));
        case 22:
            QT_PROPAGATE(w.put(offsets(s, 0, -90, 0, 90)));
            QT_PROPAGATE(w.put(offsets(w.pulled(e), 0, 20, 0, -20)));
            return w.put(offsets(w.pulled(e), 0, -100, 0, -20));
        case 23:
            QT_PROPAGATE(w.put(offsets(s, -40, 0, 40, 0)));
            QT_PROPAGATE(w.put(offsets(w.pulled(e), -80, 0, 80, 0)));
            QT_PROPAGATE(w.put(offsets(w.pulled(e), -120, 0, 120, 0)));
            return w.put(offsets(w.pulled(e), -160, 0, 160, 0));
        default: return kNoErr;
    }
}

// Whether this event adds endPoint to the collected points.
bool collectsPoint(ASInt32 shape, AIReal H) {
    if (shape == 12 || shape == 16) {
        // One point per press: the key must be released (keydown) before the next.
        const bool held = (sADMTracker->GetModifiers(nullptr) & kCollectKey) != 0;
        if (!held) {
            drag::state.keydown = true;
            return false;
        }
        if (!drag::state.keydown || drag::state.pointcount >= kMaxPointIndex) return false;
        drag::state.keydown = false;
        return true;
    }
    if (drag::state.pointcount >= kMaxPointIndex) return false;
    const AIRealPoint& last = drag::state.point1[drag::state.pointcount];
    if (shape == 9 || shape == 10) {
        const AIReal r = draw();
        return r * 80 * H < sAIRealMath->AIRealPointLength(&last, &drag::state.endPoint);
    }
    const AIReal threshold = (shape == 6 ? 40.0f : 80.0f) * H;
    return sAIRealMath->AIRealPointLength(&last, &drag::state.endPoint) > threshold;
}

AIPathSegment pointListSegment(ASInt32 shape, AIRealPoint p) {
    switch (shape) {
        case 8:
        case 10: return randomHandles(p, RandomForm::RPlus, 120.0f);
        case 16: return randomHandles(p, RandomForm::RPlusPlus, 200.0f);
        default: return straight(p);
    }
}

// Shapes 6 to 10, 12 and 16: here the count is the number of anchors, written over 0..n-1.
ASErr buildPointList(AIArtHandle path, ASInt32 shape, AIReal H) {
    if (collectsPoint(shape, H)) {
        ++drag::state.pointcount;
        drag::state.point1[drag::state.pointcount] = drag::state.endPoint;
    }
    sAIPath->SetPathSegmentCount(path, static_cast<ASInt16>(drag::state.pointcount + 1));
    for (ASInt32 k = 0; k <= drag::state.pointcount; ++k) {
        const AIPathSegment seg = pointListSegment(shape, drag::state.point1[k]);
        QT_PROPAGATE(sAIPath->SetPathSegments(path, static_cast<ASInt16>(k), 1, &seg));
    }
    return kNoErr;
}

}  // namespace

bool isPointListShape(ASInt32 shape) { return (shape >= 6 && shape <= 10) || shape == 12 || shape == 16; }

ASErr buildDragPath(AIArtHandle path, ASInt32 shape, AIReal H) {
    if (shape < 0 || shape > kLastShape) return kNoErr;
    if (isPointListShape(shape)) return buildPointList(path, shape, H);
    FixedWriter writer(path, H, fixedAnchorCount(shape));
    const AIRealPoint s = drag::state.startingPoint;
    const AIRealPoint e = drag::state.endPoint;
    if (shape >= 17) return buildCurveShape(writer, shape, s, e);
    return buildLineShape(writer, shape, s, e, H);
}

}  // namespace drag
