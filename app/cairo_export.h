// PNG and PDF through cairo, honouring opacity and the sixteen blend modes.
#ifndef QT_APP_CAIRO_EXPORT_H
#define QT_APP_CAIRO_EXPORT_H

#include <string>

#include "app/scene.h"

namespace qtapp {

// Each writes `path` and returns an empty string, or returns what went wrong.
std::string writePng(const Scene& scene, const std::string& path, double pixelsPerPoint = 1.0);
std::string writePdf(const Scene& scene, const std::string& path);

}  // namespace qtapp

#endif
