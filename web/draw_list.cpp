// Flattening scene nodes into the canvas's records.
#include "web/draw_list.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "export/srgb.h"
#include "host/optional_rect.h"

namespace qtweb {

namespace {

// What a node's records cover: its anchors and handles, and the widest stroke inside.
struct Box {
    qthost::OptionalRect bounds;
    float widestStroke = 0;

    void grow(const Box& inner) {
        bounds.add(inner.bounds);
        widestStroke = std::max(widestStroke, inner.widestStroke);
    }
};

// The colour exactly as the SVG export writes it.
int32_t rgbOf(const AIColor& color) {
    return static_cast<int32_t>(qtexport::rgbBytes(qtexport::toSrgb(color)));
}

// A path whose anchors and handles all lie on one line encloses nothing: its fill paints
// no pixel, and the canvas may treat it as a stroke alone.
bool enclosesNothing(const std::vector<AIPathSegment>& segments) {
    if (segments.empty()) return true;
    const AIRealPoint o = segments[0].p;
    std::optional<std::pair<double, double>> direction;
    for (const AIPathSegment& s : segments) {
        for (AIRealPoint p : {s.p, s.in, s.out}) {
            double dh = static_cast<double>(p.h) - o.h;
            double dv = static_cast<double>(p.v) - o.v;
            if (dh == 0.0 && dv == 0.0) continue;
            if (!direction) {
                direction = {dh, dv};
                continue;
            }
            if (dh * direction->second - dv * direction->first != 0.0) return false;
        }
    }
    return true;
}

int32_t blendOf(ASInt32 mode) {
    return mode >= kNormalBlendMode && mode <= kLastBlendMode ? mode : kNormalBlendMode;
}

bool isolated(const qtexport::SceneNode& group) {
    return group.opacity != 1.0f || blendOf(group.blendMode) != kNormalBlendMode;
}

size_t addRecord(DrawList& list, int32_t kind) {
    size_t index = list.ints.size() / DrawList::kInts;
    list.ints.resize(list.ints.size() + DrawList::kInts, 0);
    list.floats.resize(list.floats.size() + DrawList::kFloats, 0.0f);
    list.ints[index * DrawList::kInts] = kind;
    return index;
}

void setBox(DrawList& list, size_t record, const Box& box) {
    const AIRealRect r = box.bounds.rectOr({0, 0, 0, 0});
    float* f = &list.floats[record * DrawList::kFloats];
    f[2] = r.left;
    f[3] = r.bottom;
    f[4] = r.right;
    f[5] = r.top;
    f[6] = box.widestStroke;
}

Box addNode(DrawList& list, const qtexport::SceneNode& node) {
    Box box;
    if (node.isGroup) {
        bool whole = isolated(node);
        size_t begin = 0;
        if (whole) {
            begin = addRecord(list, kGroupBegin);
            list.ints[begin * DrawList::kInts + 6] = blendOf(node.blendMode);
            list.floats[begin * DrawList::kFloats + 1] = node.opacity;
        }
        for (const qtexport::SceneNode& child : node.children) box.grow(addNode(list, child));
        if (whole) {
            setBox(list, begin, box);
            addRecord(list, kGroupEnd);
        }
        return box;
    }
    size_t record = addRecord(list, kPathRecord);
    int32_t* i = &list.ints[record * DrawList::kInts];
    const AIPathStyle& style = node.style;
    i[1] = static_cast<int32_t>(list.segments.size() / 6);
    i[2] = static_cast<int32_t>(node.segments.size());
    bool filled = style.fillPaint && !enclosesNothing(node.segments);
    i[3] = (node.closed ? kClosed : 0) | (filled ? kFilled : 0) | (style.strokePaint ? kStroked : 0) |
           (filled && style.evenodd ? kEvenOdd : 0);
    i[4] = style.fillPaint ? rgbOf(style.fill.color) : 0;
    i[5] = style.strokePaint ? rgbOf(style.stroke.color) : 0;
    i[6] = blendOf(node.blendMode);
    float* f = &list.floats[record * DrawList::kFloats];
    f[0] = style.stroke.width;
    f[1] = node.opacity;
    for (const AIPathSegment& s : node.segments) {
        list.segments.insert(list.segments.end(), {s.p.h, s.p.v, s.in.h, s.in.v, s.out.h, s.out.v});
        box.bounds.add(s.p);
        box.bounds.add(s.in);
        box.bounds.add(s.out);
    }
    if (style.strokePaint) box.widestStroke = style.stroke.width;
    setBox(list, record, box);
    ++list.paths;
    return box;
}

}  // namespace

void DrawList::clear() {
    ints.clear();
    floats.clear();
    segments.clear();
    paths = 0;
}

void DrawList::add(const qtexport::SceneNode& node) { addNode(*this, node); }

void DrawList::prepend(DrawList front) {
    const auto shift = static_cast<int32_t>(front.segments.size() / 6);
    for (size_t r = 0; r < ints.size(); r += kInts) {
        if (ints[r] == kPathRecord) ints[r + 1] += shift;
    }
    front.ints.insert(front.ints.end(), ints.begin(), ints.end());
    front.floats.insert(front.floats.end(), floats.begin(), floats.end());
    front.segments.insert(front.segments.end(), segments.begin(), segments.end());
    front.paths += paths;
    *this = std::move(front);
}

bool compositesNormally(const qtexport::SceneNode& node) {
    if (blendOf(node.blendMode) != kNormalBlendMode) return false;
    if (!node.isGroup || node.opacity != 1.0f) return true;  // a path, or a group drawn as a whole
    return std::all_of(node.children.begin(), node.children.end(), compositesNormally);
}

}  // namespace qtweb
