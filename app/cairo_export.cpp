// PNG and PDF through cairo. The PNG is drawn in bands on several threads.
#include "app/cairo_export.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <cmath>
#include <new>

#include "app/cairo_bands.h"
#include "app/cairo_draw.h"

namespace qtapp {

std::string writePng(const Scene& scene, const std::string& path, double pixelsPerPoint) {
    PageImage image;
    image.width = static_cast<int>(std::ceil(scene.pageWidth * pixelsPerPoint));
    image.height = static_cast<int>(std::ceil(scene.pageHeight * pixelsPerPoint));
    if (image.width <= 0 || image.height <= 0 || image.width > 32767 || image.height > 32767) {
        return "page too large for a PNG";
    }
    image.stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, image.width);
    try {
        image.pixels.resize(static_cast<size_t>(image.stride) * image.height);
    } catch (const std::bad_alloc&) {
        return cairo_status_to_string(CAIRO_STATUS_NO_MEMORY);
    }
    std::string error = renderBands(scene, pixelsPerPoint, image, defaultBandCount());
    if (!error.empty()) return error;
    cairo_surface_t* surface = cairo_image_surface_create_for_data(image.pixels.data(), CAIRO_FORMAT_ARGB32,
                                                                   image.width, image.height, image.stride);
    cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
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
