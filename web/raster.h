// Coverage of a path on the device pixel grid, for the page's renderer, made to come out as
// the browser's own rasteriser draws the SVG export: a fill by its rule, a stroke (miter
// joins with SVG's limit of 4, butt caps) as the polygons that cover it, and a stroke at most
// a pixel wide as a hairline one pixel across, fainter by its width. Curves are flattened to
// within a fifth of a pixel (hairlines as the browser divides them); each pixel row is
// sampled on four rows, with exact coverage along each.
#ifndef QT_WEB_RASTER_H
#define QT_WEB_RASTER_H

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qtweb {

struct Vec2 {
    float x = 0, y = 0;
};

// A rectangle of device pixels, [x0, x1) × [y0, y1).
struct PixelRect {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    bool empty() const { return x1 <= x0 || y1 <= y0; }
    int width() const { return x1 - x0; }
    int height() const { return y1 - y0; }
};

PixelRect intersect(const PixelRect& a, const PixelRect& b);
PixelRect unite(const PixelRect& a, const PixelRect& b);

// Coverage from 0 to 255 per pixel of `rect`; in a row only columns [left, right) of it
// are set (relative to rect.x0), the others are zero. `alpha` is the paint's alpha for it
// (a hairline thinner than a pixel is fainter).
struct Mask {
    PixelRect rect;
    std::vector<uint8_t> cover;  // rect.width() × rect.height(), rows top to bottom
    std::vector<int32_t> left, right;
    int32_t alpha = 255;

    bool empty() const { return rect.empty(); }
    // Sets the row's columns from `rect`-relative x to cover it, zeroing what it adds.
    uint8_t* widen(int row, int x);
};

class Rasterizer {
  public:
    // The outline, in device pixels: contours of lines and cubic curves.
    void clear();
    void moveTo(Vec2 p);
    void lineTo(Vec2 p);
    void cubicTo(Vec2 c1, Vec2 c2, Vec2 p);
    void close();  // the current contour is closed (a stroke joins its ends)

    // Coverage of the fill, or of a stroke `width` pixels wide, within `clip`.
    void fill(bool evenOdd, const PixelRect& clip, Mask& out);
    void stroke(float width, const PixelRect& clip, Mask& out);

  private:
    struct Command {
        enum Kind : uint8_t { move, line, cubic, close } kind;
        Vec2 p[3];
    };

    struct Edge {
        float x0, y0, y1, slope;  // top end, bottom end; x grows by slope per pixel down
        int32_t dir;
    };
    struct Crossing {
        float x;
        int32_t dir;
    };

    void flatten(bool asHairline);
    void flatCubic(Vec2 p0, Vec2 c1, Vec2 c2, Vec2 p, bool asHairline);
    void addPoint(Vec2 p);
    void endContour(bool closed);
    void hairline(float width, const PixelRect& clip, Mask& out);
    void hairSegment(Vec2 a, Vec2 b, const PixelRect& clip, Mask& out);
    void addEdge(Vec2 a, Vec2 b);
    void addPolygon(const Vec2* points, int count);  // oriented so that every polygon adds
    void strokeContour(const Vec2* points, int count, bool closed, float halfWidth);
    void scan(bool evenOdd, const PixelRect& clip, Mask& out);

    std::vector<Command> commands_;
    std::vector<Vec2> points_;           // flattened contours, one after another
    std::vector<uint32_t> contourEnds_;  // past each contour's last point
    std::vector<uint8_t> contourClosed_;
    bool open_ = false;

    std::vector<Edge> edges_;
    float minX_ = 0, minY_ = 0, maxX_ = 0, maxY_ = 0;
    std::vector<uint32_t> active_;
    std::vector<Crossing> crossings_;
    std::vector<float> rowCover_, rowStep_;
    bool denseHair_ = false;  // the hairline's mask was cleared whole
};

}  // namespace qtweb

#endif
