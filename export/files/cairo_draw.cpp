// Drawing the scene with cairo: paths, opacity and the sixteen blend modes.
#include "export/files/cairo_draw.h"

#include <cmath>
#include <iterator>

#include "export/files/page_clip.h"
#include "export/srgb.h"

namespace qtexport {

namespace {

cairo_operator_t blendOperator(ASInt32 mode) {
    static const cairo_operator_t kOperators[] = {
        CAIRO_OPERATOR_OVER,          CAIRO_OPERATOR_MULTIPLY,       CAIRO_OPERATOR_SCREEN,
        CAIRO_OPERATOR_OVERLAY,       CAIRO_OPERATOR_SOFT_LIGHT,     CAIRO_OPERATOR_HARD_LIGHT,
        CAIRO_OPERATOR_COLOR_DODGE,   CAIRO_OPERATOR_COLOR_BURN,     CAIRO_OPERATOR_DARKEN,
        CAIRO_OPERATOR_LIGHTEN,       CAIRO_OPERATOR_DIFFERENCE,     CAIRO_OPERATOR_EXCLUSION,
        CAIRO_OPERATOR_HSL_HUE,       CAIRO_OPERATOR_HSL_SATURATION, CAIRO_OPERATOR_HSL_COLOR,
        CAIRO_OPERATOR_HSL_LUMINOSITY};
    static_assert(std::size(kOperators) == kLastBlendMode + 1, "one operator per blend mode");
    return mode >= kNormalBlendMode && mode <= kLastBlendMode ? kOperators[mode] : CAIRO_OPERATOR_OVER;
}

bool finite(AIRealPoint p) { return std::isfinite(p.h) && std::isfinite(p.v); }
bool same(AIRealPoint a, AIRealPoint b) { return a.h == b.h && a.v == b.v; }

void tracePath(cairo_t* cr, const SceneNode& node) {
    const auto& s = node.segments;
    if (s.empty() || !finite(s[0].p)) return;
    cairo_move_to(cr, s[0].p.h, s[0].p.v);
    size_t curves = node.closed ? s.size() : s.size() - 1;
    for (size_t i = 0; i < curves; ++i) {
        const AIPathSegment& a = s[i];
        const AIPathSegment& b = s[(i + 1) % s.size()];
        if (!finite(a.out) || !finite(b.in) || !finite(b.p)) return;
        cairo_curve_to(cr, a.out.h, a.out.v, b.in.h, b.in.v, b.p.h, b.p.v);
    }
    if (node.closed) cairo_close_path(cr);
}

void setColor(cairo_t* cr, const AIColor& color) {
    Rgb rgb = toSrgb(color);
    cairo_set_source_rgb(cr, rgb.r, rgb.g, rgb.b);
}

void drawNode(cairo_t* cr, const PageClip& page, const SceneNode& node);

void drawContent(cairo_t* cr, const PageClip& page, const SceneNode& node) {
    if (node.isGroup) {
        for (const SceneNode& child : node.children) drawNode(cr, page, child);
        return;
    }
    bool fill = node.style.fillPaint && !fillEnclosesNothing(node);
    bool stroke = node.style.strokePaint && node.style.stroke.width > 0.0f;
    if (!fill && !stroke) return;
    const PageClip::Fit fit = page.fit(node);
    if (fit == PageClip::Fit::leftOut) return;
    const bool clipped = fit == PageClip::Fit::clipped;
    if (clipped) {
        page.traceClipped(cr, node, fill);
    } else {
        tracePath(cr, node);
    }
    if (fill) {
        setColor(cr, node.style.fill.color);
        cairo_set_fill_rule(cr, node.style.evenodd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
        cairo_fill_preserve(cr);
    }
    if (stroke) {
        // A clipped open path is stroked without the closing line its fill needed.
        if (clipped && fill && !node.closed) {
            cairo_new_path(cr);
            page.traceClipped(cr, node, false);
        }
        setColor(cr, node.style.stroke.color);
        cairo_set_line_width(cr, node.style.stroke.width);
        cairo_stroke_preserve(cr);
    }
    cairo_new_path(cr);
}

void drawNode(cairo_t* cr, const PageClip& page, const SceneNode& node) {
    bool plain = node.opacity >= 1.0f && node.blendMode == kNormalBlendMode;
    if (plain) {
        drawContent(cr, page, node);
        return;
    }
    // Opacity and blending apply to the object as a whole: draw it apart, then composite.
    cairo_push_group(cr);
    drawContent(cr, page, node);
    cairo_pop_group_to_source(cr);
    cairo_set_operator(cr, blendOperator(node.blendMode));
    double alpha = std::isfinite(node.opacity) ? std::fmin(1.0, std::fmax(0.0, node.opacity)) : 1.0;
    cairo_paint_with_alpha(cr, alpha);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

}  // namespace

bool fillEnclosesNothing(const SceneNode& node) {
    // Only exact coincidence counts: handles on their own anchors (cairo draws such a curve
    // as a line) and every anchor on one of two points, so each edge is retraced backwards
    // and the coverage cancels exactly.
    const auto& s = node.segments;
    if (s.empty()) return true;
    size_t curves = node.closed ? s.size() : s.size() - 1;
    for (size_t i = 0; i < curves; ++i) {
        const AIPathSegment& a = s[i];
        const AIPathSegment& b = s[(i + 1) % s.size()];
        if (!same(a.out, a.p) || !same(b.in, b.p)) return false;
    }
    AIRealPoint first = s[0].p;
    const AIRealPoint* second = nullptr;
    for (const AIPathSegment& segment : s) {
        if (same(segment.p, first)) continue;
        if (!second)
            second = &segment.p;
        else if (!same(segment.p, *second))
            return false;
    }
    return true;
}

void drawScene(cairo_t* cr, const Scene& scene, double scale) {
    cairo_scale(cr, scale, scale);
    cairo_translate(cr, 0.0, scene.pageHeight);
    cairo_scale(cr, 1.0, -1.0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    const PageClip page(scene.pageWidth, scene.pageHeight, scale);
    for (const SceneLayer& layer : scene.layers) {
        for (const SceneNode& node : layer.nodes) drawNode(cr, page, node);
    }
}

}  // namespace qtexport
