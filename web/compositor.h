// Premultiplied RGBA surfaces and the compositing of the page's art onto them, with the
// browser's own arithmetic so that the window shows what the SVG export shows: coverage
// painted in a colour, and layers (a group, or a path that composites as a whole) put down
// with an opacity and one of the sixteen blend modes the SVG export writes.
#ifndef QT_WEB_COMPOSITOR_H
#define QT_WEB_COMPOSITOR_H

#include <cstdint>
#include <vector>

#include "web/raster.h"

namespace qtweb {

struct Surface {
    PixelRect rect;               // the device pixels it holds
    std::vector<uint8_t> pixels;  // premultiplied RGBA, rows top to bottom

    void reset(const PixelRect& r);  // transparent
    uint8_t* at(int x, int y) {
        return &pixels[(static_cast<size_t>(y - rect.y0) * rect.width() + (x - rect.x0)) * 4];
    }
    const uint8_t* at(int x, int y) const {
        return &pixels[(static_cast<size_t>(y - rect.y0) * rect.width() + (x - rect.x0)) * 4];
    }
};

// Colours are 0xRRGGBB; blend modes are the document's numbers (0 normal ... 15 luminosity).
// Coverage painted straight onto `dst`.
void paintMask(Surface& dst, const Mask& mask, int32_t rgb);
// A path's fill and then its stroke (either mask may be empty), put down as one layer.
void paintLayered(Surface& dst, const Mask& fill, int32_t fillRgb, const Mask& stroke, int32_t strokeRgb,
                  float alpha, int32_t blend);
void paintLayer(Surface& dst, const Surface& layer, float alpha, int32_t blend);
// `top` becomes itself over `under` within `rect` (new art put beneath what is drawn).
void putOver(Surface& top, const Surface& under, const PixelRect& rect);
// Pixels of `rect` as unpremultiplied RGBA into `out` (a buffer the size of `from`), over
// opaque white when `onWhite`.
void unpremultiply(const Surface& from, const PixelRect& rect, bool onWhite, std::vector<uint8_t>& out);

}  // namespace qtweb

#endif
