// Envelope warps as real geometric deformations: the exporters draw an envelope's content
// through one of these.
#ifndef QT_EXPORT_WARP_GEOMETRY_H
#define QT_EXPORT_WARP_GEOMETRY_H

#include <span>
#include <vector>

#include "host/warp.h"
#include "sdk/quen_tarb_sdk.h"

namespace qtexport {

// Where the point (h, v) goes under the warp inside `bounds` (top > bottom).
AIRealPoint warpPoint(const qthost::Warp& warp, const AIRealRect& bounds, AIRealPoint point);

// The path warped: every curve is first cut into `pieces` parts so that the result follows
// the deformation smoothly. A style outside 1..15 (style 0 among them), an empty path or
// `pieces` below 1 return the path unchanged. A box with no width (or no height) maps every
// point onto its centre line across that axis, where content inside such a box already lies.
std::vector<AIPathSegment> warpPath(const qthost::Warp& warp, const AIRealRect& bounds,
                                    std::span<const AIPathSegment> path, bool closed, int pieces = 8);

// The same into `out` (its contents replaced, its storage reused), reading each segment of
// `path` once. Returns false when an anchor or handle of `path` is not finite.
bool warpPathInto(const qthost::Warp& warp, const AIRealRect& bounds, std::span<const AIPathSegment> path,
                  bool closed, std::vector<AIPathSegment>& out, int pieces = 8);

}  // namespace qtexport

#endif
