// Bands are sub-rectangles of one image, each drawn through its own cairo surface whose
// device offset is a whole number of rows, so every band sees the page on the same pixel grid.
#include "export/files/cairo_bands.h"

#include <algorithm>
#include <cmath>
#include <system_error>
#include <thread>

#include "export/files/cairo_draw.h"

namespace qtexport {

namespace {

// Device rows (top down) a path can touch: its anchors and handles (a curve stays inside
// them) widened by the farthest a stroke reaches, a miter of cairo's default limit 10.
struct RowSpan {
    double top = 0.0;
    double bottom = 0.0;
    bool any = false;
    void add(double from, double to) {
        top = any ? std::min(top, from) : from;
        bottom = any ? std::max(bottom, to) : to;
        any = true;
    }
};

RowSpan pathRows(const SceneNode& path, double scale, double pageHeight) {
    RowSpan span;
    for (const AIPathSegment& s : path.segments) {
        for (AIRealPoint p : {s.in, s.p, s.out}) {
            double y = (pageHeight - p.v) * scale;
            if (std::isfinite(y)) span.add(y, y);
        }
    }
    bool stroked = path.style.strokePaint && path.style.stroke.width > 0.0f;  // false for NaN
    double reach =
        (stroked ? 8.0 * std::min(static_cast<double>(path.style.stroke.width), 1e9) * scale : 0.0) + 2.0;
    span.top -= reach;
    span.bottom += reach;
    return span;
}

// A stroked path with real curves must lie wholly inside one band: where a band cuts it, cairo
// simplifies the curves outside the band before stroking, which can move the outline inside
// the band by a fraction of a pixel. Straight paths and fills are not affected.
bool strokesCurves(const SceneNode& path) {
    if (!path.style.strokePaint || path.style.stroke.width <= 0.0f) return false;
    const auto& s = path.segments;
    size_t curves = s.empty() ? 0 : (path.closed ? s.size() : s.size() - 1);
    for (size_t i = 0; i < curves; ++i) {
        const AIPathSegment& a = s[i];
        const AIPathSegment& b = s[(i + 1) % s.size()];
        if (a.out.h != a.p.h || a.out.v != a.p.v || b.in.h != b.p.h || b.in.v != b.p.v) return true;
    }
    return false;
}

struct RowTally {
    double scale;
    double pageHeight;
    int height;
    std::vector<double> work;  // paths per row, as differences
    std::vector<int> uncut;    // curved strokes per row boundary, as differences

    int clampRow(double y) const { return static_cast<int>(std::clamp(y, 0.0, static_cast<double>(height))); }

    RowSpan add(const SceneNode& node) {
        RowSpan span;
        if (node.isGroup) {
            for (const SceneNode& child : node.children) {
                RowSpan inner = add(child);
                if (inner.any) span.add(inner.top, inner.bottom);
            }
            return span;
        }
        span = pathRows(node, scale, pageHeight);
        if (span.any && strokesCurves(node)) {
            // No band may begin on a row strictly inside the span.
            int from = clampRow(std::floor(span.top) + 1.0), to = clampRow(std::ceil(span.bottom));
            if (from < to) {
                ++uncut[from];
                --uncut[to];
            }
        }
        return span;
    }
};

std::string drawBand(const Scene& scene, double scale, PageImage& image, int firstRow, int endRow) {
    cairo_surface_t* surface = cairo_image_surface_create_for_data(
        image.pixels.data() + static_cast<size_t>(firstRow) * image.stride, CAIRO_FORMAT_ARGB32, image.width,
        endRow - firstRow, image.stride);
    cairo_surface_set_device_offset(surface, 0.0, -firstRow);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);  // the white page
    cairo_paint(cr);
    drawScene(cr, scene, scale);
    cairo_status_t status = cairo_status(cr);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    return status == CAIRO_STATUS_SUCCESS ? std::string() : cairo_status_to_string(status);
}

}  // namespace

std::vector<int> bandRows(const Scene& scene, double scale, int height, int bands) {
    bands = std::clamp(bands, 1, std::max(1, height));
    RowTally tally{scale, scene.pageHeight, height, std::vector<double>(height + 1, 0.0),
                   std::vector<int>(height + 1, 0)};
    // Work per row: how many objects cross it (the rasteriser's cost grows with rows times edges).
    for (const SceneLayer& layer : scene.layers) {
        for (const SceneNode& node : layer.nodes) {
            RowSpan span = tally.add(node);
            int from = tally.clampRow(std::floor(span.top)), to = tally.clampRow(std::ceil(span.bottom));
            if (!span.any || from >= to) continue;
            tally.work[from] += 1.0;
            tally.work[to] -= 1.0;
        }
    }
    // Every row costs a little even when empty (the white page), so bands never collapse.
    std::vector<double> done(height + 1, 0.0);
    std::vector<bool> cuttable(height + 1, false);
    double perRow = 0.0;
    int curvesHere = 0;
    for (int y = 0; y < height; ++y) {
        perRow += tally.work[y];
        curvesHere += tally.uncut[y];
        done[y + 1] = done[y] + perRow + 0.01;
        cuttable[y] = curvesHere == 0;
    }
    // Each boundary goes to the cuttable row nearest its share of the work.
    std::vector<int> rows{0};
    for (int band = 1; band < bands; ++band) {
        double goal = done[height] * band / bands;
        int ideal = static_cast<int>(std::lower_bound(done.begin(), done.end(), goal) - done.begin());
        int chosen = -1;
        for (int step = 0; step < height && chosen < 0; ++step) {
            for (int row : {ideal - step, ideal + step}) {
                if (row > rows.back() && row < height && cuttable[row]) {
                    chosen = row;
                    break;
                }
            }
        }
        if (chosen > rows.back()) rows.push_back(chosen);
    }
    rows.push_back(height);
    return rows;
}

std::string renderBands(const Scene& scene, double scale, PageImage& image, int bands) {
    std::vector<int> rows = bandRows(scene, scale, image.height, bands);
    size_t count = rows.size() - 1;
    std::vector<std::string> errors(count);
    std::vector<std::jthread> threads;  // joined on every way out
    // The first band is drawn here; a thread that cannot start leaves its band to this one.
    std::vector<size_t> leftOver;
    for (size_t band = 1; band < count; ++band) {
        try {
            threads.emplace_back(
                [&, band] { errors[band] = drawBand(scene, scale, image, rows[band], rows[band + 1]); });
        } catch (const std::system_error&) {
            leftOver.push_back(band);
        }
    }
    errors[0] = drawBand(scene, scale, image, rows[0], rows[1]);
    for (size_t band : leftOver) errors[band] = drawBand(scene, scale, image, rows[band], rows[band + 1]);
    for (std::jthread& thread : threads) thread.join();
    for (const std::string& error : errors) {
        if (!error.empty()) return error;
    }
    return {};
}

int defaultBandCount() {
    unsigned cores = std::thread::hardware_concurrency();
    return static_cast<int>(std::clamp(cores, 1u, 8u));
}

}  // namespace qtexport
