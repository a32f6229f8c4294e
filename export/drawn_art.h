// The art as the drawing exporters (scene, SVG) see it: a group or envelope as a group of its
// contents, every path with its final geometry (after the warps of the envelopes around it),
// and paths whose geometry is not finite left out. The walk hands each object to a visitor
// as it goes, so a streaming exporter never holds more than one path's warped segments.
#ifndef QT_EXPORT_DRAWN_ART_H
#define QT_EXPORT_DRAWN_ART_H

#include <cmath>
#include <cstddef>
#include <span>
#include <vector>

#include "host/art_view.h"
#include "host/warp.h"

namespace qtexport {

class DrawnArtVisitor {
  public:
    virtual ~DrawnArtVisitor() = default;
    // A group or an envelope; its contents follow, then groupEnd.
    virtual void group(qthost::ArtView art) = 0;
    virtual void groupEnd(qthost::ArtView art) = 0;
    // A path and its final segments. When `unchecked` they are the document's own, read here
    // for the first time: the visitor checks that every anchor and handle is finite as it
    // reads them and returns false, keeping nothing of the path, when one is not. Warped
    // segments were checked before the warp.
    virtual bool path(qthost::ArtView art, std::span<const AIPathSegment> segments, bool unchecked) = 0;
};

class DrawnArtWalk {
  public:
    // Walks one object and what it holds. False when the object itself was left out.
    bool walk(qthost::ArtView art, DrawnArtVisitor& visitor);
    // The paths left out so far.
    size_t leftOut() const { return leftOut_; }

  private:
    struct WarpFrame {
        qthost::Warp warp;
        AIRealRect bounds;
    };

    bool visit(qthost::ArtView art, DrawnArtVisitor& visitor);
    bool visitWarped(qthost::ArtView art, DrawnArtVisitor& visitor);

    std::vector<WarpFrame> warps_;  // outermost first
    // One warped copy of a path, warped level by level between the two.
    std::vector<AIPathSegment> warped_, spare_;
    size_t leftOut_ = 0;
};

// True when every anchor and handle is finite.
inline bool finiteSegment(const AIPathSegment& s) {
    using std::isfinite;
    return isfinite(s.p.h) && isfinite(s.p.v) && isfinite(s.in.h) && isfinite(s.in.v) && isfinite(s.out.h) &&
           isfinite(s.out.v);
}

}  // namespace qtexport

#endif
