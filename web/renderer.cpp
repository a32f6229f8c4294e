// Walking the draw list's records onto the picture, a slice at a time.
#include "web/renderer.h"

#include <algorithm>
#include <chrono>
#include <cmath>

namespace qtweb {

namespace {

constexpr int kRecordsPerClockCheck = 32;
constexpr double kFarAway = 1e7;   // device pixels: coordinates beyond are clamped
constexpr double kTinyPixels = 3;  // a path smaller than this each way shows no detail

double nowMs() {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

int pixelFloor(double v) { return static_cast<int>(std::floor(std::clamp(v, -kFarAway, kFarAway))); }
int pixelCeil(double v) { return static_cast<int>(std::ceil(std::clamp(v, -kFarAway, kFarAway))); }

}  // namespace

void Renderer::begin(const DrawList& list, size_t from, size_t to, const View& view, int width, int height,
                     Job job) {
    list_ = &list;
    next_ = from;
    end_ = to;
    job_ = job;
    view_ = view;
    depth_ = 0;
    skipping_ = 0;
    changed_ = {};
    if (job == Job::everything) {
        picture_.reset({0, 0, width, height});
        changed_ = picture_.rect;
        paths_ = tiny_ = 0;
        ink_ = 0;
        art_ = {};
    } else if (job == Job::beneath) {
        under_.reset(picture_.rect);
    }
}

void Renderer::abandon() {
    list_ = nullptr;
    depth_ = 0;
}

Surface& Renderer::target() {
    if (depth_ > 0) return layers_[depth_ - 1].surface;
    return job_ == Job::beneath ? under_ : picture_;
}

void Renderer::note(const PixelRect& r) {
    if (depth_ == 0) changed_ = unite(changed_, r);
}

PixelRect Renderer::deviceBounds(const float* f) const {
    const double k = view_.scale;
    const double pad = 2 * f[6] * k + 2;  // miters reach twice the stroke width out
    return {pixelFloor(view_.x + f[2] * k - pad), pixelFloor(view_.y + (view_.pageHeight - f[5]) * k - pad),
            pixelCeil(view_.x + f[4] * k + pad), pixelCeil(view_.y + (view_.pageHeight - f[3]) * k + pad)};
}

void Renderer::trace(const int32_t* i) {
    const float* s = list_->segments.data() + static_cast<size_t>(i[1]) * 6;
    const int n = i[2];
    const bool closed = (i[3] & kClosed) != 0;
    const double k = view_.scale;
    auto device = [&](const float* p) {
        return Vec2{
            static_cast<float>(std::clamp(view_.x + p[0] * k, -kFarAway, kFarAway)),
            static_cast<float>(std::clamp(view_.y + (view_.pageHeight - p[1]) * k, -kFarAway, kFarAway))};
    };
    raster_.clear();
    raster_.moveTo(device(s));
    const int curves = closed ? n : n - 1;
    for (int c = 0; c < curves; ++c) {
        const float* a = s + c * 6;
        const float* b = s + ((c + 1) % n) * 6;
        raster_.cubicTo(device(a + 4), device(b + 2), device(b));
    }
    if (closed) raster_.close();
}

void Renderer::drawPath(const int32_t* i, const float* f) {
    const int32_t flags = i[3];
    const float width = f[0];
    const bool filled = (flags & kFilled) != 0;
    const bool stroked = (flags & kStroked) != 0 && width > 0;
    if (i[2] == 0 || (!filled && !stroked)) return;
    Surface& dst = target();
    const PixelRect clip = intersect(deviceBounds(f), dst.rect);
    if (clip.empty()) return;
    ++paths_;
    if ((f[4] - f[2]) * view_.scale < kTinyPixels && (f[5] - f[3]) * view_.scale < kTinyPixels) ++tiny_;
    trace(i);
    fill_.rect = {};
    stroke_.rect = {};
    if (filled) raster_.fill((flags & kEvenOdd) != 0, clip, fill_);
    if (stroked) raster_.stroke(static_cast<float>(width * view_.scale), clip, stroke_);
    const float alpha = f[1];
    const int32_t blend = i[6];
    if (alpha != 1 || blend != 0) {
        paintLayered(dst, fill_, i[4], stroke_, i[5], alpha, blend);  // as its own layer, as SVG does
    } else {
        paintMask(dst, fill_, i[4]);
        paintMask(dst, stroke_, i[5]);
    }
    note(unite(fill_.rect, stroke_.rect));
    art_ = unite(art_, clip);
    for (const Mask* m : {&fill_, &stroke_}) {
        if (m->empty()) continue;
        for (int row = 0; row < m->rect.height(); ++row) ink_ += m->right[row] - m->left[row];
    }
}

bool Renderer::step(double budgetMs) {
    if (!list_) return true;
    const double start = nowMs();
    const int32_t* ints = list_->ints.data();
    const float* floats = list_->floats.data();
    int sinceCheck = 0;
    while (next_ < end_) {
        const int32_t* i = ints + next_ * DrawList::kInts;
        const float* f = floats + next_ * DrawList::kFloats;
        ++next_;
        const int32_t kind = i[0];
        if (skipping_) {
            if (kind == kGroupBegin) ++skipping_;
            if (kind == kGroupEnd) --skipping_;
            continue;
        }
        if (kind == kGroupBegin) {
            const PixelRect region = intersect(deviceBounds(f), target().rect);
            if (region.empty()) {
                skipping_ = 1;
                continue;
            }
            if (layers_.size() <= depth_) layers_.emplace_back();
            Layer& layer = layers_[depth_];
            layer.surface.reset(region);
            layer.alpha = f[1];
            layer.blend = i[6];
            ++depth_;
        } else if (kind == kGroupEnd) {
            if (depth_ == 0) continue;
            const Layer& layer = layers_[--depth_];
            paintLayer(target(), layer.surface, layer.alpha, layer.blend);
            note(layer.surface.rect);
        } else {
            drawPath(i, f);
        }
        if (++sinceCheck == kRecordsPerClockCheck) {
            sinceCheck = 0;
            if (nowMs() - start >= budgetMs && next_ < end_) return false;
        }
    }
    while (depth_ > 0) {
        const Layer& layer = layers_[--depth_];
        paintLayer(target(), layer.surface, layer.alpha, layer.blend);
        note(layer.surface.rect);
    }
    if (job_ == Job::beneath) putOver(picture_, under_, changed_);
    list_ = nullptr;
    return true;
}

}  // namespace qtweb
