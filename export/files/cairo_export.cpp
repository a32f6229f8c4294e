// PNG and PDF through cairo, streamed into an atomic file. The PNG is drawn in bands on
// several threads.
#include "export/files/cairo_export.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <exception>
#include <new>

#include "export/files/atomic_file.h"
#include "export/files/cairo_bands.h"
#include "export/files/cairo_draw.h"

namespace qtexport {

namespace {

// cairo's write callback: a write error is kept and reported as cairo's write error.
struct Sink {
    AtomicFile file;
    std::string error;
};

cairo_status_t writeToSink(void* closure, const unsigned char* data, unsigned int length) {
    auto* sink = static_cast<Sink*>(closure);
    try {
        sink->file.write(data, length);
        return CAIRO_STATUS_SUCCESS;
    } catch (const std::exception& e) {
        if (sink->error.empty()) sink->error = e.what();
        return CAIRO_STATUS_WRITE_ERROR;
    }
}

std::string failure(const Sink& sink, cairo_status_t status) {
    return sink.error.empty() ? cairo_status_to_string(status) : sink.error;
}

// The file is kept only when cairo finished without an error; otherwise its temporary goes.
std::string finish(Sink& sink, cairo_status_t status) {
    if (status != CAIRO_STATUS_SUCCESS) return failure(sink, status);
    sink.file.commit();
    return {};
}

// Runs one export; an exception becomes its message, so nothing escapes to the caller.
template <class Export>
std::string guarded(Export exportFile) {
    try {
        return exportFile();
    } catch (const std::bad_alloc&) {
        return cairo_status_to_string(CAIRO_STATUS_NO_MEMORY);
    } catch (const std::exception& e) {
        return e.what();
    }
}

}  // namespace

std::string pdfCreationDate() {
    long long seconds = 946684800;  // 2000-01-01T00:00:00Z
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
        long long value = 0;
        const char* end = epoch + std::char_traits<char>::length(epoch);
        auto [stop, ec] = std::from_chars(epoch, end, value);
        // Years 1970 to 9999: the four digits a PDF date holds.
        if (ec == std::errc() && stop == end && stop != epoch && value >= 0 && value <= 253402300799LL) {
            seconds = value;
        }
    }
    std::time_t t = static_cast<std::time_t>(seconds);
    std::tm utc{};
    gmtime_r(&t, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::string writePng(const Scene& scene, const std::string& path, double pixelsPerPoint) {
    return guarded([&]() -> std::string {
        PageImage image;
        image.width = static_cast<int>(std::ceil(scene.pageWidth * pixelsPerPoint));
        image.height = static_cast<int>(std::ceil(scene.pageHeight * pixelsPerPoint));
        if (image.width <= 0 || image.height <= 0 || image.width > kMaxPngSide ||
            image.height > kMaxPngSide) {
            return "page too large for a PNG";
        }
        image.stride = cairo_format_stride_for_width(CAIRO_FORMAT_ARGB32, image.width);
        image.pixels.resize(static_cast<size_t>(image.stride) * image.height);
        std::string error = renderBands(scene, pixelsPerPoint, image, defaultBandCount());
        if (!error.empty()) return error;
        Sink sink{AtomicFile(path), {}};
        cairo_surface_t* surface = cairo_image_surface_create_for_data(
            image.pixels.data(), CAIRO_FORMAT_ARGB32, image.width, image.height, image.stride);
        cairo_status_t status = cairo_surface_write_to_png_stream(surface, writeToSink, &sink);
        cairo_surface_destroy(surface);
        return finish(sink, status);
    });
}

std::string writePdf(const Scene& scene, const std::string& path) {
    return guarded([&]() -> std::string {
        Sink sink{AtomicFile(path), {}};
        cairo_surface_t* surface =
            cairo_pdf_surface_create_for_stream(writeToSink, &sink, scene.pageWidth, scene.pageHeight);
        cairo_pdf_surface_set_metadata(surface, CAIRO_PDF_METADATA_CREATE_DATE, pdfCreationDate().c_str());
        cairo_t* cr = cairo_create(surface);
        drawScene(cr, scene, 1.0);
        cairo_status_t status = cairo_status(cr);
        cairo_destroy(cr);
        cairo_surface_finish(surface);
        if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(surface);
        cairo_surface_destroy(surface);
        return finish(sink, status);
    });
}

}  // namespace qtexport
