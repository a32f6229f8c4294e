// Geometry far off the page costs cairo nothing: a path wholly outside the page (beyond its
// control points plus the reach of its stroke) is left out, and a path that runs far past a
// margin around the page is clipped to the margin before cairo sees it. Paths within the
// margin are drawn exactly as they are, so their pixels never change.
#ifndef QT_EXPORT_PAGE_CLIP_H
#define QT_EXPORT_PAGE_CLIP_H

#include <cairo.h>

#include "export/scene.h"

namespace qtexport {

class PageClip {
  public:
    enum class Fit { drawn, leftOut, clipped };

    // The page [0, width] x [0, height] in document points, drawn at `scale` pixels a point.
    PageClip(double width, double height, double scale) : width_(width), height_(height), scale_(scale) {}

    // How the path lies: within the margin (drawn as it is), wholly off the page (left out),
    // or crossing the margin (traced through traceClipped). A path with a point that is not
    // finite is drawn as it is.
    Fit fit(const SceneNode& path) const;

    // Traces the path clamped to the margin: every point outside it is moved onto its edge,
    // which changes nothing on the page (the edge is beyond the stroke's reach) and keeps
    // the winding of every point inside, so fills stay the same. `forFill` adds the closing
    // line that cairo's fill of an open path implies, clamped like the rest.
    void traceClipped(cairo_t* cr, const SceneNode& path, bool forFill) const;

  private:
    // How far outside its control points the path can paint: the stroke's miter at cairo's
    // default limit, and a pixel or two of antialiasing.
    double reach(const SceneNode& path) const;
    // The clamping box: far enough out that nothing drawn along its edge reaches the page.
    double margin(const SceneNode& path) const;

    double width_, height_, scale_;
};

}  // namespace qtexport

#endif
