// PNG and PDF through cairo.
#include "app/cairo_export.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <cmath>

#include "app/cairo_draw.h"

namespace qtapp {

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
    return status == CAIRO_STATUS_SUCCESS ? std::string() : cairo_status_to_string(status);
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
    return status == CAIRO_STATUS_SUCCESS ? std::string() : cairo_status_to_string(status);
}

}  // namespace qtapp
