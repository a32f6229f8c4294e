// Drawing the scene with cairo. Document v grows upwards, so the page is flipped once.
#include "app/cairo_export.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <cmath>

#include "app/colors.h"

namespace qtapp {

namespace {

cairo_operator_t blendOperator(ASInt32 mode) {
    static const cairo_operator_t kOperators[] = {
        CAIRO_OPERATOR_OVER,       CAIRO_OPERATOR_MULTIPLY,    CAIRO_OPERATOR_SCREEN,
        CAIRO_OPERATOR_OVERLAY,    CAIRO_OPERATOR_SOFT_LIGHT,  CAIRO_OPERATOR_HARD_LIGHT,
        CAIRO_OPERATOR_COLOR_DODGE, CAIRO_OPERATOR_COLOR_BURN, CAIRO_OPERATOR_DARKEN,
        CAIRO_OPERATOR_LIGHTEN,    CAIRO_OPERATOR_DIFFERENCE,  CAIRO_OPERATOR_EXCLUSION,
        CAIRO_OPERATOR_HSL_HUE,    CAIRO_OPERATOR_HSL_SATURATION, CAIRO_OPERATOR_HSL_COLOR,
        CAIRO_OPERATOR_HSL_LUMINOSITY};
    return mode >= 0 && mode <= 15 ? kOperators[mode] : CAIRO_OPERATOR_OVER;
}

bool finite(AIRealPoint p) { return std::isfinite(p.h) && std::isfinite(p.v); }

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

void drawNode(cairo_t* cr, const SceneNode& node);

void drawContent(cairo_t* cr, const SceneNode& node) {
    if (node.isGroup) {
        for (const SceneNode& child : node.children) drawNode(cr, child);
        return;
    }
    tracePath(cr, node);
    if (node.style.fillPaint) {
        setColor(cr, node.style.fill.color);
        cairo_set_fill_rule(cr, node.style.evenodd ? CAIRO_FILL_RULE_EVEN_ODD : CAIRO_FILL_RULE_WINDING);
        cairo_fill_preserve(cr);
    }
    if (node.style.strokePaint && node.style.stroke.width > 0.0f) {
        setColor(cr, node.style.stroke.color);
        cairo_set_line_width(cr, node.style.stroke.width);
        cairo_stroke_preserve(cr);
    }
    cairo_new_path(cr);
}

void drawNode(cairo_t* cr, const SceneNode& node) {
    bool plain = node.opacity >= 1.0f && node.blendMode == kNormalBlendMode;
    if (plain) {
        drawContent(cr, node);
        return;
    }
    // Opacity and blending apply to the object as a whole: draw it apart, then composite.
    cairo_push_group(cr);
    drawContent(cr, node);
    cairo_pop_group_to_source(cr);
    cairo_set_operator(cr, blendOperator(node.blendMode));
    double alpha = std::isfinite(node.opacity) ? std::fmin(1.0, std::fmax(0.0, node.opacity)) : 1.0;
    cairo_paint_with_alpha(cr, alpha);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

void drawScene(cairo_t* cr, const Scene& scene, double scale) {
    cairo_scale(cr, scale, scale);
    cairo_translate(cr, 0.0, scene.pageHeight);
    cairo_scale(cr, 1.0, -1.0);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_MITER);
    for (const SceneLayer& layer : scene.layers) {
        for (const SceneNode& node : layer.nodes) drawNode(cr, node);
    }
}

std::string statusText(cairo_status_t status) { return cairo_status_to_string(status); }

}  // namespace

std::string writePng(const Scene& scene, const std::string& path, double pixelsPerPoint) {
    int width = static_cast<int>(std::ceil(scene.pageWidth * pixelsPerPoint));
    int height = static_cast<int>(std::ceil(scene.pageHeight * pixelsPerPoint));
    if (width <= 0 || height <= 0 || width > 32767 || height > 32767) return "page too large for a PNG";
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cairo_t* cr = cairo_create(surface);
    cairo_set_source_rgb(cr, 1.0, 1.0, 1.0);  // the white page
    cairo_paint(cr);
    drawScene(cr, scene, pixelsPerPoint);
    cairo_status_t status = cairo_status(cr);
    cairo_destroy(cr);
    if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_write_to_png(surface, path.c_str());
    cairo_surface_destroy(surface);
    return status == CAIRO_STATUS_SUCCESS ? std::string() : statusText(status);
}

std::string writePdf(const Scene& scene, const std::string& path) {
    cairo_surface_t* surface = cairo_pdf_surface_create(path.c_str(), scene.pageWidth, scene.pageHeight);
    cairo_t* cr = cairo_create(surface);
    drawScene(cr, scene, 1.0);
    cairo_status_t status = cairo_status(cr);
    cairo_destroy(cr);
    cairo_surface_finish(surface);
    if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(surface);
    cairo_surface_destroy(surface);
    return status == CAIRO_STATUS_SUCCESS ? std::string() : statusText(status);
}

}  // namespace qtapp
