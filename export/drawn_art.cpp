// Walking the art for the drawing exporters.
#include "export/drawn_art.h"

#include <utility>

#include "export/warp_geometry.h"
#include "host/optional_rect.h"

namespace qtexport {

namespace {

using qthost::ArtView;
using qthost::OptionalRect;

// Anchors and handles of a subtree (a safe envelope frame for the warp).
void growBounds(ArtView art, OptionalRect& box) {
    for (const AIPathSegment& s : art.segments()) {
        box.add(s.p);
        box.add(s.in);
        box.add(s.out);
    }
    for (ArtView child : art.children()) growBounds(child, box);
}

}  // namespace

bool DrawnArtWalk::walk(ArtView art, DrawnArtVisitor& visitor) {
    warps_.clear();
    return visit(art, visitor);
}

bool DrawnArtWalk::visit(ArtView art, DrawnArtVisitor& visitor) {
    if (art.type() == kPathArt) {
        bool drawn = warps_.empty() ? visitor.path(art, art.segments(), true) : visitWarped(art, visitor);
        if (!drawn) ++leftOut_;
        return drawn;
    }
    visitor.group(art);
    bool pushed = false;
    if (const qthost::Warp* warp = art.type() == kEnvelopeArt ? art.warp() : nullptr) {
        // The frame is the shape's, or the contents' when the shape has no points.
        OptionalRect frame;
        if (ArtView shape = art.envelopeShape()) growBounds(shape, frame);
        if (frame.empty()) growBounds(art, frame);
        if (!frame.empty()) {
            warps_.push_back({*warp, frame.rect()});
            pushed = true;
        }
    }
    for (ArtView child : art.children()) visit(child, visitor);
    if (pushed) warps_.pop_back();
    visitor.groupEnd(art);
    return true;
}

// Innermost warp first: it deformed the content inside its own envelope.
bool DrawnArtWalk::visitWarped(ArtView art, DrawnArtVisitor& visitor) {
    auto frame = warps_.rbegin();
    if (!warpPathInto(frame->warp, frame->bounds, art.segments(), art.closed(), warped_)) return false;
    for (++frame; frame != warps_.rend(); ++frame) {
        warpPathInto(frame->warp, frame->bounds, warped_, art.closed(), spare_);
        std::swap(warped_, spare_);
    }
    return visitor.path(art, warped_, false);
}

}  // namespace qtexport
