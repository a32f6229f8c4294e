// Draws the records of a draw list onto a picture of device pixels, as the SVG export draws
// them: paths in paint order, a group with opacity or a blend mode (and a path with fill,
// stroke and opacity or a blend mode) composited as a whole. A job may run in slices, so that
// a long redraw leaves the page free between animation frames.
#ifndef QT_WEB_RENDERER_H
#define QT_WEB_RENDERER_H

#include <cstdint>
#include <vector>

#include "web/compositor.h"
#include "web/draw_list.h"
#include "web/raster.h"

namespace qtweb {

struct View {
    double scale = 1;     // device pixels per point
    double x = 0, y = 0;  // the device pixel of the page's top-left corner
    double pageHeight = 0;
    bool operator==(const View&) const = default;
};

// What a job draws: new records over the picture, new records beneath it (art that composites
// normally), or every record on a cleared picture.
enum class Job : int32_t { above = 1, beneath = 2, everything = 3 };

class Renderer {
  public:
    // Starts drawing records [from, to) of `list` (which must not change until the job is
    // done) onto the picture, which becomes `width` × `height` pixels for `everything`.
    void begin(const DrawList& list, size_t from, size_t to, const View& view, int width, int height,
               Job job);
    // Draws until the job is done or `budgetMs` has passed; true when it is done.
    bool step(double budgetMs);
    bool busy() const { return list_ != nullptr; }
    void abandon();

    const Surface& picture() const { return picture_; }
    PixelRect changed() const { return changed_; }  // by the last job
    const View& view() const { return view_; }

    // What the picture holds: paths drawn, those smaller than a few pixels each way, the
    // pixels their coverage touched (counted once per path), and the area their bounds span.
    uint32_t pathsDrawn() const { return paths_; }
    uint32_t tinyPaths() const { return tiny_; }
    double inkPixels() const { return ink_; }
    double artPixels() const {
        return art_.empty() ? 0.0 : static_cast<double>(art_.width()) * art_.height();
    }

  private:
    struct Layer {
        Surface surface;
        float alpha = 1;
        int32_t blend = 0;
    };

    Surface& target();
    PixelRect deviceBounds(const float* f) const;  // a record's bounds, strokes and miters included
    void drawPath(const int32_t* i, const float* f);
    void trace(const int32_t* i);
    void note(const PixelRect& r);  // drawn on the picture (or on the art beneath)

    const DrawList* list_ = nullptr;
    size_t next_ = 0, end_ = 0;
    Job job_ = Job::everything;
    View view_;
    Surface picture_;
    Surface under_;              // the new art of a `beneath` job
    std::vector<Layer> layers_;  // by depth; the first `depth_` are open
    size_t depth_ = 0;
    int skipping_ = 0;  // depth inside a group that is entirely off the picture
    PixelRect changed_;
    uint32_t paths_ = 0, tiny_ = 0;
    double ink_ = 0;
    PixelRect art_;

    Rasterizer raster_;
    Mask fill_, stroke_;
};

}  // namespace qtweb

#endif
