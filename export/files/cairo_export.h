// PNG and PDF through cairo, honouring opacity and the sixteen blend modes.
#ifndef QT_EXPORT_CAIRO_EXPORT_H
#define QT_EXPORT_CAIRO_EXPORT_H

#include <string>

#include "export/scene.h"

namespace qtexport {

// The largest PNG side cairo's image surfaces can hold, in pixels.
constexpr int kMaxPngSide = 32767;

// Each writes `path` (atomically: see export/files/atomic_file.h) and returns an empty string, or
// returns what went wrong and leaves `path` as it was.
std::string writePng(const Scene& scene, const std::string& path, double pixelsPerPoint = 1.0);
std::string writePdf(const Scene& scene, const std::string& path);

// The PDF's creation date, so that the same input gives the same bytes: SOURCE_DATE_EPOCH
// (seconds since 1970, UTC) when it is set and valid, else 2000-01-01T00:00:00Z. ISO 8601.
std::string pdfCreationDate();

}  // namespace qtexport

#endif
