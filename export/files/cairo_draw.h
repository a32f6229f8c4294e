// The scene drawn on a cairo context, shared by the PNG and PDF writers.
#ifndef QT_EXPORT_CAIRO_DRAW_H
#define QT_EXPORT_CAIRO_DRAW_H

#include <cairo.h>

#include "export/scene.h"

namespace qtexport {

// Draws every layer back to front at `scale` device units per point, the page's top at
// device y 0 (document v grows upwards, so the page is flipped once).
void drawScene(cairo_t* cr, const Scene& scene, double scale);

// True when filling the path cannot paint a pixel: its outline runs straight there and
// back between at most two places, so it encloses no area.
bool fillEnclosesNothing(const SceneNode& node);

}  // namespace qtexport

#endif
