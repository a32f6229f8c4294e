// Choosing the window's drawing jobs.
#include "web/window_painter.h"

#include <limits>

namespace qtweb {

Redraw WindowPainter::update(const qthost::Document& doc, bool everything) {
    settle();
    const size_t before = list_.records();
    const Redraw how = plan_.update(doc, everything, list_);
    const size_t after = list_.records();
    Pending& p = pending_;
    switch (how) {
        case Redraw::nothing: break;
        case Redraw::above:
            if (!p.any) {
                p = {true, Job::above, before, after};
            } else if (p.job == Job::above && p.to == before) {
                p.to = after;
            } else {
                p = {true, Job::everything, 0, 0};
            }
            break;
        case Redraw::beneath:
            p = p.any ? Pending{true, Job::everything, 0, 0} : Pending{true, Job::beneath, 0, after - before};
            break;
        case Redraw::everything: p = {true, Job::everything, 0, 0}; break;
    }
    return how;
}

Frame WindowPainter::frame(const qthost::Document& doc, int width, int height, const View& view,
                           double budgetMs) {
    const bool sameView = shown_ && view == view_ && width == width_ && height == height_;
    if (renderer_.busy()) {
        if (sameView) return run(budgetMs) ? Frame::done : Frame::working;
        renderer_.abandon();
    }
    update(doc, false);
    Pending job = pending_;
    if (!sameView) {
        job = {true, Job::everything, 0, 0};
    } else if (!job.any) {
        return finished_ ? Frame::done : Frame::idle;
    }
    if (job.job == Job::everything) job.to = list_.records();
    pending_ = {};
    shown_ = true;
    view_ = view;
    width_ = width;
    height_ = height;
    lastJob_ = job.job;
    renderer_.begin(list_, job.from, job.to, view, width, height, job.job);
    return run(budgetMs) ? Frame::done : Frame::working;
}

bool WindowPainter::run(double budgetMs) {
    if (!renderer_.step(budgetMs)) return false;
    finished_ = true;
    dirty_ = unite(dirty_, renderer_.changed());
    return true;
}

void WindowPainter::settle() {
    if (renderer_.busy()) run(std::numeric_limits<double>::infinity());
}

void WindowPainter::present() {
    presented_ = intersect(dirty_, renderer_.picture().rect);
    unpremultiply(renderer_.picture(), presented_, false, rgba_);
    dirty_ = {};
    finished_ = false;
}

}  // namespace qtweb
