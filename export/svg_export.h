// The document as SVG: one group per layer, one path per path art in paint order. Paths
// whose geometry is not finite are left out.
#ifndef QT_EXPORT_SVG_EXPORT_H
#define QT_EXPORT_SVG_EXPORT_H

#include <cstddef>
#include <string>

#include "export/byte_sink.h"
#include "export/scene.h"
#include "host/document.h"

namespace qtexport {

// Written to `sink` as the document is walked, each segment read once (a warped path is held
// alone while it is written); returns the number of paths left out.
size_t writeDocumentSvg(const qthost::Document& document, ByteSink& sink);

// The same bytes as one string, from the document or from its scene.
std::string documentSvg(const qthost::Document& document);
std::string sceneSvg(const Scene& scene);

}  // namespace qtexport

#endif
