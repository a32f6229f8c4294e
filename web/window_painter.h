// The document window's picture: the document's draw list at the window's view, kept up to
// date with the least drawing. Only new art is drawn when only new art came (over the rest,
// or under it); a new view or size, or changed art, draws everything again. Drawing runs in
// slices of a time budget, one per animation frame, and a job for a view that is no longer
// wanted is dropped for one at the new view.
#ifndef QT_WEB_WINDOW_PAINTER_H
#define QT_WEB_WINDOW_PAINTER_H

#include <cstdint>
#include <vector>

#include "host/document.h"
#include "web/draw_list.h"
#include "web/redraw_plan.h"
#include "web/renderer.h"

namespace qtweb {

enum class Frame : int32_t { idle = 0, working = 1, done = 2 };

class WindowPainter {
  public:
    // Brings the draw list up to date with the document (the picture follows in `frame`).
    Redraw update(const qthost::Document& document, bool everything);
    // One frame's work: starts a job when the picture is out of date, then draws for up to
    // `budgetMs`. `done` once per finished job, until `present`.
    Frame frame(const qthost::Document& document, int width, int height, const View& view, double budgetMs);
    // Finishes the job in progress, whatever it takes (before the list changes under it).
    void settle();
    // Brings the picture as unpremultiplied RGBA (width × height) up to date in `presented()`.
    void present();
    PixelRect presented() const { return presented_; }
    const std::vector<uint8_t>& rgba() const { return rgba_; }

    const DrawList& list() const { return list_; }
    const RedrawPlan& plan() const { return plan_; }
    const Renderer& renderer() const { return renderer_; }
    Job lastJob() const { return lastJob_; }

  private:
    bool run(double budgetMs);  // true when the job finished

    struct Pending {
        bool any = false;
        Job job = Job::everything;
        size_t from = 0, to = 0;
    };

    DrawList list_;
    RedrawPlan plan_;
    Renderer renderer_;
    Pending pending_;
    Job lastJob_ = Job::everything;
    bool shown_ = false;  // the picture is of view_ at width_ × height_
    View view_;
    int width_ = 0, height_ = 0;
    bool finished_ = false;  // a job finished since the last `present`
    PixelRect dirty_;        // what the jobs finished since then changed
    std::vector<uint8_t> rgba_;
    PixelRect presented_;
};

}  // namespace qtweb

#endif
