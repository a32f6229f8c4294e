// Bounds that may be empty: a rectangle that exists only once a point was added. Art with
// no points has no bounds, rather than a zero rectangle at the origin.
#ifndef QT_HOST_OPTIONAL_RECT_H
#define QT_HOST_OPTIONAL_RECT_H

#include <algorithm>

#include "sdk/quen_tarb_sdk.h"

namespace qthost {

class OptionalRect {
  public:
    OptionalRect() = default;
    explicit OptionalRect(const AIRealRect& rect) : rect_(rect), any_(true) {}

    bool empty() const { return !any_; }
    // The rectangle (top > bottom); only when not empty.
    const AIRealRect& rect() const { return rect_; }
    AIRealRect rectOr(const AIRealRect& fallback) const { return any_ ? rect_ : fallback; }

    // Grows to hold the point. A NaN coordinate is kept only as the first one (std::min and
    // std::max keep their first argument when a comparison fails).
    void add(AIReal h, AIReal v) {
        if (!any_) {
            rect_ = {h, v, h, v};
            any_ = true;
            return;
        }
        rect_.left = std::min(rect_.left, h);
        rect_.right = std::max(rect_.right, h);
        rect_.bottom = std::min(rect_.bottom, v);
        rect_.top = std::max(rect_.top, v);
    }
    void add(AIRealPoint p) { add(p.h, p.v); }
    void add(const OptionalRect& other) {
        if (other.empty()) return;
        add(other.rect_.left, other.rect_.bottom);
        add(other.rect_.right, other.rect_.top);
    }

    // Whether the two share any point (edges included); an empty one meets nothing.
    bool meets(const OptionalRect& other) const {
        return any_ && other.any_ && rect_.left <= other.rect_.right && other.rect_.left <= rect_.right &&
               rect_.bottom <= other.rect_.top && other.rect_.bottom <= rect_.top;
    }

  private:
    AIRealRect rect_{};
    bool any_ = false;
};

}  // namespace qthost

#endif
