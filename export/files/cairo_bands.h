// The page rasterised in horizontal bands, one thread per band, into one shared image.
#ifndef QT_EXPORT_CAIRO_BANDS_H
#define QT_EXPORT_CAIRO_BANDS_H

#include <cairo.h>

#include <string>
#include <vector>

#include "export/scene.h"

namespace qtexport {

// Premultiplied ARGB32 pixels in cairo's layout (rows of `stride` bytes, top row first).
struct PageImage {
    int width = 0;
    int height = 0;
    int stride = 0;
    std::vector<unsigned char> pixels;
};

// The rows where bands begin, the first 0, then one past the last row: up to `bands` bands
// holding about the same drawing work each (estimated from the rows each path spans).
std::vector<int> bandRows(const Scene& scene, double scale, int height, int bands);

// Draws the white page and the scene into `image` (already sized), each band on its own
// thread; any band count gives the same pixels. Returns an empty string or what went wrong.
std::string renderBands(const Scene& scene, double scale, PageImage& image, int bands);

// The number of bands worth drawing at once on this machine.
int defaultBandCount();

}  // namespace qtexport

#endif
